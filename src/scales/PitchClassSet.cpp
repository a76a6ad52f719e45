// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/PitchClassSet.h"

namespace orvel {

std::vector<int> PositionsOf(PitchClassSet set) {
    std::vector<int> positions;
    for (int position = 0; position < kPositionCount; ++position) {
        if (HasPosition(set, position)) {
            positions.push_back(position);
        }
    }
    return positions;
}

PitchClassSet ModeFrom(PitchClassSet set, int start) {
    PitchClassSet mode = 0;
    for (const int position : PositionsOf(set)) {
        mode |= PositionBit((position - start + kPositionCount) % kPositionCount);
    }
    return mode;
}

}  // namespace orvel
