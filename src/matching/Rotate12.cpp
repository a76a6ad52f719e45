// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/Rotate12.h"

namespace orvel {

PitchClassSet Rotate12(PitchClassSet value, std::int64_t n) {
    if (n <= 0) {
        return value;
    }
    // Within 0 to 4095 twelve steps are the identity; a value beyond is
    // brought into range by its first step, hence the extra round.
    const std::int64_t steps = n > kPositionCount ? kPositionCount + n % kPositionCount : n;
    for (std::int64_t step = 0; step < steps; ++step) {
        const PitchClassSet carry = (value & PositionBit(0)) != 0 ? 1 : 0;
        value = (value * 2) % (kAllPositions + 1) + carry;
    }
    return value;
}

}  // namespace orvel
