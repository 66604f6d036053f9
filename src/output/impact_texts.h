#pragma once

#include "core/impact_meter.h"

#include <array>
#include <string>

namespace kvor {

// The figures of an impact as every list of them writes them: begin and end (s), e_n, e_t, the
// normal impulse (N*s) and the kinetic energy lost (J), each in the number text, "-" where it is
// not defined: e_t of a head-on impact, and the end and both e of a contact still under way.
using ImpactTexts = std::array<std::string, 6>;
ImpactTexts ImpactFigures(const Impact& impact, char decimalSeparator);

} // namespace kvor
