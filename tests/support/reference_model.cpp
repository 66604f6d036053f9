#include "reference_model.h"

#include <cmath>

namespace kvor::test::ref {

namespace {

double sign(double x) {
    if (x > 0) return 1;
    if (x < 0) return -1;
    return 0;
}

double truncated(double x) {
    return std::trunc(x);
}

double degrees(double radians) {
    return truncated(radians * 1000 * 180 / 3.14159) / 1000;
}

double velocityAngle(double vx, double vy) {
    double angle = 0;
    if (vx != 0) angle = truncated(std::atan(std::abs(vy / vx)) * 1000 * 180 / 3.14159) / 1000;
    return angle;
}

void derivatives(State& s) {
    if (s.BallBall == 1) Diffur1(s);
    if (s.BallRod == 1) Diffur2(s);
}

} // namespace

void Constants(State& s) {
    s.G = std::pow(10.0, -12.0) * 66.7;
    s.Vsv = std::pow(10.0, 8.0) * 2.998;
    s.Kq = 9e9;
    s.Pi = 3.141593;
}

void Diffur1(State& s) {
    s.X1 = s.Z[1];
    s.X2 = s.Z[2];
    s.Y1 = s.Z[3];
    s.Y2 = s.Z[4];
    s.VX1 = s.Z[7];
    s.VX2 = s.Z[8];
    s.VY1 = s.Z[9];
    s.VY2 = s.Z[10];

    s.DX = s.X2 - s.X1;
    s.DY = s.Y2 - s.Y1;
    s.LR = std::sqrt(s.DX * s.DX + s.DY * s.DY);
    s.FcFj = 0;
    s.Fm = 0;
    if (s.plusFm) s.Fm = s.m1 * s.m2 * s.G / s.LR / s.LR;
    s.Fq = s.Kq * s.q1 * s.q2 / s.LR / s.LR;

    if (s.DX != 0) {
        if (0.0001 * s.D1 > std::abs(s.DX)) s.DX = sign(s.DX) * 0.0001;
        s.Alfa = std::atan(std::abs(s.DY / s.DX));
    }

    if (s.LR <= s.R12) {
        if (s.LR != s.LRc) {
            s.Kd1 = ((s.LRc - s.LR) * s.CK2 + s.C2 * s.Def2Prev - s.C1 * s.Def1Prev) / (s.LRc - s.LR) /
                    (s.CK1 + s.CK2);
            s.Kd2 = 1 - s.Kd1;
        }
        const bool firstStage = 0.1 * s.h + s.T > s.Ts;
        if (!firstStage) {
            s.DDef1 = (s.LRc - s.LR) * s.Kd1;
            s.DDef2 = (s.LRc - s.LR) * s.Kd2;
            s.Def1 = s.Def1Prev + s.DDef1;
            s.Def2 = s.Def2Prev + s.DDef2;
            s.VR1 = s.DDef1 / (s.Ts - s.T);
            s.VR2 = s.DDef2 / (s.Ts - s.T);
        }
        s.F1 = s.C1 * s.Def1 + s.Kj1 * s.VR1;
        if (s.F1 < 0) s.F1 = 0;
        s.F2 = s.C2 * s.Def2 + s.Kj2 * s.VR2;
        if (s.F2 < 0) s.F2 = 0;
        s.FcFj = (s.F1 + s.F2) / 2;
    }

    s.F = s.FcFj - s.Fm + s.Fq;
    s.FX = std::cos(s.Alfa) * s.F;
    if (s.DX < 0) s.FX = -s.FX;
    s.FY = std::sin(s.Alfa) * s.F;
    if (s.DY < 0) s.FY = -s.FY;

    for (int k = 1; k <= 6; ++k) s.DZ[k] = s.Z[k + 6];
    s.DZ[7] = (s.Fsx - s.FX) / s.m1;
    s.DZ[8] = (s.FX - s.Fsx) / s.m2;
    s.DZ[9] = (s.Fsy - s.FY) / s.m1;
    s.DZ[10] = (s.FY - s.Fsy) / s.m2;
    s.DZ[11] = s.Fs * s.SgnS * s.R1 / s.J1;
    s.DZ[12] = s.Fs * s.SgnS * s.R2 / s.J2;
}

void ContactUpdate(State& s) {
    s.Fs = 0;
    s.Fsx = 0;
    s.Fsy = 0;
    if (s.LR > s.R12) return;

    s.Vt1 = (s.VY2 - s.VY1) * std::cos(s.Alfa);
    s.Vt2 = (s.VX2 - s.VX1) * std::sin(s.Alfa);
    const bool below = s.Y1 <= s.Y2; // body 1 not above body 2
    const bool right = s.X2 <= s.X1; // body 2 not right of body 1
    if (below && right) {
        s.SgnS = sign(s.VY1 - s.VY2 + s.VX1 - s.VX2);
        s.Vt = s.Vt1 + s.Vt2;
    } else if (below) {
        s.SgnS = sign(s.VY2 - s.VY1 + s.VX1 - s.VX2);
        s.Vt = s.Vt1 - s.Vt2;
    } else if (right) {
        s.SgnS = sign(s.VY1 - s.VY2 + s.VX2 - s.VX1);
        s.Vt = s.Vt1 - s.Vt2;
    } else {
        s.SgnS = sign(s.VY2 - s.VY1 + s.VX2 - s.VX1);
        s.Vt = s.Vt1 + s.Vt2;
    }

    s.Vw1 = s.R1 * s.w1;
    s.Vw2 = s.R2 * s.w2;
    s.Vs = std::abs(s.Vt) - s.SgnS * s.Vw1 - s.SgnS * s.Vw2;
    s.Fs = s.F * s.Ks * sign(s.Vs);
    s.Ss = sign(s.Vs) == sign(s.VsPrev) ? s.Vs * s.h + s.Ss : 0;
    if (std::abs(s.Ss) < 0.0001) s.Fs = 0;
    s.DAlfa = s.AlfaPrev - s.Alfa;
    s.Fsx = std::sin(s.Alfa) * s.Fs * sign(s.X2 - s.X1) * sign(s.DAlfa);
    s.Fsy = std::cos(s.Alfa) * s.Fs * sign(s.Y1 - s.Y2) * sign(s.DAlfa);
    s.Es = std::abs(s.Vs * s.Fs) * s.h + s.Es;
    s.Ej = (s.Kj1 * s.VR1 * s.VR1 + s.Kj2 * s.VR2 * s.VR2) * s.h + s.Ej;
    s.R1 = s.R10 - s.Def1;
    s.R2 = s.R20 - s.Def2;
    s.VsPrev = s.Vs;
    s.Def1Prev = s.Def1;
    s.Def2Prev = s.Def2;
    s.LRc = s.LR;
}

void Diffur2(State& s) {
    s.X1 = s.Z[1];
    s.X2 = s.Z[2];
    s.Y1 = s.Z[3];
    s.Y2 = s.Z[4];
    s.phi2 = s.Z[6];
    s.VX1 = s.Z[7];
    s.VX2 = s.Z[8];
    s.VY1 = s.Z[9];
    s.VY2 = s.Z[10];
    s.w2 = s.Z[12];

    s.DX = s.X2 - s.X1;
    s.DY = s.Y2 - s.Y1;
    s.LR = std::sqrt(s.DX * s.DX + s.DY * s.DY);

    // The rod is a rectangle about its centre: axis a = (-sin phi2, cos phi2), normal
    // n = (cos phi2, sin phi2), half-length L2/2, half-width R20. The ball's centre relative to
    // the rod's centre, p, in that frame:
    const double sn = std::sin(s.phi2), cs = std::cos(s.phi2);
    const double px = s.X1 - s.X2, py = s.Y1 - s.Y2;
    const double pa = px * -sn + py * cs;
    const double pn = px * cs + py * sn;
    s.Hn = std::abs(pn);
    s.Alfa = std::atan2(s.Hn, std::abs(pa));

    // The nearest point q of the rectangle, the unit normal u from q towards the ball, and the
    // penetration. Inside the rectangle the ball goes out through the nearer face.
    const double half = s.L2 / 2;
    const double signA = pa < 0 ? -1 : 1, signN = pn < 0 ? -1 : 1;
    const bool withinLength = std::abs(pa) <= half;
    const bool withinWidth = s.Hn <= s.R20;
    double qa, qn, ua, un;
    bool sideFace;
    if (withinLength && withinWidth)
        sideFace = s.Hn - s.R20 >= std::abs(pa) - half; // the side face is the nearer one
    else
        sideFace = withinLength;
    if (sideFace) {
        qa = pa;
        qn = signN * s.R20;
        ua = 0;
        un = signN;
        s.Def1 = s.R12 - s.Hn;
    } else if (withinWidth) {
        qa = signA * half;
        qn = pn;
        ua = signA;
        un = 0;
        s.Def1 = half + s.R10 - std::abs(pa);
    } else {
        qa = signA * half;
        qn = signN * s.R20;
        const double da = signA * (std::abs(pa) - half), dn = signN * (s.Hn - s.R20);
        const double d = std::sqrt(da * da + dn * dn);
        ua = da / d;
        un = dn / d;
        s.Def1 = s.R10 - d;
    }
    // Moment about the rod's centre of the force -F u at q: F times this lever arm.
    s.Lp = -(qn * ua - qa * un);
    const double ux = ua * -sn + un * cs, uy = ua * cs + un * sn;

    s.VRa = 0;
    s.VRb = 0;
    if (s.Def1 >= 0) {
        s.VRb = ux * (s.VX2 - s.VX1) + uy * (s.VY2 - s.VY1);
        s.VRa = -s.Lp * s.w2;
    } else {
        s.Def1 = 0;
    }

    s.VR1 = s.VRb + s.VRa;
    s.Fj1 = s.Kj1 * s.VR1;
    s.F1 = s.C1 * s.Def1 + s.Fj1;
    if (s.F1 < 0) s.F1 = 0;
    s.FcFj = s.F1;
    s.F = s.FcFj;
    s.FX = -ux * s.F;
    s.FY = -uy * s.F;
    for (int k = 1; k <= 6; ++k) s.DZ[k] = s.Z[k + 6];
    s.DZ[7] = -s.FX / s.m1;
    s.DZ[8] = s.FX / s.m2;
    s.DZ[9] = -s.FY / s.m1;
    s.DZ[10] = s.FY / s.m2;
    s.DZ[11] = 0;
    s.DZ[12] = s.F * s.Lp / s.J2;
}

void RodUpdate(State& s) {
    s.Ej = s.VR1 * (s.Kj1 * s.VR1) * s.h + s.Ej;
    s.Em = 0;
    s.Eq = 0;
    s.Es = 0;
    s.Fm = 0;
    s.Fq = 0;
    s.Fs = 0;
}

void RungeKutta(State& s) {
    s.Ts = s.T;
    for (int i = 1; i <= 12; ++i) s.Z0[i] = s.Z[i];
    derivatives(s);
    for (int i = 1; i <= 12; ++i) {
        s.RK1[i] = s.h * s.DZ[i];
        s.Z[i] = s.RK1[i] / 2 + s.Z0[i];
    }
    s.Ts = s.h / 2 + s.T;
    derivatives(s);
    for (int i = 1; i <= 12; ++i) {
        s.RK2[i] = s.h * s.DZ[i];
        s.Z[i] = s.RK2[i] / 2 + s.Z0[i];
    }
    derivatives(s);
    for (int i = 1; i <= 12; ++i) {
        s.RK3[i] = s.h * s.DZ[i];
        s.Z[i] = s.Z0[i] + s.RK3[i];
    }
    s.Ts = s.T + s.h;
    derivatives(s);
    for (int i = 1; i <= 12; ++i) s.RK4[i] = s.h * s.DZ[i];
    for (int i = 1; i <= 12; ++i) s.Z[i] = (s.RK2[i] * 2 + s.RK1[i] + s.RK3[i] * 2 + s.RK4[i]) / 6 + s.Z0[i];

    s.X1 = s.Z[1];
    s.X2 = s.Z[2];
    s.Y1 = s.Z[3];
    s.Y2 = s.Z[4];
    s.phi1 = s.Z[5];
    s.phi2 = s.Z[6];
    s.VX1 = s.Z[7];
    s.VX2 = s.Z[8];
    s.VY1 = s.Z[9];
    s.VY2 = s.Z[10];
    s.w1 = s.Z[11];
    s.w2 = s.Z[12];
    s.V1 = std::sqrt(s.VX1 * s.VX1 + s.VY1 * s.VY1);
    s.V2 = std::sqrt(s.VX2 * s.VX2 + s.VY2 * s.VY2);
    if (s.F1 == 0) s.VR1 = 0;
    if (s.F2 == 0) s.VR2 = 0;
}

void LoopStep(State& s) {
    RungeKutta(s);
    if (s.BallRod == 1) {
        RodUpdate(s);
    } else {
        ContactUpdate(s);
        if (s.lorentz) {
            s.m1 = s.m10 / std::sqrt(1 - s.V1 * s.V1 / s.Vsv / s.Vsv);
            s.m2 = s.m20 / std::sqrt(1 - s.V2 * s.V2 / s.Vsv / s.Vsv);
            s.J1 = 2 * s.m1 * s.R10 * s.R10 / 5;
            s.J2 = 2 * s.m2 * s.R20 * s.R20 / 5;
        }
        s.Em = s.Em - (s.LRprev - s.LR) * s.Fm;
        s.Eq = (s.LRprev - s.LR) * s.Fq + s.Eq;
        s.AlfaPrev = s.Alfa;
        s.LRprev = s.LR;
    }
    s.StepCount = s.StepCount + 1;
    s.T = s.T + s.h;
    s.FileStepCount = s.FileStepCount + 1;
    s.EqPrev = s.Eq;
}

void ScreenTotals(State& s) {
    s.Ugol1 = velocityAngle(s.VX1, s.VY1);
    s.Ugol2 = velocityAngle(s.VX2, s.VY2);
    s.AlfaDeg = degrees(s.Alfa);
    s.Ev = (s.V1 * (s.m1 * s.V1) + s.V2 * (s.m2 * s.V2)) / 2;
    s.Ew = (s.w1 * (s.J1 * s.w1) + s.w2 * (s.J2 * s.w2)) / 2;
    s.E = s.Ev + s.Ew;
    const double px = s.m1 * s.VX1 + s.m2 * s.VX2;
    const double py = s.m1 * s.VY1 + s.m2 * s.VY2;
    s.KD = std::sqrt(px * px + py * py);
}

void Start(State& s, bool ballRod) {
    s.T = 0;
    s.NT = 0;
    s.Fs = 0;
    s.Fsx = 0;
    s.Fsy = 0;
    s.VsPrev = 0;
    s.BallBall = 0;
    s.BallRod = 0;
    s.VR1 = 0;
    s.VR2 = 0;
    s.w1 = 0;
    s.w2 = 0;
    s.Def1Prev = 0;
    s.Def2Prev = 0;
    s.Es = 0;
    s.Ej = 0;
    s.Em = 0;
    s.Eq = 0;
    s.EqPrev = 0;
    s.Fq0 = 0;

    s.R12 = (s.D1 + s.D2) / 2;
    s.LRc = s.R12;
    s.R10 = s.D1 / 2;
    s.R20 = s.D2 / 2;
    s.m1 = s.m10;
    s.m2 = s.m20;
    s.V1 = std::sqrt(s.VX1 * s.VX1 + s.VY1 * s.VY1);
    s.V2 = std::sqrt(s.VX2 * s.VX2 + s.VY2 * s.VY2);
    if (s.lorentz) {
        s.m1 = s.m10 / std::sqrt(1 - s.V1 * s.V1 / s.Vsv / s.Vsv);
        s.m2 = s.m20 / std::sqrt(1 - s.V2 * s.V2 / s.Vsv / s.Vsv);
    }
    s.J1 = 2 * s.m1 * s.R10 * s.R10 / 5;
    s.J2 = 2 * s.m2 * s.R20 * s.R20 / 5;
    if (ballRod) {
        s.J2 = s.m2 * s.L2 * s.L2 / 12;
        s.q2 = 0;
    }
    s.E0 = (s.m1 * s.V1 * s.V1 + s.m2 * s.V2 * s.V2) / 2;
    const double px = s.m1 * s.VX1 + s.m2 * s.VX2;
    const double py = s.m1 * s.VY1 + s.m2 * s.VY2;
    s.KD0 = std::sqrt(px * px + py * py);

    s.DX = s.X2 - s.X1;
    s.DY = s.Y2 - s.Y1;
    s.Alfa = 3.14159 / 2;
    if (s.DX != 0) s.Alfa = std::atan(std::abs(s.DY / s.DX));
    s.AlfaDeg = truncated(s.Alfa * 1000 * 180 / 3.14159) / 1000;
    s.Ugol1 = velocityAngle(s.VX1, s.VY1);
    s.Ugol2 = velocityAngle(s.VX2, s.VY2);

    s.CK1 = s.Kj1 / s.h + s.C1;
    s.CK2 = s.Kj2 / s.h + s.C2;
    s.DX = s.X2 - s.X1;
    s.DY = s.Y2 - s.Y1;
    s.LRprev = std::sqrt(s.DX * s.DX + s.DY * s.DY);
    s.Fq0 = s.Kq * s.q1 * s.q2 / s.LRprev / s.LRprev;

    s.Z[1] = s.X1;
    s.Z[2] = s.X2;
    s.Z[3] = s.Y1;
    s.Z[4] = s.Y2;
    s.Z[5] = 0;
    s.Z[6] = s.phi2;
    s.Z[7] = s.VX1;
    s.Z[8] = s.VX2;
    s.Z[9] = s.VY1;
    s.Z[10] = s.VY2;
    s.Z[11] = s.w1;
    s.Z[12] = s.w2;
    if (ballRod)
        s.BallRod = 1;
    else
        s.BallBall = 1;
}

void Reverse(State& s) {
    s.X1 = s.Z[1];
    s.X2 = s.Z[2];
    s.Y1 = s.Z[3];
    s.Y2 = s.Z[4];
    s.phi1 = s.Z[5];
    s.phi2 = s.Z[6];
    s.VX1 = s.Z[7];
    s.VX2 = s.Z[8];
    s.VY1 = s.Z[9];
    s.VY2 = s.Z[10];
    s.w1 = s.Z[11];
    s.w2 = s.Z[12];
    for (int i = 7; i <= 12; ++i) s.Z[i] = -s.Z[i];

    s.T = 0;
    s.NT = 0;
    s.Fs = 0;
    s.Fsx = 0;
    s.Fsy = 0;
    s.VsPrev = 0;
    s.VR1 = 0;
    s.VR2 = 0;
    s.w1 = 0;
    s.w2 = 0;
    s.Def1Prev = 0;
    s.Def2Prev = 0;
    s.Es = 0;
    s.Ej = 0;
    s.Em = 0;
    s.Eq = 0;
    s.EqPrev = 0;
    s.Fq0 = 0;
    s.R12 = (s.D1 + s.D2) / 2;
    s.LRc = s.R12;
    s.R10 = s.D1 / 2;
    s.R20 = s.D2 / 2;
    s.m1 = s.m10;
    s.m2 = s.m20;
    if (s.lorentz) {
        s.m1 = s.m10 / std::sqrt(1 - s.V1 * s.V1 / s.Vsv / s.Vsv);
        s.m2 = s.m20 / std::sqrt(1 - s.V2 * s.V2 / s.Vsv / s.Vsv);
    }
    s.E0 = (s.m1 * s.V1 * s.V1 + s.m2 * s.V2 * s.V2) / 2;
    const double px = s.m1 * s.VX1 + s.m2 * s.VX2;
    const double py = s.m1 * s.VY1 + s.m2 * s.VY2;
    s.KD0 = std::sqrt(px * px + py * py);
    s.DX = s.X2 - s.X1;
    s.DY = s.Y2 - s.Y1;
    s.Alfa = 3.14159 / 2;
}

std::array<double, 6> EndImpact(const State& s) {
    const double P = s.m1 / s.m2 + s.m1 * s.L2 * s.L2 / 4 / s.J2;
    const double A = P + 1;
    const double B = -2 * P * s.V1;
    const double C = s.V1 * s.V1 * (P - 1);
    const double V1a = (std::sqrt(B * B - 4 * A * C) - B) / 2 / A;
    const double V1b = (-B - std::sqrt(B * B - 4 * A * C)) / 2 / A;
    const double V2a = (s.V1 - V1a) * s.m1 / s.m2;
    const double V2b = (s.V1 - V1b) * s.m1 / s.m2;
    const double w2a = s.m1 * s.L2 * (s.V1 - V1a) / 2 / s.J2;
    const double w2b = s.m1 * s.L2 * (s.V1 - V1b) / 2 / s.J2;
    return {V1a, V1b, V2a, V2b, w2a, w2b};
}

} // namespace kvor::test::ref
