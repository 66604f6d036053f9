#pragma once

#include "model_record.h"

namespace kvor {

// Kinetic energy of translation E0 and magnitude of the total momentum KD0 at the start of an
// experiment (or a reversal), from the current masses, speeds and velocity mirrors. The bodies
// do not rotate at the start, so there is no rotational term.
void StartEnergy(ModelRecord& r);
void StartMomentum(ModelRecord& r);

// The Coulomb term of the question about Eq, by the rule of one force a step: the force of the
// step's last stage over the change of the distance of the centres since the previous step.
// Ball-ball steps only. The Eq shown is the stages' work (RungeKuttaStep).
template <typename Number> void EqQuestionTerm(BasicModelRecord<Number>& r);

// At a screen update: the deformations of the bodies in contact now, the elastic energy the
// contact stores, Ec (1/2 C Def^2 of each ball in contact, of the ball for the rod), and Ej, all
// that the contact has taken from the motion and not stored: the dampers' work and what a contact
// that may only push loses when a damper would pull. Without dampers Ej is 0, so that the
// integration error of an elastic contact stays in the balance.
void ContactEnergies(ModelRecord& r);

// Ev, Ew, E and KD with the current masses and state, at a screen update.
void KineticEnergyAndMomentum(ModelRecord& r);

// E - E0 + Ej + Es + Em + Eq, summed in that order: zero for an exact solution without
// relativistic masses, outside contacts; during a contact it departs by the stored Ec.
double EnergyBalance(const ModelRecord& r);

// The relativistic masses m = m0/sqrt(1 - V^2/c^2) of both bodies from their speeds V1, V2.
// Fails for a speed at or above Vsv.
template <typename Number> void RelativisticMasses(BasicModelRecord<Number>& r);

// The moments of inertia of two solid balls, J = 2 m R^2/5, with the current masses and the free
// radii.
template <typename Number> void BallInertia(BasicModelRecord<Number>& r);

} // namespace kvor
