#pragma once

// Bridges between the engine's model record and the reference model of the tests: a copy of
// every quantity from one to the other, and a bit-for-bit comparison that names what differs.

#include "core/model_record.h"
#include "reference_model.h"

#include <string>

namespace kvor::test {

// Every quantity, vector and counter of the record, and the two check boxes the arithmetic reads.
ref::State ReferenceFrom(const ModelRecord& r, bool plusFm = false, bool lorentz = false);

// Puts the quantities of a reference state into a record (counters and flags included).
void StoreInto(const ref::State& s, ModelRecord& r);

// "" when every quantity, vector element and counter agrees to the bit, else one line per
// difference: the name and both values.
std::string Differences(const ModelRecord& r, const ref::State& s);

} // namespace kvor::test
