#pragma once

#include "model_record.h"

namespace kvor {

// Display angles are degrees truncated (not rounded) to three decimals, converted with the
// literal 3.14159 for pi so that they agree with every angle shown so far.

// Angle of a velocity to the x axis, 0 to 90 degrees, without sign or quadrant; 0 for vx = 0.
double VelocityAngleDegrees(double vx, double vy);

// An angle in radians as degrees.
double AngleDegrees(double radians);

// Ugol1, Ugol2 from the velocity mirrors and AlfaDeg from Alfa.
void UpdateDisplayAngles(ModelRecord& r);

} // namespace kvor
