#include "ball_rod.h"

#include "math_functions.h"

#include <cmath>

namespace kvor {

namespace {

// Direction of the line from the ball centre to the rod centre, from the vertical. With the
// ball on the x axis it stays horizontal (-pi/2); a ball level with the rod centre gets a tiny
// positive DY so that the direction is defined.
void lineOfCentresDirection(ModelRecord& r) {
    if (r.Y1 != 0) {
        if (0.00001 * r.D1 > std::abs(r.DY)) r.DY = 0.00001 * r.D1;
        r.Beta = std::abs(std::atan(r.DX / r.DY)) * -Sgn(r.DX);
    }
}

// The contact holds while the ball is within reach of the rod (no farther from its centre than
// half the rod plus the ball radius) and its centre is nearer the rod axis than the contact
// distance. Its penetration is R12 - Hn; the penetration rate has a part from the rod's rotation
// about its centre (lever arm Lp) and a part from the relative translation along the normal.
bool inContact(const ModelRecord& r) {
    return r.L2 / 2 + r.R10 >= r.LR && r.Hn <= r.R12;
}

void normalAndLever(ModelRecord& r) {
    r.Hn = std::sin(r.Alfa) * r.LR;
    r.Lp = std::cos(r.Alfa) * r.LR;
}

// The rod angle decides the quadrant in which the line of centres meets the rod axis; each
// range reduces the angle to the first quadrant (Gamma) for projecting the velocities.
void rodContact(ModelRecord& r) {
    const double sgnDY = Sgn(r.DY);
    if (std::abs(r.phi2) <= r.Pi / 2) {
        r.SgnS = 1;
        r.Alfa = sgnDY * r.phi2 - r.Beta;
        normalAndLever(r);
        if (!inContact(r)) return;
        r.Def1 = r.R12 - r.Hn;
        r.Gamma = std::abs(r.phi2);
        const double s = std::sin(r.Gamma), c = std::cos(r.Gamma);
        r.VRa = -sgnDY * r.Lp * r.w2;
        r.VRb = (r.VY1 - r.VY2) * sgnDY * s + (r.VX1 - r.VX2) * c;
    } else if (r.phi2 <= r.Pi / 2) {
        r.SgnS = -1;
        if (-r.Pi <= r.phi2) {
            r.Alfa = r.Pi + r.phi2 + r.Beta;
            normalAndLever(r);
            if (!inContact(r)) return;
            r.Def1 = r.R12 - r.Hn;
            r.Gamma = r.Pi + r.phi2;
            const double s = std::sin(r.Gamma), c = std::cos(r.Gamma);
            r.VRa = -r.Lp * r.w2;
            r.VRb = -(r.VY1 - r.VY2) * s - (r.VX1 - r.VX2) * c;
        } else {
            r.Alfa = r.Beta + r.phi2 + r.Pi;
            normalAndLever(r);
            if (!inContact(r)) return;
            r.Def1 = r.R12 - r.Hn;
            r.Gamma = -r.Pi - r.phi2;
            const double s = std::sin(r.Gamma), c = std::cos(r.Gamma);
            r.VRa = -r.Lp * r.w2;
            r.VRb = (r.VY1 - r.VY2) * s - (r.VX1 - r.VX2) * c;
        }
    } else {
        r.SgnS = -1;
        if (r.phi2 <= r.Pi) {
            r.Alfa = r.Pi - r.phi2 + r.Beta;
            normalAndLever(r);
            if (!inContact(r)) return;
            r.Def1 = r.R12 - r.Hn;
            r.Gamma = r.Pi - r.phi2;
            const double s = std::sin(r.Gamma), c = std::cos(r.Gamma);
            r.VRa = r.Lp * r.w2;
            r.VRb = (r.VY1 - r.VY2) * s - (r.VX1 - r.VX2) * c;
        } else {
            r.Alfa = r.Beta - r.phi2 + r.Pi;
            normalAndLever(r);
            if (!inContact(r)) return;
            r.Def1 = r.R12 - r.Hn;
            r.Gamma = r.phi2 - r.Pi;
            const double s = std::sin(r.Gamma), c = std::cos(r.Gamma);
            r.VRa = r.Lp * r.w2;
            r.VRb = -(r.VY1 - r.VY2) * s - (r.VX1 - r.VX2) * c;
        }
    }
}

} // namespace

void Diffur2(ModelRecord& r) {
    RefreshCentreMirrors(r);
    r.phi2 = r.Z[6];
    r.w2 = r.Z[12];
    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.LR = std::sqrt(r.DX * r.DX + r.DY * r.DY);

    r.Beta = -r.Pi / 2;
    r.SgnS = 1;
    r.Def1 = 0;
    r.VRb = 0;
    r.VRa = 0;
    lineOfCentresDirection(r);
    rodContact(r);

    // Spring and damper of the ball; the rigid rod adds nothing. A contact never pulls.
    r.VR1 = r.VRb + r.VRa;
    r.Fj1 = r.Kj1 * r.VR1;
    r.F1 = r.C1 * r.Def1 + r.Fj1;
    if (r.F1 < 0) r.F1 = 0;
    r.FcFj = r.F1;
    r.F = r.FcFj;

    // The force acts along the rod normal (cos phi2, sin phi2): +F on the rod, -F on the ball.
    r.FX = std::cos(r.phi2) * r.F;
    r.FY = std::sin(r.phi2) * r.F;

    for (int k = 1; k <= 6; ++k) r.DZ[k] = r.Z[k + 6];
    r.DZ[7] = -r.FX / r.m1;
    r.DZ[8] = r.FX / r.m2;
    r.DZ[9] = -r.FY / r.m1;
    r.DZ[10] = r.FY / r.m2;
    // The ball is not made to spin; the rod turns about its centre under the moment F*Lp.
    r.DZ[11] = 0;
    r.DZ[12] = Sgn(r.DY) * r.SgnS * r.F * r.Lp / r.J2;
}

void BallRodStepUpdate(ModelRecord& r) {
    r.Ej = r.VR1 * (r.Kj1 * r.VR1) * r.h + r.Ej;
    r.Em = 0;
    r.Eq = 0;
    r.Es = 0;
    r.Fm = 0;
    r.Fq = 0;
    r.Fs = 0;
}

} // namespace kvor
