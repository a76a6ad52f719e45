// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "matching/RankMelody.h"
#include "support/ShippedCatalogue.h"
#include "support/Tunes.h"
#include "theory/ParseNoteName.h"

namespace orvel {
namespace {

using testing_support::TuneOf;

const std::vector<TScale>& Catalogue() {
    return testing_support::ShippedCatalogue();
}

std::string KeyText(const Key& key) {
    return key.tonic.Ascii() + " " + std::string(key.ModeName());
}

struct Tune {
    const char* name;
    double beatsPerBar;
    const char* notes;
    const char* key;   // the first key, ASCII
    const char* best;  // the first best fit: root and the name shown first
};

// Written down from memory, as a player would pick them out.
constexpr Tune kTunes[] = {
    {"Mary Had a Little Lamb", 4,
     "E4 D4 C4 D4 | E4 E4 E4/2 | D4 D4 D4/2 | E4 G4 G4/2 | E4 D4 C4 D4 | E4 E4 E4 E4 | D4 D4 E4 D4 "
     "| C4/4",
     "C major", "C Major Pentatonic"},
    {"Twinkle, Twinkle, Little Star", 4,
     "D4 D4 A4 A4 | B4 B4 A4/2 | G4 G4 F#4 F#4 | E4 E4 D4/2 | A4 A4 G4 G4 | F#4 F#4 E4/2 | A4 A4 "
     "G4 G4 | "
     "F#4 F#4 E4/2 | D4 D4 A4 A4 | B4 B4 A4/2 | G4 G4 F#4 F#4 | E4 E4 D4/2",
     "D major", "D Major"},
    {"Frere Jacques", 4,
     "F4 G4 A4 F4 | F4 G4 A4 F4 | A4 Bb4 C5/2 | A4 Bb4 C5/2 | C5/0.5 D5/0.5 C5/0.5 Bb4/0.5 A4 F4 | "
     "C5/0.5 D5/0.5 C5/0.5 Bb4/0.5 A4 F4 | F4 C4 F4/2 | F4 C4 F4/2",
     "F major", "F Major"},
    {"Ode to Joy", 4,
     "B4 B4 C5 D5 | D5 C5 B4 A4 | G4 G4 A4 B4 | B4/1.5 A4/0.5 A4/2 | B4 B4 C5 D5 | D5 C5 B4 A4 | "
     "G4 G4 A4 B4 | "
     "A4/1.5 G4/0.5 G4/2",
     "G major", "G Major"},
    {"Happy Birthday", 3,
     "C4/0.75 C4/0.25 | D4 C4 F4 | E4/2 C4/0.75 C4/0.25 | D4 C4 G4 | F4/2 C4/0.75 C4/0.25 | C5 A4 "
     "F4 | E4 D4 "
     "Bb4/0.75 Bb4/0.25 | A4 F4 G4 | F4/3",
     "F major", "F Major"},
    {"Jingle Bells", 4,
     "B4 B4 B4/2 | B4 B4 B4/2 | B4 D5 G4/1.5 A4/0.5 | B4/4 | C5 C5 C5/1.5 C5/0.5 | C5 B4 B4 B4/0.5 "
     "B4/0.5 | "
     "B4 A4 A4 B4 | A4/2 D5/2 | B4 B4 B4/2 | B4 B4 B4/2 | B4 D5 G4/1.5 A4/0.5 | B4/4 | C5 C5 "
     "C5/1.5 C5/0.5 | "
     "C5 B4 B4 B4/0.5 B4/0.5 | D5 D5 C5 A4 | G4/4",
     "G major", "G Major"},
    {"Amazing Grace", 3,
     "D4 | G4/2 B4/0.5 G4/0.5 | B4/2 A4 | G4/2 E4 | D4/2 D4 | G4/2 B4/0.5 G4/0.5 | B4/2 A4 | D5/3 "
     "| D5/2 B4 | "
     "D5/1.5 B4/0.5 G4 | B4/2 A4 | G4/2 E4 | D4/2 D4 | G4/2 B4/0.5 G4/0.5 | B4/2 A4 | G4/3",
     "G major", "G Major Pentatonic"},
    {"Auld Lang Syne", 4,
     "C4 | F4/1.5 F4/0.5 F4 A4 | G4/1.5 F4/0.5 G4 A4 | F4/1.5 F4/0.5 A4 C5 | D5/3 D5 | C5/1.5 "
     "A4/0.5 A4 F4 | "
     "G4/1.5 F4/0.5 G4 A4 | F4/1.5 D4/0.5 D4 C4 | F4/3",
     "F major", "F Major Pentatonic"},
    {"Yankee Doodle", 4,
     "F4 F4 G4 A4 | F4 A4 G4 C4 | F4 F4 G4 A4 | F4/2 E4/2 | F4 F4 G4 A4 | Bb4 A4 G4 F4 | E4 C4 D4 "
     "E4 | F4/2 F4/2",
     "F major", "F Major"},
    {"Row, Row, Row Your Boat", 3,
     "C4/1.5 C4/1.5 | C4 D4/0.5 E4/1.5 | E4 D4/0.5 E4 F4/0.5 | G4/3 | C5/0.5 C5/0.5 C5/0.5 G4/0.5 "
     "G4/0.5 G4/0.5 | "
     "E4/0.5 E4/0.5 E4/0.5 C4/0.5 C4/0.5 C4/0.5 | G4 F4/0.5 E4 D4/0.5 | C4/3",
     "C major", "C Major"},
    {"Greensleeves", 3,
     "A4 | C5/2 D5 | E5/1.5 F5/0.5 E5 | D5/2 B4 | G4/1.5 A4/0.5 B4 | C5/2 A4 | A4/1.5 G#4/0.5 A4 | "
     "B4/2 G#4 | "
     "E4/2 A4 | C5/2 D5 | E5/1.5 F5/0.5 E5 | D5/2 B4 | G4/1.5 A4/0.5 B4 | C5/1.5 B4/0.5 A4 | "
     "G#4/1.5 F#4/0.5 G#4 | "
     "A4/3",
     "A minor", "A Natural Minor"},
    {"When Johnny Comes Marching Home", 3,
     "E4 | A4/2 A4 | A4/1.5 B4/0.5 C5 | B4/2 A4 | G4/2 E4 | G4/2 G4 | G4/2 A4 | G4/3 | E4/2 E4 | "
     "A4/2 A4 | "
     "A4/1.5 B4/0.5 C5 | B4/2 C5 | D5/2 C5 | B4/2 A4 | G4/2 B4 | A4/3",
     "A minor", "A Natural Minor"},
    {"God Rest Ye Merry, Gentlemen", 4,
     "E4 E4 B4 B4 | A4 G4 F#4 E4 | D4 E4 F#4 G4 | A4 B4/3 | E4 E4 B4 B4 | A4 G4 F#4 E4 | D4 E4 F#4 "
     "G4 | "
     "A4 B4/3 | B4 C5 A4 B4 | C5 D5 E5 B4 | A4 G4 E4 F#4 | G4/2 E4 G4 | F#4 E4 D4 G4 | F#4 G4 A4 "
     "B4 | C5 B4 A4 G4 | "
     "F#4 E4/3",
     "E minor", "E Natural Minor"},
    {"Korobeiniki", 4,
     "E5 B4/0.5 C5/0.5 D5 C5/0.5 B4/0.5 | A4 A4/0.5 C5/0.5 E5 D5/0.5 C5/0.5 | B4/1.5 C5/0.5 D5 E5 "
     "| C5 A4 A4/2 | "
     "r/0.5 D5 F5/0.5 A5 G5/0.5 F5/0.5 | E5/1.5 C5/0.5 E5 D5/0.5 C5/0.5 | B4 B4/0.5 C5/0.5 D5 E5 | "
     "C5 A4 A4/2",
     "A minor", "A Natural Minor"},
    {"Joshua Fit the Battle of Jericho", 4,
     "D4 E4 F4 G4 | A4/2 A4/2 | G4/2 G4/2 | A4/3 r | D4 E4 F4 G4 | A4/2 A4/2 | G4 F4 E4 C#4 | D4/3 "
     "r",
     "D minor", "D Harmonic Minor"},
    {"Scarborough Fair (Dorian)", 3,
     "D4/2 D4 | A4/2 A4 | E4/1.5 F4/0.5 E4 | D4/3 | A4 C5/2 | D5 C5 B4 | A4 B4 G4 | A4/3 | D5/2 D5 "
     "| D5/2 C5 | "
     "A4/2 A4 | G4 F4/2 | E4 C4/2 | D4/3 | A4/2 G4 | F4/1.5 E4/0.5 D4 | C4/2 D4 | D4/3",
     "D Dorian", "D Dorian"},
    {"Drunken Sailor (Dorian)", 4,
     "A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 | A4 D4 F4 A4 | "
     "G4/0.5 G4/0.5 G4/0.5 G4/0.5 G4/0.5 G4/0.5 G4/0.5 G4/0.5 | G4 C4 E4 G4 | "
     "A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 A4/0.5 | A4 B4 C5 D5 | C5 A4 G4 E4 | D4/2 "
     "D4/2",
     "D Dorian", "D Dorian"},
    {"Old Joe Clark (Mixolydian)", 4,
     "E5 E5/0.5 F#5/0.5 E5 C#5 | D5 E5 E5/2 | C#5 C#5/0.5 B4/0.5 A4 B4 | C#5 A4 A4/2 | "
     "E5 E5/0.5 F#5/0.5 E5 C#5 | D5 E5 F#5 G5 | F#5/0.5 E5/0.5 C#5 G5 E5 | C#5 A4 A4/2 | "
     "E5/2 G5/2 | F#5/0.5 E5/0.5 C#5 A4/2 | E5/2 G5/2 | E5 A4 A4/2",
     "A Mixolydian", "A Mixolydian"},
    {"London Bridge", 4,
     "F4/1.5 G4/0.5 F4 Eb4 | D4 Eb4 F4/2 | C4 D4 Eb4/2 | D4 Eb4 F4/2 | F4/1.5 G4/0.5 F4 Eb4 | D4 "
     "Eb4 F4/2 | "
     "C4/2 F4/2 | D4 Bb3/3",
     "Bb major", "Bb Major"},
    {"A blues line in C", 4,
     "C4/0.5 Eb4/0.5 E4 G4 Bb4 | A4/0.5 G4/0.5 Eb4/0.5 E4/0.5 C4/2 | C4/0.5 Eb4/0.5 E4 G4 Bb4 | "
     "C5/2 Bb4 G4 | "
     "F4/0.5 A4/0.5 C5 Eb5 C5 | A4/0.5 F4/0.5 Eb4 C4/2 | C4/0.5 Eb4/0.5 E4 G4 Bb4 | Gb4/0.5 G4/0.5 "
     "Eb4/0.5 E4/0.5 C4/2 | "
     "G4/0.5 B4/0.5 D5 F5 D5 | F4/0.5 A4/0.5 C5 Eb5 C5 | C4/0.5 Eb4/0.5 E4 Gb4/0.5 G4/0.5 Bb4 | "
     "C4/4",
     "C blues", "C Composite Blues"},
};

TEST(RankMelody, TheKeyOfTunesAsAListenerHearsIt) {
    for (const Tune& tune : kTunes) {
        SCOPED_TRACE(tune.name);
        const Melody melody = TuneOf(tune.notes, tune.beatsPerBar);
        const MelodyAnswer answer = RankMelody(Catalogue(), melody, {});
        ASSERT_FALSE(answer.scales.keys.empty());
        EXPECT_EQ(KeyText(answer.scales.keys.front()), tune.key);
        ASSERT_FALSE(answer.scales.best.empty());
        const BestFit& best = answer.scales.best.front();
        const std::string expected(tune.best);
        const std::size_t space = expected.find(' ');
        EXPECT_EQ(Catalogue()[best.entry].Scale + " " + std::to_string(best.root.SemitonesAboveC()),
                  expected.substr(space + 1) + " " +
                      std::to_string(
                          ParseNoteName(expected.substr(0, space)).PitchClass().SemitonesAboveC()));
    }
}

// Eight bars in C major, then eight in G major, its F sharpened.
constexpr const char* kToTheDominant =
    "C4 E4 G4 E4 | F4 D4 B3 D4 | C4 E4 G4 C5 | A4 F4 D4 F4 | E4 C4 G4 E4 | F4 A4 D4 B3 | D4 F4 G4 "
    "B3 | C4/4 | "
    "G4 B4 D5 B4 | C5 A4 F#4 A4 | G4 B4 D5 G5 | E5 C5 A4 C5 | B4 G4 D5 B4 | C5 E5 A4 F#4 | A4 C5 "
    "D5 F#4 | G4/4";

TEST(RankMelody, SectionsShowWhereAPieceChangesKey) {
    const Melody melody = TuneOf(kToTheDominant);
    const MelodyAnswer answer = RankMelody(Catalogue(), melody, {});
    ASSERT_EQ(answer.sections.size(), 2u);
    EXPECT_EQ(answer.sections[0].firstBar, 1);
    EXPECT_EQ(answer.sections[0].lastBar, 8);
    EXPECT_EQ(KeyText(answer.sections[0].keys.front()), "C major");
    EXPECT_EQ(answer.sections[1].firstBar, 9);
    EXPECT_EQ(answer.sections[1].lastBar, 16);
    EXPECT_EQ(KeyText(answer.sections[1].keys.front()), "G major");

    MelodyQuery fours;
    fours.barsPerSection = 4;
    fours.span.firstBar = 5;
    fours.span.lastBar = 12;
    const MelodyAnswer middle = RankMelody(Catalogue(), melody, fours);
    ASSERT_EQ(middle.sections.size(), 2u);
    EXPECT_EQ(middle.sections[0].firstBar, 5);
    EXPECT_EQ(middle.sections[1].lastBar, 12);
    EXPECT_EQ(KeyText(middle.sections[1].keys.front()), "G major");
    // Sections count from the first bar, whenever the notes start.
    const MelodyAnswer late = RankMelody(Catalogue(), TuneOf("r/28 C4/4 | G4/4 | C4/4"), {});
    ASSERT_EQ(late.sections.size(), 2u);
    EXPECT_EQ(late.sections[0].firstBar, 1);
    EXPECT_EQ(late.sections[1].firstBar, 9);
    // Bars 5 to 12 hold both F and F#, and nothing else of bars 1 to 4.
    EXPECT_TRUE(middle.kept.Has(PitchClass(5)) && middle.kept.Has(PitchClass(6)));
}

TEST(RankMelody, TheThresholdLeavesOutPassingNotes) {
    // C major, with one sixteenth-note C# on an off-beat.
    const Melody melody = TuneOf("C4 D4 E4 F4 | G4/0.75 C#4/0.25 E4 G4 E4 | F4 D4 B3 D4 | C4/4");
    MelodyQuery query;
    const MelodyAnswer answer = RankMelody(Catalogue(), melody, query);
    EXPECT_FALSE(answer.kept.Has(PitchClass(1)));
    EXPECT_TRUE(answer.kept.Has(PitchClass(11)));
    EXPECT_TRUE(answer.scales.best.front().HoldsEveryNote());
    query.threshold = 0;
    EXPECT_TRUE(RankMelody(Catalogue(), melody, query).kept.Has(PitchClass(1)));
    query.threshold = 0.1;
    EXPECT_FALSE(RankMelody(Catalogue(), melody, query).kept.Has(PitchClass(11)));
}

TEST(RankMelody, AKeySignatureTipsAMelodyThatCouldBeEither) {
    // The notes of C major and A minor alike, ending on neither tonic.
    Melody melody = TuneOf("E4 A4 C5 E5 | D5 B4 G4 E4 | A4 C5 E5 D5 | B4 G4 E4/2");
    const std::string alone = KeyText(RankMelody(Catalogue(), melody, {}).scales.keys.front());
    for (const auto& [fifths, mode, key] :
         {std::tuple{0, KeyMode::Major, "C major"}, std::tuple{0, KeyMode::Minor, "A minor"},
          std::tuple{-3, KeyMode::Minor, alone.c_str()}}) {
        melody.keys = {{0, fifths, mode}};
        EXPECT_EQ(KeyText(RankMelody(Catalogue(), melody, {}).scales.keys.front()), key) << fifths;
    }
}

TEST(RankMelody, NothingToHearGivesNothing) {
    const MelodyAnswer answer = RankMelody(Catalogue(), Melody{}, {});
    EXPECT_TRUE(answer.scales.keys.empty());
    EXPECT_TRUE(answer.scales.best.empty());
    EXPECT_TRUE(answer.sections.empty());
}

}  // namespace
}  // namespace orvel
