// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "scales/SplitFields.h"
#include "scales/TScale.h"

namespace orvel {
namespace {

TScale FromLine(const std::string& line) {
    std::vector<std::string_view> fields;
    SplitFields(line, ',', fields);
    return TScale(fields);
}

// A line whose twelve position fields are TRUE exactly at the given positions.
std::string LineWithPositions(std::initializer_list<int> positions,
                              const std::string& other = "FALSE") {
    std::string line = "Bank,Name";
    for (int p = 0; p < kPositionCount; ++p) {
        bool present = false;
        for (int q : positions) {
            present = present || q == p;
        }
        line += "," + (present ? std::string("TRUE") : other);
    }
    return line;
}

struct NotesCase {
    const char* name;
    std::string line;
    PitchClassSet notes;
    friend void PrintTo(const NotesCase& row, std::ostream* out) { *out << row.name; }
};

class TScaleNotes : public testing::TestWithParam<NotesCase> {};

TEST_P(TScaleNotes, BuildsTheSetFromThePositionFields) {
    EXPECT_EQ(FromLine(GetParam().line).Notes, GetParam().notes);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, TScaleNotes,
    testing::Values(
        NotesCase{"AllPresent", LineWithPositions({0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}), 4095},
        NotesCase{"NonePresent", LineWithPositions({}), 0},
        NotesCase{"RootOnly", LineWithPositions({0}), 2048},
        NotesCase{"LastOnly", LineWithPositions({11}), 1},
        NotesCase{"MajorTriad", LineWithPositions({0, 4, 7}), 2192},
        NotesCase{"LowerAndMixedCaseCount", "B,S,true,True,tRUE,,,,,,,,,", 2048 + 1024 + 512},
        NotesCase{"SpacesDoNotCount", "B,S, TRUE,TRUE ,TRUE\t,TRUE,,,,,,,,", 256},
        NotesCase{"OtherTextsDoNotCount", "B,S,1,yes,T,TRUEE,TRU,\"TRUE\",FALSE,x,,,,TRUE", 1},
        NotesCase{"EmptyFieldsAllAbsent", LineWithPositions({5}, ""), 64}),
    [](const testing::TestParamInfo<NotesCase>& info) { return info.param.name; });

TEST(TScale, KeepsBankAndNameUnaltered) {
    const TScale scale = FromLine(" My Bank , \"Quoted\" name ,TRUE,,,,,,,,,,,");
    EXPECT_EQ(scale.Bank, " My Bank ");
    EXPECT_EQ(scale.Scale, " \"Quoted\" name ");
}

TEST(TScale, IgnoresFieldsAfterTheFourteenth) {
    const std::string line = LineWithPositions({0, 3, 7});
    const TScale exact = FromLine(line);
    const TScale longer = FromLine(line + ",TRUE,TRUE,extra");
    EXPECT_EQ(exact.Notes, longer.Notes);
    EXPECT_EQ(exact.Bank, longer.Bank);
    EXPECT_EQ(exact.Scale, longer.Scale);
}

TEST(TScale, ShortFieldListFailsAfterSettingWhatItCould) {
    std::vector<std::string_view> fields;
    SplitFields("Bank,Name,TRUE,FALSE,TRUE", ',', fields);
    TScale scale;
    EXPECT_THROW(scale.Constructor(fields), std::out_of_range);
    EXPECT_EQ(scale.Bank, "Bank");
    EXPECT_EQ(scale.Scale, "Name");
    EXPECT_EQ(scale.Notes, 0) << "Notes is set only once every position field is read";

    SplitFields("OnlyBank", ',', fields);
    TScale bankOnly;
    EXPECT_THROW(bankOnly.Constructor(fields), std::out_of_range);
    EXPECT_EQ(bankOnly.Bank, "OnlyBank");
    EXPECT_EQ(bankOnly.Scale, "");

    const std::string full = LineWithPositions({0});
    const std::string thirteen = full.substr(0, full.rfind(','));
    SplitFields(thirteen, ',', fields);
    ASSERT_EQ(fields.size(), 13u);
    EXPECT_THROW(TScale{fields}, std::out_of_range);
}

TEST(TScale, ContainsAllIsAStrictSuperset) {
    TScale triad;
    triad.Notes = 2192;
    EXPECT_TRUE(triad.Equivalent(2192));
    EXPECT_FALSE(triad.ContainsAll(2192));
    EXPECT_TRUE(triad.ContainsAll(2048));
    EXPECT_TRUE(triad.ContainsAll(0));
    EXPECT_FALSE(triad.ContainsAll(2193));
    EXPECT_FALSE(triad.Equivalent(2048));

    TScale empty;
    EXPECT_TRUE(empty.Equivalent(0));
    for (PitchClassSet query = 0; query <= kAllPositions; ++query) {
        ASSERT_FALSE(empty.ContainsAll(query)) << query;
    }
}

TEST(TScale, AnswersAtMostOneOfTheTwoTestsForAnyQuery) {
    for (PitchClassSet notes : {0, 1, 2192, 2773, 4095}) {
        TScale entry;
        entry.Notes = notes;
        int containing = 0;
        for (PitchClassSet query = 0; query <= kAllPositions; ++query) {
            ASSERT_FALSE(entry.ContainsAll(query) && entry.Equivalent(query));
            containing += entry.ContainsAll(query) ? 1 : 0;
        }
        // A set of k positions strictly contains 2^k - 1 subsets.
        EXPECT_EQ(containing, (1 << __builtin_popcountll(notes)) - 1) << notes;
    }
}

TEST(TScale, PrintsBankNameAndDecimalSet) {
    TScale scale;
    scale.Bank = "B";
    scale.Scale = "S";
    scale.Notes = 2192;
    EXPECT_EQ(scale.Print(), "B : S : 2192");
    scale.Notes = 0;
    EXPECT_EQ(scale.Print(), "B : S : 0");
}

}  // namespace
}  // namespace orvel
