// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "matching/MatchScales.h"
#include "matching/Rotate12.h"

namespace orvel {
namespace {

const NoteNames kLabels = {"A",       "A# / Bb", "B", "C",       "C# / Db", "D",
                           "D# / Eb", "E",       "F", "F# / Gb", "G",       "G# / Ab"};

TScale Entry(std::string bank, std::string name, PitchClassSet notes) {
    TScale entry;
    entry.Bank = std::move(bank);
    entry.Scale = std::move(name);
    entry.Notes = notes;
    return entry;
}

std::vector<TMatchRow> AllRows(const TMatchRows& rows) {
    std::vector<TMatchRow> all;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        all.push_back(rows[i]);
    }
    return all;
}

TScaleQuery Query(PitchClassSet notes, int rootIndex = 3, bool other = false,
                  bool inListOnly = false) {
    TScaleQuery query;
    query.QueryNotes = notes;
    query.RootIndex = NoteTableIndex(rootIndex);
    query.RootCaption = kLabels[static_cast<std::size_t>(rootIndex)];
    query.Labels = kLabels;
    query.IncludeOtherRoots = other;
    query.RootsInListOnly = inListOnly;
    return query;
}

using Rows = std::vector<std::vector<std::string>>;

Rows ExactTexts(const TMatchResult& result) {
    Rows rows;
    for (std::size_t i = 0; i < result.ExactRows.size(); ++i) {
        const auto cells = result.ExactCells(i);
        rows.emplace_back(cells.begin(), cells.end());
    }
    return rows;
}

Rows ContainingTexts(const TMatchResult& result) {
    Rows rows;
    for (std::size_t i = 0; i < result.ContainingRows.size(); ++i) {
        const auto cells = result.ContainingCells(i);
        rows.emplace_back(cells.begin(), cells.end());
    }
    return rows;
}

const std::vector<TScale> kCatalogue = {
    Entry("Chords", "Major Triad", 2192),  // 0, 4, 7
    Entry("Diatonic", "Major", 2773),      // 0, 2, 4, 5, 7, 9, 11
    Entry("Empty", "Nothing", 0),
    Entry("Chords", "Sus", 2116),           // 0, 5, 9: the triad seen from G
    Entry("Symmetric", "Augmented", 2184),  // 0, 4, 8
    Entry("Chords", "Major Triad", 2192),   // a duplicate line
    Entry("Chromatic", "Chromatic", 4095),
};

TEST(MatchScales, MainPassListsExactAndContainingInCatalogueOrder) {
    const TMatchResult result = MatchScales(Query(2192), kCatalogue);
    EXPECT_EQ(result.ValueText, "100010010000");
    EXPECT_EQ(ExactTexts(result),
              (Rows{{"Chords", "Major Triad", "C"}, {"Chords", "Major Triad", "C"}}));
    EXPECT_EQ(ContainingTexts(result),
              (Rows{{"Diatonic", "Major", "C", "2773"}, {"Chromatic", "Chromatic", "C", "4095"}}));
}

TEST(MatchScales, NothingTickedListsEveryNonEmptyEntryOnce) {
    const TMatchResult result = MatchScales(Query(0), kCatalogue);
    EXPECT_EQ(result.ValueText, "0");
    EXPECT_EQ(ExactTexts(result), (Rows{{"Empty", "Nothing", "C"}}));
    ASSERT_EQ(result.ContainingRows.size(), kCatalogue.size() - 1);
    std::uint32_t expected = 0;
    for (const TMatchRow& row : AllRows(result.ContainingRows)) {
        expected += expected == 2 ? 1 : 0;  // the empty entry is skipped
        EXPECT_EQ(row, (TMatchRow{expected, 0}));
        ++expected;
    }
}

TEST(MatchScales, NothingTickedWithOtherRootsListsEachNonEmptyEntryTwelveTimesByPass) {
    const TMatchResult result = MatchScales(Query(0, 5, true, false), kCatalogue);
    const std::size_t nonEmpty = kCatalogue.size() - 1;
    ASSERT_EQ(result.ContainingRows.size(), 12 * nonEmpty);
    EXPECT_EQ(result.ExactRows.size(), 12u);
    for (std::size_t k = 0; k < result.ContainingRows.size(); ++k) {
        const std::uint32_t pass = static_cast<std::uint32_t>(k / nonEmpty);
        EXPECT_EQ(result.ContainingRows[k].Pass, pass);
        EXPECT_EQ(result.RootName(result.ContainingRows[k]), kLabels[(5 + pass) % 12]);
    }
}

TEST(MatchScales, WorkedExampleFindsTheSusChordUnderG) {
    const TMatchResult result = MatchScales(Query(2192, 3, true, true), kCatalogue);
    // Main pass: the two triads; pass 4 (E, set 2312): nothing exact; pass 7
    // (G, set 2116): the sus chord.
    EXPECT_EQ(ExactTexts(result), (Rows{{"Chords", "Major Triad", "C"},
                                        {"Chords", "Major Triad", "C"},
                                        {"Chords", "Sus", "G"}}));
    // Containing rows carry the entry's own set, never the rotated query.
    const Rows containing = ContainingTexts(result);
    ASSERT_FALSE(containing.empty());
    for (const auto& row : containing) {
        if (row[1] == "Major") {
            EXPECT_EQ(row[3], "2773");
        }
    }
    EXPECT_EQ(containing.back(), (std::vector<std::string>{"Chromatic", "Chromatic", "G", "4095"}));
}

TEST(MatchScales, RootsInListOnlyAdmitsOnlyTickedPositions) {
    // Only the root ticked: no other root is admitted.
    const TMatchResult rootOnly = MatchScales(Query(2048, 3, true, true), kCatalogue);
    const TMatchResult off = MatchScales(Query(2048, 3, false, false), kCatalogue);
    EXPECT_EQ(ExactTexts(rootOnly), ExactTexts(off));
    EXPECT_EQ(ContainingTexts(rootOnly), ContainingTexts(off));

    // The option means nothing while other roots are off.
    const TMatchResult optionAlone = MatchScales(Query(2192, 3, false, true), kCatalogue);
    const TMatchResult neither = MatchScales(Query(2192, 3, false, false), kCatalogue);
    EXPECT_EQ(ContainingTexts(optionAlone), ContainingTexts(neither));
    EXPECT_EQ(ExactTexts(optionAlone), ExactTexts(neither));

    // The main pass runs even when the root is not ticked.
    const TMatchResult unrooted = MatchScales(Query(Rotate12(2192, 5), 3, true, true), kCatalogue);
    for (const TMatchRow& row : AllRows(unrooted.ContainingRows)) {
        EXPECT_TRUE(row.Pass == 0 || HasPosition(Rotate12(2192, 5), static_cast<int>(row.Pass)));
    }
}

TEST(MatchScales, SymmetricSetIsFoundOncePerAdmittedRoot) {
    const TMatchResult result = MatchScales(Query(2184, 3, true, true), kCatalogue);
    EXPECT_EQ(ExactTexts(result), (Rows{{"Symmetric", "Augmented", "C"},
                                        {"Symmetric", "Augmented", "E"},
                                        {"Symmetric", "Augmented", "G# / Ab"}}));
}

TEST(MatchScales, PassNamesWrapAroundTheNoteTable) {
    const TMatchResult result = MatchScales(Query(0, 11, true, false), kCatalogue);
    ASSERT_FALSE(result.ExactRows.empty());
    EXPECT_EQ(result.RootName(result.ExactRows[0]), "G# / Ab");
    EXPECT_EQ(result.RootName(result.ExactRows[1]), "A");
    EXPECT_EQ(result.RootName(result.ExactRows[11]), "G");
}

TEST(MatchScales, RootCaptionNamesTheMainPass) {
    TScaleQuery query = Query(2192);
    query.RootCaption = "caption";
    const TMatchResult result = MatchScales(query, kCatalogue);
    EXPECT_EQ(result.Cell(result.ExactRows.at(0), 2), "caption");
}

TEST(MatchScales, EmptyCatalogueStillGivesTheValueText) {
    const TMatchResult result = MatchScales(Query(4095, 3, true, false), {});
    EXPECT_EQ(result.ValueText, "111111111111");
    EXPECT_TRUE(result.ExactRows.empty());
    EXPECT_TRUE(result.ContainingRows.empty());
}

// Against a brute-force reading of the rules, over every query on a catalogue
// of assorted sets: each pass contributes exactly the entries that answer the
// record's own tests for the rotated query, in catalogue order.
TEST(MatchScales, AgreesWithTheRecordsOwnTestsForEveryQuery) {
    std::vector<TScale> catalogue;
    for (PitchClassSet notes : {0, 2192, 2773, 2184, 4095, 1, 2048, 3510, 2730, 2773}) {
        catalogue.push_back(Entry("B", "S" + std::to_string(notes), notes));
    }
    std::size_t checkedRows = 0;
    for (PitchClassSet q = 0; q <= kAllPositions; q += 7) {
        for (int options = 0; options < 4; ++options) {
            const TScaleQuery query = Query(q, q % 12, options & 1, options & 2);
            const TMatchResult result = MatchScales(query, catalogue);
            std::vector<TMatchRow> exact;
            std::vector<TMatchRow> containing;
            for (std::uint32_t pass = 0; pass < 12; ++pass) {
                if (pass > 0 &&
                    (!query.IncludeOtherRoots ||
                     (query.RootsInListOnly && !HasPosition(q, static_cast<int>(pass))))) {
                    continue;
                }
                const PitchClassSet target = Rotate12(q, pass);
                for (std::uint32_t e = 0; e < catalogue.size(); ++e) {
                    if (catalogue[e].Equivalent(target)) {
                        exact.push_back({e, pass});
                    }
                    if (catalogue[e].ContainsAll(target)) {
                        containing.push_back({e, pass});
                    }
                }
            }
            ASSERT_EQ(AllRows(result.ExactRows), exact) << q;
            ASSERT_EQ(AllRows(result.ContainingRows), containing) << q;
            checkedRows += exact.size() + containing.size();
        }
    }
    EXPECT_GT(checkedRows, 1000u);
}

TEST(TMatchResult, RowsAreLight) {
    EXPECT_LE(TMatchRows::kBytesPerRow, 16u);
}

}  // namespace
}  // namespace orvel
