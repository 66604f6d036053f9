#pragma once

#include "model_record.h"

#include <optional>

namespace kvor {

// The figures of one contact of the two bodies. A contact is a run of steps in contact: steps in
// which a contact force acts at some stage. It begins at the start of its first step and ends at
// the end of its last, and the velocities before and after are those of the bodies' points of
// contact there, spins included, resolved along the normal of the contact and across it. The
// normal is the line of centres, or for the rod the normal of the face or corner touched, from
// body 1 towards body 2: before the contact where it began, after it where it ended.
struct Impact {
    double T0 = 0, T1 = 0; // begin and end, s
    // Whether the contact is over; one still going on when the run ended has no restitution.
    bool finished = false;
    // The restitution along the normal, -vn after / vn before, and the ratio of the tangential
    // velocities, vt after / vt before; none where the velocity before is (next to) zero.
    std::optional<double> en, et;
    double impulse = 0; // of the contact force, N*s
    double lost = 0;    // kinetic energy before less after, J
};

// Measures the contacts of a run step by step. It keeps only the contact under way, so a copy is
// cheap: the plain steps of a stretch measure in a copy that counts once the stretch does.
class ImpactMeter {
public:
    // A new start or a reversal from the record's state: whatever contact was under way is
    // forgotten.
    void Start(const ModelRecord& r);

    // After each step whose physics is done (Runge-Kutta step and contact update): the contact
    // begins, goes on, or ends; an impact that ended with the step before this one is returned.
    // The state the step began from is the one the meter kept after the step before: a step
    // split at contact instants begins each piece afresh.
    template <typename Number> std::optional<Impact> AfterStep(const BasicModelRecord<Number>& r) {
        std::optional<Impact> ended;
        if (r.StepContact == 1) {
            if (!inContact_) Begin(r);
            impulse_ += r.Ic;
        } else if (inContact_) {
            ended = End(r, last_, true);
        }
        lastT_ = r.Ts;
        for (int i = 1; i <= kStateSize; ++i) last_[i] = r.Z[i];
        return ended;
    }

    // The contact under way, measured up to the state the record holds now, unfinished.
    bool inContact() const { return inContact_; }
    Impact SoFar(const ModelRecord& r) const;

private:
    template <typename Number> void Begin(const BasicModelRecord<Number>& r);
    template <typename Number>
    Impact End(const BasicModelRecord<Number>& r, const BasicStateVector<double>& z, bool finished);

    bool inContact_ = false;
    double lastT_ = 0;                // the end of the last step measured
    BasicStateVector<double> last_{}; // and the state there
    double T0_ = 0;                   // the begin of the contact under way
    double vn0_ = 0, vt0_ = 0;        // the velocities of the points of contact before it
    double E0_ = 0;                   // the kinetic energy before it
    double impulse_ = 0;              // of the contact force so far
};

} // namespace kvor
