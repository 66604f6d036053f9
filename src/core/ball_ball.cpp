#include "ball_ball.h"

#include "math_functions.h"

#include <cmath>

namespace kvor {

namespace {

// Angle of the line of centres to the x axis, between 0 and pi/2; the quadrant stays in the
// signs of DX and DY. Balls nearly on one vertical would give a meaningless angle from a tiny
// DX, so DX below 1/10000 of a diameter is replaced by 0.0001 m of the same sign. With DX = 0
// the angle of the previous call stands.
template <typename Number> void lineOfCentresAngle(BasicModelRecord<Number>& r) {
    if (r.DX != 0) {
        if (0.0001 * r.D1 > std::abs(r.DX)) r.DX = Sgn(r.DX) * 0.0001;
        r.Alfa = std::atan(std::abs(r.DY / r.DX));
    }
}

// Each ball is a spring with a parallel damper; the two are in series at the contact spot. The
// overlap increment since the last contact step is shared (Kd1, Kd2) so that both balls push
// with the same force: C1*(Def1Prev + DDef1) + Kj1*DDef1/h = C2*(Def2Prev + DDef2) + Kj2*DDef2/h
// with DDef1 + DDef2 = LRc - LR. The first stage of a step keeps the deformations and rates of
// the last stage before it; the later stages take rates over h/2, h/2 and h.
template <typename Number> void contactForce(BasicModelRecord<Number>& r) {
    if (r.LR != r.LRc) {
        r.Kd1 = ((r.LRc - r.LR) * r.CK2 + r.C2 * r.Def2Prev - r.C1 * r.Def1Prev) / (r.LRc - r.LR) /
                (r.CK1 + r.CK2);
        r.Kd2 = 1 - r.Kd1;
    }
    if (!(0.1 * r.h + r.T > r.Ts)) {
        r.DDef1 = (r.LRc - r.LR) * r.Kd1;
        r.DDef2 = (r.LRc - r.LR) * r.Kd2;
        r.Def1 = r.Def1Prev + r.DDef1;
        r.Def2 = r.Def2Prev + r.DDef2;
        r.VR1 = r.DDef1 / (r.Ts - r.T);
        r.VR2 = r.DDef2 / (r.Ts - r.T);
    }
    // A contact pushes, it never pulls: a damper that would pull while the balls straighten
    // out leaves a force of zero.
    r.F1 = r.C1 * r.Def1 + r.Kj1 * r.VR1;
    if (r.F1 < 0) r.F1 = 0;
    r.F2 = r.C2 * r.Def2 + r.Kj2 * r.VR2;
    if (r.F2 < 0) r.F2 = 0;
    r.FcFj = (r.F1 + r.F2) / 2;
}

// The continuous law of two balls, each a spring with a parallel damper, in series:
//   F = C1 Def1 + Kj1 dDef1/dt = C2 Def2 + Kj2 dDef2/dt,  Def1 + Def2 = overlap.
// Eliminating Def2 gives the rate of the share, dDef1/dt = Drive1 - Relax1 Def1, with
// Drive1 = (C2 overlap + Kj2 d(overlap)/dt)/(Kj1 + Kj2), and the force in terms of Def1:
//   F = ((C1 Kj2 - Kj1 C2) Def1 + Kj1 C2 overlap + Kj1 Kj2 d(overlap)/dt)/(Kj1 + Kj2).
// When Kj1/C1 = Kj2/C2 the pair is one spring C1 C2/(C1 + C2) and one dashpot Kj1 Kj2/(Kj1 + Kj2)
// and Def1 drops out. Without dampers the share is the static one. The share of the stage is
// Def1Base + Def1Gain Drive1, from the integrating factor over the stage (exact_contact.cpp): the
// drive depends on the motion alone, so the share can follow the drive of its own stage however
// fast it relaxes. The force is not clamped here: the step ends the contact where it reaches 0.
template <typename Number> void exactContactForce(BasicModelRecord<Number>& r, double separating) {
    if (r.ContactIn != 1) {
        r.Def1 = 0;
        r.Def2 = 0;
        r.VR1 = 0;
        r.VR2 = 0;
        r.F1 = 0;
        r.F2 = 0;
        return;
    }
    const double overlap = r.R12 - r.LR;
    const double closing = -separating;
    const double dampers = r.Kj1 + r.Kj2;
    double force;
    if (dampers > 0) {
        r.Drive1 = (r.C2 * overlap + r.Kj2 * closing) / dampers;
        r.Def1 = r.Def1Base + r.Def1Gain * r.Drive1;
        r.VR1 = r.Drive1 - r.Relax1 * r.Def1;
        force = ((r.C1 * r.Kj2 - r.Kj1 * r.C2) * r.Def1 + r.Kj1 * r.C2 * overlap + r.Kj1 * r.Kj2 * closing) /
                dampers;
    } else {
        r.Def1 = r.C2 * overlap / (r.C1 + r.C2);
        r.VR1 = r.C2 * closing / (r.C1 + r.C2);
        force = r.C1 * r.Def1;
    }
    r.Def2 = overlap - r.Def1;
    r.VR2 = closing - r.VR1;
    r.F1 = force;
    r.F2 = force;
    r.FcFj = force;
}

} // namespace

template <typename Number> void Diffur1(BasicModelRecord<Number>& r, bool plusFm, bool exact) {
    RefreshCentreMirrors(r);
    r.DX = r.X2 - r.X1;
    r.DY = r.Y2 - r.Y1;
    r.LR = std::sqrt(r.DX * r.DX + r.DY * r.DY);
    // How fast the distance of the centres grows at this stage.
    const double separating = (r.DX * (r.VX2 - r.VX1) + r.DY * (r.VY2 - r.VY1)) / r.LR;

    // Central forces that act at a distance: gravity attracts, like charges repel.
    r.FcFj = 0;
    r.Fm = 0;
    if (plusFm) r.Fm = r.m1 * r.m2 * r.G / r.LR / r.LR;
    r.Fq = r.Kq * r.q1 * r.q2 / r.LR / r.LR;

    lineOfCentresAngle(r);
    if (exact)
        exactContactForce(r, separating);
    else if (r.LR <= r.R12)
        contactForce(r);

    // The total central force pushes the balls apart when positive: +F on body 2, -F on body 1.
    r.F = r.FcFj - r.Fm + r.Fq;
    r.FX = std::cos(r.Alfa) * r.F;
    if (r.DX < 0) r.FX = -r.FX;
    r.FY = std::sin(r.Alfa) * r.F;
    if (r.DY < 0) r.FY = -r.FY;
    // The exact law: dry friction from the normal force of this stage.
    if (exact) {
        r.Fs = r.Mus * r.F;
        r.Fsx = r.Musx * r.F;
        r.Fsy = r.Musy * r.F;
    }

    // The power of each force on the motion at this stage. A central force F that pushes the
    // balls apart delivers F times the rate at which the distance of the centres grows (gravity
    // pulls, so its power is -Fm times that rate); dry friction, +Fs on body 1 and -Fs on body 2
    // across the line of centres, works on the centres' relative velocity and, through its
    // moments Fs SgnS R, on both spins.
    r.Pm = -r.Fm * separating;
    r.Pq = r.Fq * separating;
    r.Pc = r.FcFj * separating;
    r.Ps =
        r.Fsx * (r.VX1 - r.VX2) + r.Fsy * (r.VY1 - r.VY2) + r.Fs * r.SgnS * (r.R1 * r.Z[11] + r.R2 * r.Z[12]);

    for (int k = 1; k <= 6; ++k) r.DZ[k] = r.Z[k + 6];
    // Newton's second law for both centres; dry friction acts on body 1 with +Fsx, +Fsy.
    r.DZ[7] = (r.Fsx - r.FX) / r.m1;
    r.DZ[8] = (r.FX - r.Fsx) / r.m2;
    r.DZ[9] = (r.Fsy - r.FY) / r.m1;
    r.DZ[10] = (r.FY - r.Fsy) / r.m2;
    // The friction force at the surface spins both balls.
    r.DZ[11] = r.Fs * r.SgnS * r.R1 / r.J1;
    r.DZ[12] = r.Fs * r.SgnS * r.R2 / r.J2;
}

namespace {

// Tangential velocity of the centres relative to each other and the direction in which the
// surfaces slip, by the quadrant in which body 2 lies as seen from body 1.
template <typename Number> void tangentialVelocity(BasicModelRecord<Number>& r) {
    r.Vt1 = (r.VY2 - r.VY1) * std::cos(r.Alfa);
    r.Vt2 = (r.VX2 - r.VX1) * std::sin(r.Alfa);
    if (r.Y1 <= r.Y2) {
        if (r.X2 <= r.X1) {
            r.SgnS = Sgn(r.VY1 - r.VY2 + r.VX1 - r.VX2);
            r.Vt = r.Vt1 + r.Vt2;
        } else {
            r.SgnS = Sgn(r.VY2 - r.VY1 + r.VX1 - r.VX2);
            r.Vt = r.Vt1 - r.Vt2;
        }
    } else {
        if (r.X2 <= r.X1) {
            r.SgnS = Sgn(r.VY1 - r.VY2 + r.VX2 - r.VX1);
            r.Vt = r.Vt1 - r.Vt2;
        } else {
            r.SgnS = Sgn(r.VY2 - r.VY1 + r.VX2 - r.VX1);
            r.Vt = r.Vt1 + r.Vt2;
        }
    }
}

// Coulomb friction F*Ks against the slip of the surfaces (the centres' tangential velocity less
// the surface speeds of both spinning balls). It only acts once 0.0001 m of slip in one
// direction has accumulated: below that the surfaces stick.
template <typename Number> void dryFriction(BasicModelRecord<Number>& r) {
    r.Vw1 = r.R1 * r.w1;
    r.Vw2 = r.R2 * r.w2;
    r.Vs = std::abs(r.Vt) - r.SgnS * r.Vw1 - r.SgnS * r.Vw2;
    r.Fs = r.F * r.Ks * Sgn(r.Vs);
    if (Sgn(r.Vs) == Sgn(r.VsPrev))
        r.Ss = r.Vs * r.h + r.Ss;
    else
        r.Ss = 0;
    if (std::abs(r.Ss) < 0.0001) r.Fs = 0;
    // The friction force lies across the line of centres, in the sense in which that line turns.
    r.DAlfa = r.AlfaPrev - r.Alfa;
    r.Fsx = std::sin(r.Alfa) * r.Fs * Sgn(r.X2 - r.X1) * Sgn(r.DAlfa);
    r.Fsy = std::cos(r.Alfa) * r.Fs * Sgn(r.Y1 - r.Y2) * Sgn(r.DAlfa);
}

} // namespace

template <typename Number> void BallBallContactUpdate(BasicModelRecord<Number>& r) {
    r.Fs = 0;
    r.Fsx = 0;
    r.Fsy = 0;
    if (r.LR > r.R12) return;

    tangentialVelocity(r);
    dryFriction(r);

    // Commit the deformations reached: they are the reference of the next contact step.
    r.R1 = r.R10 - r.Def1;
    r.R2 = r.R20 - r.Def2;
    r.VsPrev = r.Vs;
    r.Def1Prev = r.Def1;
    r.Def2Prev = r.Def2;
    r.LRc = r.LR;
}

template <typename Number> void BallBallExactContactUpdate(BasicModelRecord<Number>& r) {
    r.Mus = 0;
    r.Musx = 0;
    r.Musy = 0;
    if (r.ContactIn != 1) {
        r.Fs = 0;
        r.Fsx = 0;
        r.Fsy = 0;
        return;
    }
    tangentialVelocity(r);
    dryFriction(r);
    // Friction per newton of the normal force, in the directions the contact update found.
    if (!(std::abs(r.Ss) < 0.0001)) r.Mus = r.Ks * Sgn(r.Vs);
    r.Musx = std::sin(r.Alfa) * r.Mus * Sgn(r.X2 - r.X1) * Sgn(r.DAlfa);
    r.Musy = std::cos(r.Alfa) * r.Mus * Sgn(r.Y1 - r.Y2) * Sgn(r.DAlfa);
    r.R1 = r.R10 - r.Def1;
    r.R2 = r.R20 - r.Def2;
    r.VsPrev = r.Vs;
}

// The program's checked record, and plain doubles.
template void Diffur1(BasicModelRecord<real>&, bool, bool);
template void BallBallContactUpdate(BasicModelRecord<real>&);
template void BallBallExactContactUpdate(BasicModelRecord<real>&);
template void Diffur1(BasicModelRecord<double>&, bool, bool);
template void BallBallContactUpdate(BasicModelRecord<double>&);
template void BallBallExactContactUpdate(BasicModelRecord<double>&);

} // namespace kvor
