#include "exact_contact.h"

#include "runge_kutta.h"

#include <cmath>
#include <utility>

namespace kvor {

namespace {

// phi_k(z) = sum over n of z^n/(n + k)!, the functions of exponential integrators: phi_1(z) =
// (e^z - 1)/z, phi_2(z) = (e^z - 1 - z)/z^2, phi_3(z) = (e^z - 1 - z - z^2/2)/z^3. Near 0 the closed
// forms cancel, so there the series is summed.
double phi(int k, double z) {
    if (std::abs(z) < 0.5) {
        double term = 1, sum = 0;
        for (int n = 1; n <= k; ++n) term /= n;
        for (int n = 0; n < 20; ++n) {
            sum += term;
            term *= z / (n + k + 1);
        }
        return sum;
    }
    const double e = std::exp(z);
    if (k == 1) return (e - 1) / z;
    if (k == 2) return (e - 1 - z) / (z * z);
    return (e - 1 - z - z * z / 2) / (z * z * z);
}

// The integrating factor of the share's relaxation over a piece, z = -Relax1 tau. With the drive
// b known at the start (b1), at a stage and at the end, the share solves
//   Def1(c tau) = e^(c z) Def1(0) + c tau (phi_1(c z) b1 + phi_2(c z) (b(c tau) - b1))
// for a drive that changes linearly, and at the end, with the mean drive bm of the two middle
// stages, e^z Def1(0) + tau (w1 b1 + wm bm + w4 b(tau)) for one that changes quadratically (the
// weights of Cox and Matthews). Without relaxation they are the trapezium and Simpson's rule.
struct ShareFactors {
    double half, whole, p1Half, p2Half, w1, wm, w4;
};

ShareFactors shareFactors(double z) {
    const double p1 = phi(1, z), p2 = phi(2, z), p3 = phi(3, z);
    return {std::exp(z / 2),      std::exp(z),     phi(1, z / 2), phi(2, z / 2),
            p1 - 3 * p2 + 4 * p3, 4 * p2 - 8 * p3, 4 * p3 - p2};
}

// What the step watches: how deep the bodies overlap (two balls: R12 - LR; the rod: the
// penetration, with its sign) and the contact force the law in force gives, unclamped.
struct Watch {
    double depth, force;
};

template <typename Number> Watch watch(const BasicModelRecord<Number>& r) {
    return {r.BallRod == 1 ? static_cast<double>(r.Def1) : r.R12 - r.LR, r.F1};
}

// One Runge-Kutta step of length tau from Z0 and the share share0 at time t0, under the law in
// force (ContactIn). The positions and velocities take the classical stages and weights; the share
// goes with the integrating factor of its relaxation, the drive of each stage its own. Leaves the state at t0
// + tau in Z and Def1, the stages' powers in the sums, and the derivatives evaluated once more at the end;
// returns what the watch saw at the start and at the end.
template <typename Number>
std::pair<Watch, Watch> piece(BasicModelRecord<Number>& r, bool plusFm, double t0, double tau,
                              double share0) {
    constexpr int n = kStateSize;
    const bool share = r.BallBall == 1 && r.ContactIn == 1 && r.Kj1 + r.Kj2 > 0;
    const ShareFactors f = share ? shareFactors(-r.Relax1 * tau) : ShareFactors{};
    for (int i = 1; i <= n; ++i) r.Z[i] = r.Z0[i];
    r.Def1Base = share0;
    r.Def1Gain = 0;

    // k1 = tau f(t0, Z0)
    r.Ts = t0;
    Derivatives(r, plusFm, true);
    const Watch start = watch(r);
    FirstPowers(r);
    const double b1 = r.Drive1;
    for (int i = 1; i <= n; ++i) {
        r.RK1[i] = tau * r.DZ[i];
        r.Z[i] = r.RK1[i] / 2 + r.Z0[i];
    }
    if (share) {
        r.Def1Base = f.half * share0 + tau / 2 * (f.p1Half - f.p2Half) * b1;
        r.Def1Gain = tau / 2 * f.p2Half;
    }
    // k2 = tau f(t0 + tau/2, Z0 + k1/2)
    r.Ts = tau / 2 + t0;
    Derivatives(r, plusFm, true);
    AddPowers(r, 2);
    const double b2 = r.Drive1;
    for (int i = 1; i <= n; ++i) {
        r.RK2[i] = tau * r.DZ[i];
        r.Z[i] = r.RK2[i] / 2 + r.Z0[i];
    }
    // k3 = tau f(t0 + tau/2, Z0 + k2/2)
    Derivatives(r, plusFm, true);
    AddPowers(r, 2);
    const double b3 = r.Drive1;
    for (int i = 1; i <= n; ++i) {
        r.RK3[i] = tau * r.DZ[i];
        r.Z[i] = r.Z0[i] + r.RK3[i];
    }
    if (share) {
        r.Def1Base = f.whole * share0 + tau * (f.w1 * b1 + f.wm * (b2 + b3) / 2);
        r.Def1Gain = tau * f.w4;
    }
    // k4 = tau f(t0 + tau, Z0 + k3)
    r.Ts = t0 + tau;
    Derivatives(r, plusFm, true);
    AddPowers(r, 1);
    for (int i = 1; i <= n; ++i) r.RK4[i] = tau * r.DZ[i];

    // Z = Z0 + (k1 + 2 k2 + 2 k3 + k4)/6; the share follows the drive at the end.
    for (int i = 1; i <= n; ++i) r.Z[i] = (r.RK2[i] * 2 + r.RK1[i] + r.RK3[i] * 2 + r.RK4[i]) / 6 + r.Z0[i];
    Derivatives(r, plusFm, true);
    return {start, watch(r)};
}

// Which instant a piece holds: none, where the bodies come to overlap, or where the force
// reaches 0. In contact the force ending is watched; apart, the overlap beginning, and on the rod
// also a force that takes hold again while the ball is still inside.
enum class Crossing { None, Depth, Force };

template <typename Number> Crossing crossing(const BasicModelRecord<Number>& r, Watch start, Watch end) {
    if (r.ContactIn == 1) return end.force < 0 ? Crossing::Force : Crossing::None;
    if (start.depth <= 0) return end.depth > 0 ? Crossing::Depth : Crossing::None;
    if (r.BallRod == 1 && start.force <= 0 && end.depth > 0 && end.force > 0) return Crossing::Force;
    return Crossing::None;
}

// The length of the piece up to the instant, by the Illinois method: the secant through the two
// ends of the bracket, the value kept at one end halved whenever the other end moves twice, so
// that both close in. The piece up to it ends on the side of the instant where the law in force
// still holds. A value already across at the start (round-off at the instant before) is an
// instant now.
template <typename Number>
double instant(BasicModelRecord<Number>& r, bool plusFm, double t0, double tau, double share0, Crossing c,
               Watch start, Watch end) {
    const auto value = [c](const Watch& w) { return c == Crossing::Depth ? w.depth : w.force; };
    double lo = 0, hi = tau, glo = value(start), ghi = value(end);
    if (glo == 0 || (glo > 0) == (ghi > 0)) return 0;
    int moved = 0; // the end that moved last: -1 lo, +1 hi
    for (int k = 0; k < 60 && hi - lo > 1e-15 * tau; ++k) {
        double t = (lo * ghi - hi * glo) / (ghi - glo);
        if (!(t > lo && t < hi)) t = lo + (hi - lo) / 2;
        const double g = value(piece(r, plusFm, t0, t, share0).second);
        if (g == 0) return t;
        if ((g > 0) == (ghi > 0)) {
            hi = t;
            ghi = g;
            if (moved == 1) glo /= 2;
            moved = 1;
        } else {
            lo = t;
            glo = g;
            if (moved == -1) ghi /= 2;
            moved = -1;
        }
    }
    return lo;
}

// More instants than this in one step and the rest of it goes as one piece.
constexpr int kMaxInstants = 4;

} // namespace

template <typename Number> void ExactContactStep(BasicModelRecord<Number>& r, bool plusFm) {
    constexpr int n = kStateSize;
    r.StepContact = 0;
    r.Ic = 0;
    if (r.BallBall == 1 && r.Kj1 + r.Kj2 > 0) r.Relax1 = (r.C1 + r.C2) / (r.Kj1 + r.Kj2);
    double done = 0; // the part of the step already made, s
    for (int instants = 0;; ++instants) {
        for (int i = 1; i <= n; ++i) r.Z0[i] = r.Z[i];
        const double t0 = r.T + done;
        const double tau = done < r.h ? r.h - done : 0.0;
        const double share0 = r.Def1;
        const auto [start, end] = piece(r, plusFm, t0, tau, share0);
        const Crossing c = instants < kMaxInstants ? crossing(r, start, end) : Crossing::None;
        if (c == Crossing::None) {
            AddWork(r, tau);
            break;
        }
        const double at = instant(r, plusFm, t0, tau, share0, c, start, end);
        if (at > 0) {
            piece(r, plusFm, t0, at, share0);
            AddWork(r, at);
        } else {
            for (int i = 1; i <= n; ++i) r.Z[i] = r.Z0[i];
        }
        done += at;
        // The law changes: a contact begins with both deformations at 0, and one that ends leaves
        // them recovered, so that a later contact begins from 0 again.
        r.ContactIn = r.ContactIn == 1 ? 0 : 1;
        r.Def1 = 0;
    }

    if (r.StepContact == 1) r.Touched = 1;
    RefreshAllMirrors(r);
    r.V1 = std::sqrt(r.VX1 * r.VX1 + r.VY1 * r.VY1);
    r.V2 = std::sqrt(r.VX2 * r.VX2 + r.VY2 * r.VY2);
    // Apart, the rod's ball shows no penetration, rate or force, as in the default law.
    if (r.BallRod == 1 && r.ContactIn != 1) {
        if (r.Def1 < 0) r.Def1 = 0;
        r.VRa = 0;
        r.VRb = 0;
        r.VR1 = 0;
        r.F1 = 0;
    }
}

// The program's checked record, and plain doubles.
template void ExactContactStep(BasicModelRecord<real>&, bool);
template void ExactContactStep(BasicModelRecord<double>&, bool);

} // namespace kvor
