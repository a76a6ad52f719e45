// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "scales/PitchClassSet.h"

namespace orvel {

// The set rotated left by n positions within 12 bits: each step moves every
// bit one place up and bit 11 round to bit 0, so position p becomes position
// (p - n) mod 12. A count of 0 or less returns the set unchanged; twelve
// steps give it back. Only sets in 0 to 4095 are passed.
PitchClassSet Rotate12(PitchClassSet value, std::int64_t n);

}  // namespace orvel
