#pragma once

// The inputs of an experiment as the reference model takes them: the SI values made of the
// typed texts of the boxes, read here with the C library's own conversion, not the program's.

#include "output/form.h"
#include "reference_model.h"

namespace kvor::test {

// A typed number, with either decimal separator.
double TypedNumber(const Form& form, TextBox box);

// Reads every input of a start into `s`: the mantissas times 10 to the power of their row's
// exponent (a whole number, ties to even), the plain values, the rod angle when Check11 is
// ticked (degrees times 3.14 / 180), and the check boxes "+Fm" and "Лоренц".
void ReadReferenceInputs(const Form& form, ref::State& s);

} // namespace kvor::test
