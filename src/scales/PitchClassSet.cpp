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

}  // namespace orvel
