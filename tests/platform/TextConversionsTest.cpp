// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <limits>

#include "platform/TextConversions.h"

namespace orvel {
namespace {

TEST(TextConversions, SplitKeepsEveryPart) {
    EXPECT_EQ(Split("a,,b", ","), (QStringList{"a", "", "b"}));
    EXPECT_EQ(Split("", ","), QStringList{""});
    EXPECT_EQ(Split("A\r\nB\r\n", "\r\n"), (QStringList{"A", "B", ""}));
    EXPECT_EQ(Split("cbScale$2", "$"), (QStringList{"cbScale", "2"}));
}

TEST(TextConversions, NumbersToText) {
    EXPECT_EQ(Bin(2192), "100010010000");
    EXPECT_EQ(Bin(0), "0");
    EXPECT_EQ(Bin(4095), "111111111111");
    EXPECT_EQ(Bin(-2), "-10");
}

TEST(TextConversions, ValReadsTheLeadingDecimalNumber) {
    EXPECT_EQ(Val("2192"), 2192);
    EXPECT_EQ(Val(" 42"), 42);
    EXPECT_EQ(Val("-17x"), -17);
    EXPECT_EQ(Val("+8"), 8);
    EXPECT_EQ(Val("12abc"), 12);
    EXPECT_EQ(Val("abc"), 0);
    EXPECT_EQ(Val(""), 0);
    EXPECT_EQ(Val("99999999999999999999999"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(Val("-99999999999999999999999"), std::numeric_limits<std::int64_t>::min());
    for (std::int64_t v : {0LL, 1LL, 4095LL, 123456789012345LL}) {
        EXPECT_EQ(Val(QString::number(v)), v);
    }
}

}  // namespace
}  // namespace orvel
