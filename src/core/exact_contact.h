#pragma once

#include "model_record.h"

namespace kvor {

// The exact contact law ("Расчёт" → "Точная модель контакта"). The default law commits the
// deformations of two balls once a step and clamps the force inside a stage, so that a step that
// holds the first touch or the parting sees a force that jumps or kinks in its middle, and the
// error of an impact falls only at first or second order in h. Here:
//  - a step is split at every instant where the law changes: where a contact begins (the overlap
//    or the penetration crosses 0) and where its force reaches 0 (the contact ends, or, on the
//    rod, the force takes hold again). Each instant is found to round-off by the Illinois method
//    on the piece before it, and each piece is an ordinary Runge-Kutta step of its own length with
//    its stages evaluated afresh, so that no stage straddles an instant;
//  - two balls follow the continuous law of two Kelvin-Voigt bodies in series (Diffur1), the
//    share Def1 integrated with the motion. Its relaxation is stiff (the time constant
//    (Kj1 + Kj2)/(C1 + C2) is far below h for light damping), so over each stage it is advanced
//    exactly with an integrating factor;
//  - a contact begins with both deformations at 0 and ends where its force reaches 0, the
//    deformations taken as recovered.
// The steps keep their grid: the step still goes from T to T + h.
template <typename Number> void ExactContactStep(BasicModelRecord<Number>& r, bool plusFm);

} // namespace kvor
