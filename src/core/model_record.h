#pragma once

#include "model_numbers.h"

#include <array>
#include <bit>
#include <string>

namespace kvor {

// The state vector Z and its companions hold the twelve integrated variables, indexed from 1:
//   1 X1, 2 X2, 3 Y1, 4 Y2, 5 phi1, 6 phi2, 7 VX1, 8 VX2, 9 VY1, 10 VY2, 11 w1, 12 w2.
// Elements 1..6 are positions, 7..12 the matching velocities. Slot 0 is never used.
constexpr int kStateSize = 12;
template <typename Number> using BasicStateVector = std::array<Number, kStateSize + 1>;
using StateVector = BasicStateVector<real>;

// The numbers of one impact experiment: parameters, state, derived quantities, counters and
// flags. All quantities are SI (kg, C, m, s, N, J, rad) unless noted. The program keeps them as
// `real`, checked at every store; the same record of plain doubles is what a stretch of steps is
// computed in before it is checked as a whole (run loop), and the benchmarks' reference.
template <typename Number> struct BasicModelRecord {
    using StateVector = BasicStateVector<Number>;

    // Physical parameters of body 1 (a ball) and body 2 (a ball or a rigid rod).
    Number m10, m20; // rest masses, kg
    Number q1, q2;   // charges, C
    Number D1, D2;   // diameters, m (for the rod D2 is its thickness)
    Number C1, C2;   // stiffness of each body's material, N/m
    Number Kj1, Kj2; // viscous friction inside each body, N*s/m
    Number Ks;       // dry friction between the surfaces, dimensionless
    Number L2;       // rod length, m
    Number h;        // integration step, s

    // Drawing scales, per centimetre of drawing: m/cm, (m/s)/cm, s/cm, N/cm, N/cm.
    Number Mx, Mv, Mt, MF, MFq;

    // Decimal exponents of the input rows, as last read.
    Integer ExpM = 0, ExpQ = 0, ExpD = 0, ExpC = 0, ExpKj = 0, ExpVX = 0, ExpVY = 0, ExpX = 0, ExpY = 0;

    // Runge-Kutta: the state, its derivative, the state at the start of the step and the four
    // increments (step h times a derivative vector).
    StateVector Z, DZ, Z0, RK1, RK2, RK3, RK4;

    // Scalar mirrors of Z: m, rad, m/s, rad/s.
    Number X1, X2, Y1, Y2, phi1, phi2;
    Number VX1, VX2, VY1, VY2, w1, w2;

    // Current and derived quantities of the bodies: kg, m/s, kg*m^2, m.
    Number m1, m2;   // current (possibly relativistic) masses
    Number V1, V2;   // speeds
    Number J1, J2;   // moments of inertia
    Number R10, R20; // free radii
    Number R1, R2;   // deformed radii
    Number R12;      // contact distance (D1 + D2)/2

    // Line of centres: m and rad; the display angles in degrees.
    Number DX, DY, LR, LRprev;
    Number Alfa, AlfaPrev, DAlfa;
    Number AlfaDeg, Ugol1, Ugol2;
    // Ball-rod geometry, m: distance of the ball centre from the rod axis, and the lever arm of the
    // contact force about the rod centre (positive when it turns the rod counter-clockwise).
    Number Hn, Lp;

    // Contact bookkeeping (deformations, their rates, stiffness shares): m, m/s, N/m.
    Number Def1, Def2, Def1Prev, Def2Prev, LRc;
    Number DDef1, DDef2, Kd1, Kd2;
    Number VR1, VR2, VRa, VRb; // ball-rod: VR1 = VRa (the rod's rotation) + VRb (translation)
    Number CK1, CK2;

    // Forces, N. F, FX, FY act on body 2 with a plus sign; Fsx, Fsy act on body 1 with a plus sign.
    Number F1, F2, FcFj, Fj1;
    Number Fm, Fq, Fq0;
    Number F, FX, FY;
    Number Fs, Fsx, Fsy;

    // Dry friction: tangential and slip velocities (m/s), the sign factor and the slip distance (m).
    Number Vt1, Vt2, Vt, Vw1, Vw2, Vs, VsPrev, SgnS, Ss;

    // Energies (J) and momentum magnitudes (kg*m/s).
    Number E0, E, Ev, Ew, Ej, Es, Em, Eq, EqPrev;
    Number KD0, KD;
    // The work the contact force has done on the motion since the start, and the elastic energy
    // the contact stores now (J). EqStep is the Coulomb term by the rule of one force a step, which
    // the question about Eq watches.
    Number Wc, Ec, EqStep;
    // The deformations of the bodies as they touch now (m), 0 while they are apart: Def1 and Def2
    // keep their last contact values after a contact.
    Number Def1Now, Def2Now;
    // The power each force delivers to the motion at a stage (W): gravity, Coulomb, contact, dry
    // friction; and their sums over the stages of a step, weighted as the step weights its
    // derivatives (1, 2, 2, 1).
    Number Pm, Pq, Pc, Ps;
    Number SumPm, SumPq, SumPc, SumPs;
    // The contact force's stages summed with the same weights, and its impulse over the step (N*s).
    Number SumFc, Ic;
    // The exact contact law ("Точная модель контакта"). Two balls: the rate (1/s) at which the
    // share Def1 relaxes towards its static value, (C1 + C2)/(Kj1 + Kj2), and what drives it at a
    // stage (m/s); the share of a stage is Def1Base + Def1Gain Drive1 (m, s). Dry friction per
    // newton of the normal force, along the surfaces and its x and y parts, for the next step.
    Number Relax1, Drive1, Def1Base, Def1Gain;
    Number Mus, Musx, Musy;

    // Time: model time at the start of the step, time of the stage, wall-clock start (s).
    Number T, Ts, TStart;

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

    // Contact as the steps saw it, for a run that ends once the bodies have flown apart: 1 when a
    // contact force acted at any stage of the last step, and 1 once one has acted since the start
    // or the reversal.
    Integer StepContact = 0;
    Integer Touched = 0;
    // 1 when a contact force acted at a step since the last row of the series of values.
    Integer ContactSinceRow = 0;
    // The exact contact law: 1 from the instant a contact begins to the instant its force is 0.
    Integer ContactIn = 0;

    // Physical constants, set when the window loads.
    Number G, Kq, Vsv;
};

// The one record of the program, owned by the window or the batch runner and handed to every
// routine by reference, with the buffer in which message texts and data records are assembled.
struct ModelRecord : BasicModelRecord<real> {
    std::string Msg;
};

// The record in plain doubles, unchecked.
using PlainRecord = BasicModelRecord<double>;

// The numbers of the record as plain doubles, and back. A `real` is a double that refuses a
// non-finite store, so both records have one layout and the copy is one of bytes; the copy back
// is unchecked, for values that the caller knows to be finite.
inline PlainRecord Plain(const BasicModelRecord<real>& r) {
    return std::bit_cast<PlainRecord>(r);
}
inline void CommitPlain(BasicModelRecord<real>& r, const PlainRecord& plain) {
    r = std::bit_cast<BasicModelRecord<real>>(plain);
}
static_assert(sizeof(real) == sizeof(double) && alignof(real) == alignof(double));
static_assert(sizeof(PlainRecord) == sizeof(BasicModelRecord<real>));

// The answer code of a Yes button, as stored in EqAnswer.
constexpr Integer kAnswerYes = 6;
constexpr Integer kAnswerNo = 7;

// Sets G, Vsv and Kq, and nothing else of the record.
void SetModelConstants(ModelRecord& r);

// The mirrors of the two centres' positions and velocities from Z: X1, X2, Y1, Y2, VX1, VX2,
// VY1, VY2.
template <typename Number> void RefreshCentreMirrors(BasicModelRecord<Number>& r) {
    r.X1 = r.Z[1];
    r.X2 = r.Z[2];
    r.Y1 = r.Z[3];
    r.Y2 = r.Z[4];
    r.VX1 = r.Z[7];
    r.VX2 = r.Z[8];
    r.VY1 = r.Z[9];
    r.VY2 = r.Z[10];
}

// All twelve mirrors from Z.
template <typename Number> void RefreshAllMirrors(BasicModelRecord<Number>& r) {
    RefreshCentreMirrors(r);
    r.phi1 = r.Z[5];
    r.phi2 = r.Z[6];
    r.w1 = r.Z[11];
    r.w2 = r.Z[12];
}

} // namespace kvor
