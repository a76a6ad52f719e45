// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "matching/Rotate12.h"

namespace orvel {
namespace {

TEST(Rotate12, KnownRotations) {
    EXPECT_EQ(Rotate12(2048, 1), 1);
    EXPECT_EQ(Rotate12(1, 1), 2);
    EXPECT_EQ(Rotate12(2192, 4), 2312);
    EXPECT_EQ(Rotate12(2192, 7), 2116);
    EXPECT_EQ(Rotate12(0, 5), 0);
    EXPECT_EQ(Rotate12(2192, 0), 2192);
    EXPECT_EQ(Rotate12(2192, -3), 2192);
}

TEST(Rotate12, EveryStepMovesEachPositionDownByOne) {
    for (PitchClassSet set = 0; set <= kAllPositions; ++set) {
        EXPECT_EQ(Rotate12(4095, set % 30), 4095);
        ASSERT_EQ(Rotate12(set, 12), set);
        ASSERT_EQ(Rotate12(set, 25), Rotate12(set, 1));
        for (int n = 1; n < kPositionCount; ++n) {
            const PitchClassSet rotated = Rotate12(set, n);
            ASSERT_EQ(Rotate12(rotated, 1), Rotate12(set, n + 1));
            for (int p = 0; p < kPositionCount; ++p) {
                ASSERT_EQ(HasPosition(set, p),
                          HasPosition(rotated, (p - n + kPositionCount) % kPositionCount));
            }
        }
    }
}

}  // namespace
}  // namespace orvel
