// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "scales/SplitFields.h"

namespace orvel {
namespace {

std::vector<std::string> Split(std::string_view line) {
    std::vector<std::string_view> fields;
    SplitFields(line, ',', fields);
    return {fields.begin(), fields.end()};
}

TEST(SplitFields, EverySeparatorSeparates) {
    EXPECT_EQ(Split(""), (std::vector<std::string>{""}));
    EXPECT_EQ(Split(","), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(Split("a,,b"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_EQ(Split(" a , b "), (std::vector<std::string>{" a ", " b "}));
    EXPECT_EQ(Split("\"x,y\",z"), (std::vector<std::string>{"\"x", "y\"", "z"}));
    EXPECT_EQ(Split(std::string_view("a\0b,c", 5)),
              (std::vector<std::string>{std::string("a\0b", 3), "c"}));
}

TEST(SplitFields, StopsAfterTheFieldsAsked) {
    std::vector<std::string_view> fields;
    SplitFields("a,b,c,d", ',', fields, 2);
    EXPECT_EQ(fields, (std::vector<std::string_view>{"a", "b"}));
    SplitFields("a", ',', fields, 2);
    EXPECT_EQ(fields, (std::vector<std::string_view>{"a"}));
    SplitFields(std::string(1'000'000, ','), ',', fields, 14);
    EXPECT_EQ(fields.size(), 14u);
}

TEST(SplitFields, ReplacesEarlierFields) {
    std::vector<std::string_view> fields;
    SplitFields("a,b,c", ',', fields);
    SplitFields("d", ',', fields);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0], "d");
}

}  // namespace
}  // namespace orvel
