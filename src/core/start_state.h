#pragma once

#include "model_record.h"

#include <functional>

namespace kvor {

// What a start needs to know of the window: the variant selected and "Лоренц".
struct StartOptions {
    bool ballBall = false; // "1-шар 2-шар"
    bool ballRod = false;  // "1-шар 2-стержень"
    bool lorentz = false;  // "Лоренц"
};

// The points of a start at which the window takes what has been computed so far: it shows the
// masses, E0 and KD0, and the angles as soon as each is known, and stores the start of the track
// before the state vector is laid down. A fault after a point leaves what the window took there
// as it was.
enum class StartStage { Masses, EnergyAndMomentum, Angles, StartPoint };

// Puts the record, with its inputs read, into the start state of a new experiment, calling
// `reached` at each of the stages above.
void StartState(ModelRecord& r, const StartOptions& options, const std::function<void(StartStage)>& reached);

// What a start and a reversal share. The sums of the balance and the contact history begin
// afresh; StepCount, FileStepCount, Ss and AlfaPrev carry over.
void ResetSums(ModelRecord& r);

// The free radii and the contact distance of the undeformed bodies.
void FreeRadii(ModelRecord& r);

// Masses at rest, or grown with the speeds V1, V2 by the Lorentz factor.
void StartMasses(ModelRecord& r, bool lorentz);

// The references of the balance and of the momentum check: E0 and KD0.
void StartEnergyAndMomentum(ModelRecord& r);

// The bodies of a start state are apart, as a contact is measured: two balls farther than R12
// from centre to centre, the ball outside the rod's rectangle (no penetration).
bool BodiesApart(const ModelRecord& r, bool ballRod);

// Where the analytic end impact holds: a rod upright (not turned) and at rest, struck at its end
// by a ball that flies along the x axis from the left, |Y1 - Y2| being half the rod's length.
bool EndImpactHolds(const ModelRecord& r);

// A ball striking the end of a resting vertical rod in an impact of no duration keeps momentum,
// angular momentum about the rod centre and kinetic energy. With P = m1/m2 + m1 L2^2/(4 J2) the
// ball's speed after the impact solves (P+1) v^2 - 2 P V1 v + (P-1) V1^2 = 0: the trivial root V1a
// (no impact) and V1b = V1 (P-1)/(P+1); the rod's speed and spin follow from each.
struct EndImpact {
    real V1a, V1b, V2a, V2b, w2a, w2b;
};
EndImpact EndImpactSolution(const ModelRecord& r);

} // namespace kvor
