#pragma once

// A second, independent statement of the model's arithmetic in plain doubles: the ball-ball and
// ball-rod derivatives, their per-step updates, the Runge-Kutta step, one pass of the run loop,
// the start and reversal states and the totals of a screen update. Every formula keeps the
// operands and the order of evaluation that the results depend on, so that the engine and this
// model agree to the last bit. Tests compare the two on chosen and random states.

#include <array>

namespace kvor::test::ref {

using Vector = std::array<double, 13>; // elements 1..12; 0 unused

struct State {
    // Parameters and scales.
    double m10 = 0, m20 = 0, q1 = 0, q2 = 0, D1 = 0, D2 = 0, C1 = 0, C2 = 0, Kj1 = 0, Kj2 = 0, Ks = 0, L2 = 0;
    double h = 0, Mx = 0, Mv = 0, Mt = 0, MF = 0, MFq = 0;

    Vector Z{}, DZ{}, Z0{}, RK1{}, RK2{}, RK3{}, RK4{};
    double X1 = 0, X2 = 0, Y1 = 0, Y2 = 0, phi1 = 0, phi2 = 0;
    double VX1 = 0, VX2 = 0, VY1 = 0, VY2 = 0, w1 = 0, w2 = 0;

    double m1 = 0, m2 = 0, V1 = 0, V2 = 0, J1 = 0, J2 = 0, R10 = 0, R20 = 0, R1 = 0, R2 = 0, R12 = 0;
    double DX = 0, DY = 0, LR = 0, LRprev = 0, Alfa = 0, AlfaPrev = 0, DAlfa = 0;
    double AlfaDeg = 0, Ugol1 = 0, Ugol2 = 0;
    double Hn = 0, Lp = 0;
    double Def1 = 0, Def2 = 0, Def1Prev = 0, Def2Prev = 0, LRc = 0, DDef1 = 0, DDef2 = 0, Kd1 = 0, Kd2 = 0;
    double VR1 = 0, VR2 = 0, VRa = 0, VRb = 0, CK1 = 0, CK2 = 0;
    double F1 = 0, F2 = 0, FcFj = 0, Fj1 = 0, Fm = 0, Fq = 0, Fq0 = 0, F = 0, FX = 0, FY = 0;
    double Fs = 0, Fsx = 0, Fsy = 0;
    double Vt1 = 0, Vt2 = 0, Vt = 0, Vw1 = 0, Vw2 = 0, Vs = 0, VsPrev = 0, SgnS = 0, Ss = 0;
    double E0 = 0, E = 0, Ev = 0, Ew = 0, Ej = 0, Es = 0, Em = 0, Eq = 0, EqPrev = 0, KD0 = 0, KD = 0;
    double T = 0, Ts = 0;
    double G = 0, Kq = 0, Vsv = 0, Pi = 0;

    long StepCount = 0, FileStepCount = 0, NT = 0;
    int BallBall = 0, BallRod = 0;

    // The check boxes the arithmetic reads: "+Fm" and "Лоренц".
    bool plusFm = false;
    bool lorentz = false;
};

// G, Kq, Vsv and Pi as the window sets them when it loads.
void Constants(State& s);

// The derivative routine of two balls for the stage time Ts.
void Diffur1(State& s);
// Dry friction, committed deformations and dissipated energy, once after a ball-ball step.
void ContactUpdate(State& s);
// The derivative routine of a ball and a rigid rod.
void Diffur2(State& s);
// The viscous loss and the absent terms, once after a ball-rod step.
void RodUpdate(State& s);

// One classical Runge-Kutta step, with the refreshed state copies, speeds and cleared rates.
void RungeKutta(State& s);

// One pass of the run loop without the scales, the track store and the question about Eq:
// the step, the variant update, relativistic masses, potential-energy terms and the counters.
void LoopStep(State& s);

// The display angles and the kinetic-energy and momentum totals of a screen update.
void ScreenTotals(State& s);

// The start state from the SI inputs already in `s` (with phi2), for the selected variant.
void Start(State& s, bool ballRod);

// The reversal of the motion at the current point.
void Reverse(State& s);

// The analytic end-impact values a ball-rod start prints: V1a, V1b, V2a, V2b, w2a, w2b.
std::array<double, 6> EndImpact(const State& s);

} // namespace kvor::test::ref
