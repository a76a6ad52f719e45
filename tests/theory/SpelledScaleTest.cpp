// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <sstream>

#include "scales/LoadScales.h"
#include "theory/SpelledScale.h"
#include "theory/Triad.h"

namespace orvel {
namespace {

PitchClassSet SetOf(std::initializer_list<int> positions) {
    return SetOfPositions([&](int position) {
        return std::find(positions.begin(), positions.end(), position) != positions.end();
    });
}

constexpr int kC = 0, kDb = 1, kD = 2, kF = 5, kFs = 6, kGs = 8, kA = 9;

struct SpellingCase {
    const char* name;
    PitchClassSet set;
    int root;
    std::string notes;
    std::string intervals;
    friend void PrintTo(const SpellingCase& row, std::ostream* out) { *out << row.name; }
};

const PitchClassSet kMajor = SetOf({0, 2, 4, 5, 7, 9, 11});
const PitchClassSet kNaturalMinor = SetOf({0, 2, 3, 5, 7, 8, 10});

class SpellScaleCases : public testing::TestWithParam<SpellingCase> {};

TEST_P(SpellScaleCases, NotesAndIntervals) {
    const SpelledScale scale = SpellScale(GetParam().set, GetParam().root);
    EXPECT_EQ(scale.AsciiNotes(), GetParam().notes);
    EXPECT_EQ(scale.IntervalsText(), GetParam().intervals);
}

INSTANTIATE_TEST_SUITE_P(
    Known, SpellScaleCases,
    testing::Values(
        SpellingCase{"FMajor", kMajor, kF, "F G A Bb C D E", "1 2 3 4 5 6 7"},
        SpellingCase{"FSharpMajor", kMajor, kFs, "F# G# A# B C# D# E#", "1 2 3 4 5 6 7"},
        SpellingCase{"DFlatMajorNotCSharp", kMajor, kDb, "Db Eb F Gb Ab Bb C", "1 2 3 4 5 6 7"},
        SpellingCase{"CSharpMinorNotDFlat", kNaturalMinor, kDb, "C# D# E F# G# A B",
                     "1 2 b3 4 5 b6 b7"},
        SpellingCase{"DDorian", SetOf({0, 2, 3, 5, 7, 9, 10}), kD, "D E F G A B C",
                     "1 2 b3 4 5 6 b7"},
        SpellingCase{"ALocrian", SetOf({0, 1, 3, 5, 6, 8, 10}), kA, "A Bb C D Eb F G",
                     "1 b2 b3 4 b5 b6 b7"},
        SpellingCase{"FLydian", SetOf({0, 2, 4, 6, 7, 9, 11}), kF, "F G A B C D E",
                     "1 2 3 #4 5 6 7"},
        SpellingCase{"GSharpHarmonicMinorIsAFlat", SetOf({0, 2, 3, 5, 7, 8, 11}), kGs,
                     "Ab Bb Cb Db Eb Fb G", "1 2 b3 4 5 b6 7"},
        SpellingCase{"ADoubleHarmonic", SetOf({0, 1, 4, 5, 7, 8, 11}), kA, "A Bb C# D E F G#",
                     "1 b2 3 4 5 b6 7"},
        SpellingCase{"CMinorPentatonic", SetOf({0, 3, 5, 7, 10}), kC, "C Eb F G Bb", "1 b3 4 5 b7"},
        SpellingCase{"CWholeTone", SetOf({0, 2, 4, 6, 8, 10}), kC, "C D E F# G# A#",
                     "1 2 3 #4 #5 #6"},
        SpellingCase{"CBlues", SetOf({0, 3, 5, 6, 7, 10}), kC, "C Eb F Gb G Bb", "1 b3 4 b5 5 b7"},
        SpellingCase{"CSevenSharpNine", SetOf({0, 3, 4, 7, 10}), kC, "C D# E G Bb", "1 #2 3 5 b7"},
        SpellingCase{"CAugmentedTriad", SetOf({0, 4, 8}), kC, "C E G#", "1 3 #5"},
        SpellingCase{"FSharpMinorPentatonic", SetOf({0, 3, 5, 7, 10}), kFs, "F# A B C# E",
                     "1 b3 4 5 b7"}),
    [](const testing::TestParamInfo<SpellingCase>& info) { return info.param.name; });

TEST(SpellScale, EveryNoteSoundsTheSetFromTheRootWithAtMostOneAccidentalOutsideSevens) {
    int checked = 0;
    for (PitchClassSet set = 0; set <= kAllPositions; ++set) {
        for (int root = 0; root < 12; ++root) {
            const SpelledScale scale = SpellScale(set, root);
            ASSERT_EQ(scale.root.PitchClass(), root);
            const std::vector<int> positions = PositionsOf(set);
            ASSERT_EQ(scale.notes.size(), positions.size());
            for (std::size_t i = 0; i < positions.size(); ++i) {
                ASSERT_EQ(scale.notes[i].PitchClass(), (root + positions[i]) % 12)
                    << "set " << set << " root " << root << " note " << i;
                ASSERT_EQ(scale.intervals[i].Semitones(), positions[i]);
                if (positions.size() != 7) {
                    ASSERT_LE(std::abs(scale.notes[i].accidental), 1)
                        << "set " << set << " root " << root << ": " << scale.AsciiNotes();
                }
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, 4096 * 12);
}

TEST(SpellScale, SevenNoteScalesOfTheCatalogueUseEachLetterOnceInOrder) {
    std::ostringstream warnings;
    const ScaleLoad load = LoadScales(ORVEL_CATALOGUE, warnings);
    ASSERT_FALSE(load.failure.has_value());
    int checked = 0;
    for (const TScale& entry : load.scales) {
        if (PositionsOf(entry.Notes).size() != 7) {
            continue;
        }
        for (int root = 0; root < 12; ++root) {
            const SpelledScale scale = SpellScale(entry.Notes, root);
            for (int i = 0; i < 7; ++i) {
                ASSERT_EQ(scale.notes[i].letter, (scale.root.letter + i) % 7)
                    << entry.Scale << " on " << root << ": " << scale.AsciiNotes();
            }
            ++checked;
        }
    }
    EXPECT_GT(checked, 12 * 100) << "the catalogue's seven-note scales were all spelled";
}

TEST(Triads, StackedThirdsOnEachDegree) {
    const auto symbols = [](PitchClassSet set, int root) {
        std::string joined;
        for (const Triad& triad : DegreeTriads(SpellScale(set, root))) {
            joined += (joined.empty() ? "" : " ") + triad.Symbol();
        }
        return joined;
    };
    EXPECT_EQ(symbols(kMajor, kC), "C Dm Em F G Am B\u00B0");
    EXPECT_EQ(symbols(SetOf({0, 2, 3, 5, 7, 9, 11}), kC),
              "Cm Dm E\u266D+ F G A\u00B0 B\u00B0");  // melodic minor
    EXPECT_EQ(DegreeTriads(SpellScale(SetOf({0, 4, 7}), kC)).size(), 0u);
    EXPECT_EQ(DegreeTriads(SpellScale(kMajor, kC))[6].Quality(), "diminished");
}

}  // namespace
}  // namespace orvel
