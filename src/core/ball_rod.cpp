#include "ball_rod.h"

#include <cmath>

namespace kvor {

namespace {

// The rod's own frame: the unit vector a = (-sin phi2, cos phi2) along its axis, which points up
// while the rod stands upright, and the unit normal n = (cos phi2, sin phi2) across it. A vector
// is written (along, across) in this frame.
struct RodFrame {
    double S, C; // sin phi2, cos phi2

    double along(double x, double y) const { return -x * S + y * C; }
    double across(double x, double y) const { return x * C + y * S; }
    double x(double along, double across) const { return -along * S + across * C; }
    double y(double along, double across) const { return along * C + across * S; }
};

// Which side of the rod's centre a coordinate of the rod's frame lies on; a ball exactly on the
// axis or on the middle line is taken to be on the positive side.
double side(double coordinate) {
    return coordinate < 0 ? -1.0 : 1.0;
}

// Where the ball touches the rectangle: the nearest point of the rod to the ball's centre, (qa, qn)
// from the rod's centre, and the unit normal (ua, un) there, pointing from the rod to the ball.
struct Touch {
    double qa, qn;
    double ua, un;
};

// The rod is the rectangle it is drawn as: half-length L2/2 along the axis, half-width R20 across
// it. The ball's centre (s, t) lies beyond the end faces by ex and beyond the side faces by ey
// (negative inside). Outside the rectangle the nearest point is on a side face, an end face or at
// a corner, and the penetration is the ball's radius less the distance to it; with its centre
// inside, the ball is pushed out through the nearest face, by its radius plus the depth. Either
// way the penetration grows from 0 as a contact begins and is the same where two cases meet.
template <typename Number> Touch nearestPoint(BasicModelRecord<Number>& r, double s, double t) {
    const double halfLength = r.L2 / 2;
    const double ex = std::abs(s) - halfLength;
    const double ey = r.Hn - r.R20;
    const double ss = side(s), st = side(t);
    if (ex <= 0 && ey >= ex) {
        // A side face: the distance from the axis decides, as for an endless rod.
        r.Def1 = r.R12 - r.Hn;
        return {s, st * r.R20, 0, st};
    }
    if (ey <= 0) {
        // An end face.
        r.Def1 = halfLength + r.R10 - std::abs(s);
        return {ss * halfLength, t, ss, 0};
    }
    // A corner: the force acts along the line from the corner to the ball's centre.
    const double distance = std::sqrt(ex * ex + ey * ey);
    r.Def1 = r.R10 - distance;
    return {ss * halfLength, st * r.R20, ss * ex / distance, st * ey / distance};
}

} // namespace

template <typename Number> void Diffur2(BasicModelRecord<Number>& r, bool exact) {
    RefreshCentreMirrors(r);
    r.phi2 = r.Z[6];
    r.w2 = r.Z[12];
    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.LR = std::sqrt(r.DX * r.DX + r.DY * r.DY);

    // The ball's centre seen from the rod's centre: s along the axis, t across it. Hn is its
    // distance from the axis, Alfa the angle between the line of centres and the axis.
    const RodFrame rod{std::sin(r.phi2), std::cos(r.phi2)};
    const double s = rod.along(-r.DX, -r.DY);
    const double t = rod.across(-r.DX, -r.DY);
    r.Hn = std::abs(t);
    r.Alfa = std::atan2(r.Hn, std::abs(s));

    const Touch touch = nearestPoint(r, s, t);
    // The lever arm of the force -F u on the rod about its centre: the moment is F Lp.
    r.Lp = touch.qa * touch.un - touch.qn * touch.ua;
    const double ux = rod.x(touch.ua, touch.un), uy = rod.y(touch.ua, touch.un);

    r.VRb = 0;
    r.VRa = 0;
    if (r.Def1 >= 0 || exact) {
        // The penetration rate: the rod's point of contact (centre velocity plus w2 across the
        // radius to the point) closing in on the ball's centre along the normal.
        r.VRb = ux * (r.VX2 - r.VX1) + uy * (r.VY2 - r.VY1);
        r.VRa = -r.Lp * r.w2;
    } else {
        r.Def1 = 0;
    }

    // Spring and damper of the ball; the rigid rod adds nothing. A contact never pulls.
    r.VR1 = r.VRb + r.VRa;
    r.Fj1 = r.Kj1 * r.VR1;
    r.F1 = r.C1 * r.Def1 + r.Fj1;
    if (exact) {
        r.FcFj = r.ContactIn == 1 ? static_cast<double>(r.F1) : 0.0;
    } else {
        if (r.F1 < 0) r.F1 = 0;
        r.FcFj = r.F1;
    }
    r.F = r.FcFj;

    // The force pushes the bodies apart along the normal: -F u on the rod, +F u on the ball.
    r.FX = -ux * r.F;
    r.FY = -uy * r.F;

    // The contact force works against the penetration: its power on the motion is -F times the
    // rate at which the ball reaches into the rod. No other force acts.
    r.Pm = 0;
    r.Pq = 0;
    r.Pc = -r.F * r.VR1;
    r.Ps = 0;

    for (int k = 1; k <= 6; ++k) r.DZ[k] = r.Z[k + 6];
    r.DZ[7] = -r.FX / r.m1;
    r.DZ[8] = r.FX / r.m2;
    r.DZ[9] = -r.FY / r.m1;
    r.DZ[10] = r.FY / r.m2;
    // The ball is not made to spin; the rod turns about its centre under the moment F Lp.
    r.DZ[11] = 0;
    r.DZ[12] = r.F * r.Lp / r.J2;
}

template <typename Number> void BallRodStepUpdate(BasicModelRecord<Number>& r) {
    r.Em = 0;
    r.Eq = 0;
    r.Es = 0;
    r.Fm = 0;
    r.Fq = 0;
    r.Fs = 0;
}

// The program's checked record, and plain doubles.
template void Diffur2(BasicModelRecord<real>&, bool);
template void BallRodStepUpdate(BasicModelRecord<real>&);
template void Diffur2(BasicModelRecord<double>&, bool);
template void BallRodStepUpdate(BasicModelRecord<double>&);

double RodPenetration(const ModelRecord& r) {
    PlainRecord p = Plain(r);
    p.DX = p.X2 - p.X1;
    p.DY = p.Y2 - p.Y1;
    const RodFrame rod{std::sin(p.phi2), std::cos(p.phi2)};
    const double s = rod.along(-p.DX, -p.DY);
    const double t = rod.across(-p.DX, -p.DY);
    p.Hn = std::abs(t);
    nearestPoint(p, s, t);
    return p.Def1;
}

template <typename Number>
RodTouchPoint RodTouchAt(const BasicModelRecord<Number>& r, const BasicStateVector<double>& z) {
    PlainRecord p;
    p.L2 = r.L2;
    p.R10 = r.R10;
    p.R20 = r.R20;
    p.R12 = r.R12;
    const RodFrame rod{std::sin(z[6]), std::cos(z[6])};
    const double dx = z[2] - z[1], dy = z[4] - z[3];
    const double s = rod.along(-dx, -dy);
    const double t = rod.across(-dx, -dy);
    p.Hn = std::abs(t);
    const Touch touch = nearestPoint(p, s, t);
    // The force pushes the rod along -u: that is the normal from the ball towards the rod.
    return {-rod.x(touch.ua, touch.un), -rod.y(touch.ua, touch.un), rod.x(touch.qa, touch.qn),
            rod.y(touch.qa, touch.qn)};
}

template RodTouchPoint RodTouchAt(const BasicModelRecord<real>&, const BasicStateVector<double>&);
template RodTouchPoint RodTouchAt(const BasicModelRecord<double>&, const BasicStateVector<double>&);

} // namespace kvor
