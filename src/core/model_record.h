#pragma once

#include "arithmetic_fault.h"

#include <array>
#include <string>

namespace kvor {

// The state vector Z and its companions hold the twelve integrated variables, indexed from 1:
//   1 X1, 2 X2, 3 Y1, 4 Y2, 5 phi1, 6 phi2, 7 VX1, 8 VX2, 9 VY1, 10 VY2, 11 w1, 12 w2.
// Elements 1..6 are positions, 7..12 the matching velocities. Slot 0 is never used.
constexpr int kStateSize = 12;
using StateVector = std::array<real, kStateSize + 1>;

// Everything one impact experiment knows: parameters, state, derived quantities, counters and
// flags. There is exactly one, owned by the window or the batch runner and handed to every
// routine by reference. All quantities are SI (kg, C, m, s, N, J, rad) unless noted.
struct ModelRecord {
    // Physical parameters of body 1 (a ball) and body 2 (a ball or a rigid rod).
    real m10, m20; // rest masses, kg
    real q1, q2;   // charges, C
    real D1, D2;   // diameters, m (for the rod D2 is its thickness)
    real C1, C2;   // stiffness of each body's material, N/m
    real Kj1, Kj2; // viscous friction inside each body, N*s/m
    real Ks;       // dry friction between the surfaces, dimensionless
    real L2;       // rod length, m
    real h;        // integration step, s

    // Drawing scales, per centimetre of drawing: m/cm, (m/s)/cm, s/cm, N/cm, N/cm.
    real Mx, Mv, Mt, MF, MFq;

    // Decimal exponents of the input rows, as last read.
    Integer ExpM = 0, ExpQ = 0, ExpD = 0, ExpC = 0, ExpKj = 0, ExpVX = 0, ExpVY = 0, ExpX = 0, ExpY = 0;

    // Runge-Kutta: the state, its derivative, the state at the start of the step and the four
    // increments (step h times a derivative vector).
    StateVector Z, DZ, Z0, RK1, RK2, RK3, RK4;

    // Scalar mirrors of Z: m, rad, m/s, rad/s.
    real X1, X2, Y1, Y2, phi1, phi2;
    real VX1, VX2, VY1, VY2, w1, w2;

    // Current and derived quantities of the bodies: kg, m/s, kg*m^2, m.
    real m1, m2;   // current (possibly relativistic) masses
    real V1, V2;   // speeds
    real J1, J2;   // moments of inertia
    real R10, R20; // free radii
    real R1, R2;   // deformed radii
    real R12;      // contact distance (D1 + D2)/2

    // Line of centres: m and rad; the display angles in degrees.
    real DX, DY, LR, LRprev;
    real Alfa, AlfaPrev, DAlfa;
    real AlfaDeg, Ugol1, Ugol2;
    // Ball-rod geometry, m: distance of the ball centre from the rod axis, and the lever arm of the
    // contact force about the rod centre (positive when it turns the rod counter-clockwise).
    real Hn, Lp;

    // Contact bookkeeping (deformations, their rates, stiffness shares): m, m/s, N/m.
    real Def1, Def2, Def1Prev, Def2Prev, LRc;
    real DDef1, DDef2, Kd1, Kd2;
    real VR1, VR2, VRa, VRb; // ball-rod: VR1 = VRa (the rod's rotation) + VRb (translation)
    real CK1, CK2;

    // Forces, N. F, FX, FY act on body 2 with a plus sign; Fsx, Fsy act on body 1 with a plus sign.
    real F1, F2, FcFj, Fj1;
    real Fm, Fq, Fq0;
    real F, FX, FY;
    real Fs, Fsx, Fsy;

    // Dry friction: tangential and slip velocities (m/s), the sign factor and the slip distance (m).
    real Vt1, Vt2, Vt, Vw1, Vw2, Vs, VsPrev, SgnS, Ss;

    // Energies (J) and momentum magnitudes (kg*m/s).
    real E0, E, Ev, Ew, Ej, Es, Em, Eq, EqPrev;
    real KD0, KD;

    // Time: model time at the start of the step, time of the stage, wall-clock start (s).
    real T, Ts, TStart;

    // Counters and flags.
    Integer NC0 = 0;        // steps between screen updates
    Integer NC0file = 0;    // steps between data records
    Integer StepCount = 0;  // steps since the last screen update
    Long FileStepCount = 0; // steps since the last data record
    Long NT = 0;            // index of the newest trajectory point
    Integer BallBall = 0;   // 1 when the ball-ball variant was started
    Integer BallRod = 0;    // 1 when the ball-rod variant was started
    Integer StopFlag = 0;   // 1 = end the run at the next screen update
    Integer EqAnswer = 0;   // answer to the question about Eq; 6 means Yes

    // Physical constants, set when the window loads.
    real G, Kq, Vsv, Pi;

    // Where message texts and data records are assembled.
    std::string Msg;
};

// The answer code of a Yes button, as stored in EqAnswer.
constexpr Integer kAnswerYes = 6;
constexpr Integer kAnswerNo = 7;

// Sets G, Vsv, Kq and Pi, and nothing else of the record.
void SetModelConstants(ModelRecord& r);

// The mirrors of the two centres' positions and velocities from Z: X1, X2, Y1, Y2, VX1, VX2,
// VY1, VY2.
void RefreshCentreMirrors(ModelRecord& r);

// All twelve mirrors from Z.
void RefreshAllMirrors(ModelRecord& r);

} // namespace kvor
