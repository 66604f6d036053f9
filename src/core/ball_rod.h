#pragma once

#include "model_record.h"

namespace kvor {

// Derivatives of the ball-rod variant: an elastic, viscous ball against an absolutely rigid rod,
// a rectangle of length L2 and width D2. They touch wherever the ball overlaps the rectangle, at
// its side faces, end faces and corners; the force acts along the line from the rod's nearest
// point to the ball's centre and turns the rod about its centre. Nothing is kept between calls:
// penetration and its rate come from the geometry of each stage.
// With `exact` (exact_contact.h) the penetration keeps its sign and the force is not clamped, so
// that the step can find where either reaches 0; the force acts while ContactIn = 1.
template <typename Number> void Diffur2(BasicModelRecord<Number>& r, bool exact = false);

// Once after each completed ball-rod step: the viscous loss of the ball, and the terms that this
// simplified variant does not have (gravity, charge, dry friction) set to 0.
template <typename Number> void BallRodStepUpdate(BasicModelRecord<Number>& r);

// How deep the ball reaches into the rod where the centres' mirrors and phi2 put them, measured
// as Diffur2 measures it: 0 or less while they are apart. The record is left as it is.
double RodPenetration(const ModelRecord& r);

// Where the ball touches the rod in the state `z`, or would touch it first while they are apart:
// the unit normal (nx, ny) of the face or corner, from the ball towards the rod, and the rod's
// point there (x, y) from the rod's centre.
struct RodTouchPoint {
    double nx, ny;
    double x, y;
};
template <typename Number>
RodTouchPoint RodTouchAt(const BasicModelRecord<Number>& r, const BasicStateVector<double>& z);

} // namespace kvor
