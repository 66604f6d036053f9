#include "impact_meter.h"

#include "ball_rod.h"

#include <cmath>

namespace kvor {

namespace {

// The normal and the relative velocity of the points of contact in the state z. The point of a
// body lies at r from its centre and moves with v + w x r; in the plane w x r = w (-ry, rx).
// A ball's point lies on the normal, at its free radius; the rod's is where the ball touches it.
struct ContactVelocity {
    double nx, ny; // the normal there, from body 1 towards body 2
    double vx, vy; // the point of body 2 relative to the point of body 1, m/s
};

template <typename Number>
ContactVelocity contactVelocity(const BasicModelRecord<Number>& r, const BasicStateVector<double>& z) {
    double nx, ny, r2x, r2y;
    if (r.BallRod == 1) {
        const RodTouchPoint touch = RodTouchAt(r, z);
        nx = touch.nx;
        ny = touch.ny;
        r2x = touch.x;
        r2y = touch.y;
    } else {
        const double dx = z[2] - z[1], dy = z[4] - z[3];
        const double distance = std::sqrt(dx * dx + dy * dy);
        nx = dx / distance;
        ny = dy / distance;
        r2x = -r.R20 * nx;
        r2y = -r.R20 * ny;
    }
    const double r1x = r.R10 * nx, r1y = r.R10 * ny;
    const double vx = (z[8] - z[12] * r2y) - (z[7] - z[11] * r1y);
    const double vy = (z[10] + z[12] * r2x) - (z[9] + z[11] * r1x);
    return {nx, ny, vx, vy};
}

// The kinetic energy of translation and rotation of both bodies in the state z.
template <typename Number>
double kineticEnergy(const BasicModelRecord<Number>& r, const BasicStateVector<double>& z) {
    const double v1 = z[7] * z[7] + z[9] * z[9], v2 = z[8] * z[8] + z[10] * z[10];
    return (r.m1 * v1 + r.m2 * v2 + r.J1 * z[11] * z[11] + r.J2 * z[12] * z[12]) / 2;
}

} // namespace

void ImpactMeter::Start(const ModelRecord& r) {
    inContact_ = false;
    lastT_ = r.T;
    for (int i = 1; i <= kStateSize; ++i) last_[i] = r.Z[i];
}

// The contact began in this step: the state before it is the one the step started from.
template <typename Number> void ImpactMeter::Begin(const BasicModelRecord<Number>& r) {
    const ContactVelocity c = contactVelocity(r, last_);
    inContact_ = true;
    T0_ = lastT_;
    vn0_ = c.vx * c.nx + c.vy * c.ny;
    vt0_ = -c.vx * c.ny + c.vy * c.nx;
    E0_ = kineticEnergy(r, last_);
    impulse_ = 0;
}

// The contact as it stands in the state z, where its last step ended; the velocities of the
// points of contact there resolved along the normal there. The bodies turn about each other
// while they touch, by 60 degrees in the oblique impact of the worked example, so the normal of
// the begin would take part of the normal velocity after for a tangential one: the example's
// elastic impact would show e_n = -0.2 and e_t = 1.56 instead of 1 and 1.
template <typename Number>
Impact ImpactMeter::End(const BasicModelRecord<Number>& r, const BasicStateVector<double>& z, bool finished) {
    Impact impact{T0_, lastT_, finished, {}, {}, impulse_, E0_ - kineticEnergy(r, z)};
    inContact_ = false;
    if (!finished) return impact;
    const ContactVelocity c = contactVelocity(r, z);
    const double vn = c.vx * c.nx + c.vy * c.ny;
    const double vt = -c.vx * c.ny + c.vy * c.nx;
    if (vn0_ != 0) impact.en = -vn / vn0_;
    // A head-on impact has no tangential velocity to compare, only rounding.
    if (vt0_ != 0 && std::abs(vt0_) >= 1e-9 * std::abs(vn0_)) impact.et = vt / vt0_;
    return impact;
}

Impact ImpactMeter::SoFar(const ModelRecord& r) const {
    ImpactMeter copy = *this;
    BasicStateVector<double> now{};
    for (int i = 1; i <= kStateSize; ++i) now[i] = r.Z[i];
    return copy.End(r, now, false);
}

// The program's checked record, and plain doubles.
template void ImpactMeter::Begin(const BasicModelRecord<real>&);
template void ImpactMeter::Begin(const BasicModelRecord<double>&);
template Impact ImpactMeter::End(const BasicModelRecord<real>&, const BasicStateVector<double>&, bool);
template Impact ImpactMeter::End(const BasicModelRecord<double>&, const BasicStateVector<double>&, bool);

} // namespace kvor
