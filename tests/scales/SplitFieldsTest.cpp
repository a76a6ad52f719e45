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

TEST(SplitFields, ReplacesEarlierFields) {
    std::vector<std::string_view> fields;
    SplitFields("a,b,c", ',', fields);
    SplitFields("d", ',', fields);
    ASSERT_EQ(fields.size(), 1u);
    EXPECT_EQ(fields[0], "d");
}

}  // namespace
}  // namespace orvel
