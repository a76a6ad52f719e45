// SPDX-License-Identifier: GPL-3.0-or-later
// Scales for chords, over the shipped catalogue.

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "matching/RankScales.h"
#include "scales/LoadScales.h"
#include "support/Notes.h"
#include "theory/Progression.h"

namespace orvel {
namespace {

class RankScalesTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        std::ostringstream warnings;
        catalogue = new std::vector<TScale>(LoadScales(ORVEL_CATALOGUE, warnings).scales);
    }
    static void TearDownTestSuite() { delete catalogue; }

    ChordScales Rank(std::string_view line) {
        const Progression progression = ReadProgression(line, ReadAs::Chords);
        EXPECT_TRUE(progression.AllRead()) << line;
        chordCount = progression.Chords().size();
        return RankProgression(*catalogue, progression);
    }
    static std::string Name(const RankedScale& row) {
        return (*catalogue)[row.entry].Scale + " on " + std::to_string(row.root.SemitonesAboveC());
    }
    static int IndexOf(const std::vector<RankedScale>& rows, const std::string& name) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (Name(rows[i]) == name) {
                return static_cast<int>(i);
            }
        }
        return -1;
    }

    static std::vector<TScale>* catalogue;
    std::size_t chordCount = 0;
};

std::vector<TScale>* RankScalesTest::catalogue = nullptr;

constexpr PitchClass kD{2}, kF{5}, kG{7}, kA{9};

TEST_F(RankScalesTest, TwoFiveOneIsCMajorAndGMixolydianOverTheG7) {
    const ChordScales ranked = Rank("Dm7 G7 Cmaj7");
    ASSERT_FALSE(ranked.fits.empty());
    EXPECT_EQ(Name(ranked.fits[0]), "Ionian on 0")
        << "the last chord's root, first in the catalogue";
    EXPECT_EQ(ranked.fits[0].added, 0);
    for (std::size_t i = 1; i < ranked.fits.size(); ++i) {
        EXPECT_LE(ranked.fits[i - 1].added, ranked.fits[i].added) << "fewest added first";
    }
    EXPECT_LT(IndexOf(ranked.fits, "Dorian on 2"), IndexOf(ranked.fits, "Mixolydian on 7"))
        << "the first chord's root before another chord's";
    EXPECT_LT(IndexOf(ranked.fits, "Mixolydian on 7"), IndexOf(ranked.fits, "Phrygian on 4"))
        << "a chord's root before any other";
    const PitchClassesAboveC notes = NotesFromDigits("101010110101");  // C major, B first
    for (const RankedScale& row : ranked.nearly) {
        const auto lacking = PitchClassesAboveC::FromBits(
            notes.Bits() & ~NotesOn((*catalogue)[row.entry].Notes, row.root).Bits());
        ASSERT_EQ(lacking.Count(), 1) << Name(row);
        ASSERT_TRUE(row.missing.has_value()) << Name(row);
        EXPECT_TRUE(lacking.Has(*row.missing)) << Name(row);
    }
    const int lydian = IndexOf(ranked.nearly, "Lydian on 0");
    ASSERT_GE(lydian, 0);
    EXPECT_EQ(ranked.nearly[static_cast<std::size_t>(lydian)].missing, kF);
    ASSERT_EQ(ranked.perChord.size(), 3u);
    const int mixolydian = IndexOf(ranked.perChord[1], "Mixolydian on 7");
    ASSERT_GE(mixolydian, 0);
    EXPECT_TRUE(ranked.perChord[1][static_cast<std::size_t>(mixolydian)].fitsProgression);
    EXPECT_FALSE(ranked
                     .perChord[1][static_cast<std::size_t>(
                         IndexOf(ranked.perChord[1], "Lydian Dominant on 7"))]
                     .fitsProgression);
    for (const RankedScale& row : ranked.perChord[1]) {
        EXPECT_EQ(row.root, kG);
    }
}

TEST_F(RankScalesTest, ALoopRanksItsFirstAndLastRootsAhead) {
    const ChordScales ranked = Rank("| Am | F | C | G |");
    ASSERT_FALSE(ranked.fits.empty());
    EXPECT_TRUE(ranked.fits[0].root == kA || ranked.fits[0].root == kG) << Name(ranked.fits[0]);
    EXPECT_LT(IndexOf(ranked.fits, "Aeolian on 9"), IndexOf(ranked.fits, "Ionian on 0"));
    EXPECT_LT(IndexOf(ranked.fits, "Ionian on 0"), IndexOf(ranked.fits, "Dorian on 2"));
}

TEST_F(RankScalesTest, ABluesOfThreeDominantSeventhsNeedsMoreThanSevenNotes) {
    const ChordScales ranked = Rank("C7 F7 C7 G7 F7 C7");
    ASSERT_EQ(chordCount, 3u) << "each chord once";
    ASSERT_FALSE(ranked.fits.empty());
    for (const RankedScale& row : ranked.fits) {
        EXPECT_GE(PositionsOf((*catalogue)[row.entry].Notes).size(), 9u) << Name(row);
    }
    EXPECT_GE(IndexOf(ranked.fits, "Chromatic on 0"), 0);
    const int mixolydian = IndexOf(ranked.perChord[0], "Mixolydian on 0");
    ASSERT_GE(mixolydian, 0) << "C Mixolydian over the C7";
    EXPECT_FALSE(ranked.perChord[0][static_cast<std::size_t>(mixolydian)].fitsProgression);
}

TEST_F(RankScalesTest, OneChordsScalesAreItsChordScales) {
    const ChordScales ranked = Rank("D");
    ASSERT_FALSE(ranked.fits.empty());
    EXPECT_EQ(ranked.fits[0].root, kD);
    std::vector<std::uint32_t> onD;
    for (const RankedScale& row : ranked.fits) {
        if (row.root == kD) {
            onD.push_back(row.entry);
        }
    }
    std::vector<std::uint32_t> chordScales;
    for (const RankedScale& row : ranked.perChord[0]) {
        EXPECT_EQ(row.root, kD);
        chordScales.push_back(row.entry);
        chordScales.insert(chordScales.end(), row.also.begin(), row.also.end());
    }
    std::sort(chordScales.begin(), chordScales.end());
    std::sort(onD.begin(), onD.end());
    EXPECT_EQ(chordScales, onD) << "the same scales, folded";
    EXPECT_EQ(IndexOf(ranked.fits, "Major Triad on 2"), -1)
        << "the catalogue's chords are left out";
}

}  // namespace
}  // namespace orvel
