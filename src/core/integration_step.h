#pragma once

#include "fp_exceptions.h"
#include "model_record.h"

#include <cmath>

namespace kvor {

// The physics of one step of a run, from the state at T to the state at T + h. Everything here
// works on the program's record of `real` and on plain doubles alike, with the same arithmetic in
// the same order: a stretch of steps in plain doubles ends, bit for bit, where the checked steps
// would have ended.

// The Runge-Kutta step and the update of the variant after it: the contact update of two balls,
// or the ball-rod step update. `plusFm` adds gravity to the central forces ("+Fm"); `exact` takes
// the exact contact law, its steps split at the instants where the law changes (exact_contact.h).
template <typename Number> void IntegrateStep(BasicModelRecord<Number>& r, bool plusFm, bool exact = false);

// Two balls only, after IntegrateStep: the masses grown with the new speeds when `lorentz`
// ("Лоренц"), the work of the central forces over the step, and the angle and distance of the
// line of centres kept for the next step.
template <typename Number> void MassesAndPotentials(BasicModelRecord<Number>& r, bool lorentz);

// More points than this and the track store is full.
constexpr Long kMaxTrackPoints = 2220;

// The stretches of a step whose faults the user is told apart: the integration, the masses and
// work of the central forces of two balls (where a speed at or above light's shows), and the
// display that follows a screen update.
enum class Stretch { Equations, LightSpeed, Display };

// How a step ends: the next step follows, the screen update is due, or the step stopped short of
// being counted because the track store is full or the question about Eq has to be asked first.
enum class StepEnd { NextStep, ScreenUpdate, TrackFull, EqQuestion };

// The check boxes a step reads, and the contact law of the run.
struct StepOptions {
    bool plusFm = false;       // "+Fm"
    bool lorentz = false;      // "Лоренц"
    bool exactContact = false; // "Расчёт" → "Точная модель контакта"
};

// The stretches of the program's steps: each one piece of checked arithmetic, with the one that
// runs noted for the message of a fault.
struct CheckedStretches {
    Stretch& current;
    template <typename Work> void operator()(Stretch stretch, Work&& work) const {
        current = stretch;
        fp::Checked(work);
    }
};

// The stretches of plain steps: nothing checked on the way; the caller looks at the processor's
// flags once at the end.
struct PlainStretches {
    Stretch current = Stretch::Equations;
    template <typename Work> void operator()(Stretch stretch, Work&& work) {
        current = stretch;
        work();
    }
};

// Two like charges that fly apart have given back all the potential energy they started with
// once |Fq| has fallen to |Fq0| and Eq still grows: the user is asked whether to go on. After one
// Yes the question does not come again until the next start or reversal.
template <typename Number> bool EqQuestionDue(const BasicModelRecord<Number>& r) {
    if (r.EqAnswer == kAnswerYes || r.q1 == 0 || r.q2 == 0) return false;
    return std::abs(r.Fq0) >= std::abs(r.Fq) && std::abs(r.EqPrev) <= std::abs(r.EqStep);
}

// The end of a step whose physics is done: the track store's capacity and the question about Eq
// are looked at, then the step is counted. A step that stopped at the question is finished by
// calling this again once the answer is Yes. A counter at the end of its range fails here.
template <typename Number> StepEnd FinishStep(BasicModelRecord<Number>& r) {
    if (r.NT > kMaxTrackPoints) return StepEnd::TrackFull;
    if (r.BallRod != 1 && EqQuestionDue(r)) return StepEnd::EqQuestion;
    Increment(r.StepCount);
    r.T = r.T + r.h;
    Increment(r.FileStepCount);
    r.EqPrev = r.EqStep;
    if (r.StepContact) r.ContactSinceRow = 1;
    return r.StepCount < r.NC0 ? StepEnd::NextStep : StepEnd::ScreenUpdate;
}

// One step of a run, the scales read before it: the integration, for two balls the masses and
// potentials, then FinishStep. `stretches` runs each stretch of the physics (CheckedStretches or
// PlainStretches).
template <typename Number, typename Stretches>
StepEnd AdvanceStep(BasicModelRecord<Number>& r, StepOptions options, Stretches&& stretches) {
    stretches(Stretch::Equations, [&] { IntegrateStep(r, options.plusFm, options.exactContact); });
    if (r.BallRod != 1) stretches(Stretch::LightSpeed, [&] { MassesAndPotentials(r, options.lorentz); });
    return FinishStep(r);
}

} // namespace kvor
