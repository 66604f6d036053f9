#pragma once

#include "model_record.h"

namespace kvor {

// Kinetic energy of translation E0 and magnitude of the total momentum KD0 at the start of an
// experiment (or a reversal), from the current masses, speeds and velocity mirrors. The bodies
// do not rotate at the start, so there is no rotational term.
void StartEnergy(ModelRecord& r);
void StartMomentum(ModelRecord& r);

// Work of gravity and of the Coulomb force over the step, from the change of the distance of the
// centres since the previous step: Em falls and Eq rises when the force does negative work on
// the kinetic energy. Ball-ball steps only.
template <typename Number> void PotentialEnergyTerms(BasicModelRecord<Number>& r);

// Ev, Ew, E and KD with the current masses and state, at a screen update.
void KineticEnergyAndMomentum(ModelRecord& r);

// E - E0 + Ej + Es + Em + Eq, summed in that order: zero for an exact solution without
// relativistic masses, outside contacts.
double EnergyBalance(const ModelRecord& r);

// The relativistic masses m = m0/sqrt(1 - V^2/c^2) of both bodies from their speeds V1, V2.
// Fails for a speed at or above Vsv.
template <typename Number> void RelativisticMasses(BasicModelRecord<Number>& r);

// The moments of inertia of two solid balls, J = 2 m R^2/5, with the current masses and the free
// radii.
template <typename Number> void BallInertia(BasicModelRecord<Number>& r);

} // namespace kvor
