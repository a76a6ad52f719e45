// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>

#include "support/Tunes.h"
#include "theory/MelodyProfile.h"
#include "theory/PlayedPhrase.h"

namespace orvel {
namespace {

using testing_support::TuneOf;

struct Weighed {
    const char* tune;  // the weighed note is the first E; the tune ends on C
    double beatsPerBar;
    double weightOfE;
};

// Each note by its length (a bar of 4/4 at most), half again on a downbeat,
// a quarter again mid-bar in an even bar, half when shorter than a
// sixteenth; the last note twice.
constexpr Weighed kWeighed[] = {
    {"E4 C4", 4, 1.5},
    {"r E4 C4", 4, 1},
    {"r/2 E4 C4", 4, 1.25},
    {"r/2 E4 C4", 3, 1},
    {"r/0.5 E4/0.5 C4", 4, 0.5},
    {"r/0.5 E4/0.25 C4", 4, 0.25},
    {"r/0.5 E4/0.125 C4", 4, 0.0625},
    {"E4/8 C4", 4, 6},
    {"r E4/3 C4", 3, 3},
    {"C4 E4", 4, 2},
    {"C4/3 E4/3", 3, 9},
    {"E4 C4 E4 C4", 4, 2.75},
};

TEST(MelodyProfile, EachNoteCountsByLengthBeatAndPlace) {
    for (const Weighed& c : kWeighed) {
        const Melody melody = TuneOf(c.tune, c.beatsPerBar);
        const MelodyProfile profile = WeighMelody(melody, {});
        EXPECT_DOUBLE_EQ(profile.weights.Of(PitchClass(4)), c.weightOfE) << c.tune;
    }
}

TEST(MelodyProfile, AGraceNoteCountsLittleAndTheLastNoteIsTheLowestOfTheLastChord) {
    Melody melody = TuneOf("E4 r G4/2");
    melody.notes[0].grace = true;
    melody.notes[0].length = 0;
    MelodyNote c = melody.notes[1];  // C below the last G
    c.midiKey = 60;
    melody.notes.push_back(c);
    const MelodyProfile profile = WeighMelody(melody, {});
    EXPECT_DOUBLE_EQ(profile.weights.Of(PitchClass(4)), 0.1);
    EXPECT_EQ(profile.lastNote, PitchClass(0));
    EXPECT_DOUBLE_EQ(profile.weights.Of(PitchClass(7)), 2 * 2 * 1.25);
}

TEST(MelodyProfile, ASpanTakesItsPartsAndBars) {
    Melody melody = TuneOf("C4 D4 E4 F4 | G4 A4 B4 C5");
    melody.parts.push_back({"Second", 1});
    melody.notes[1].part = 1;
    MelodySpan span;
    span.parts = {1};
    EXPECT_EQ(KeptNotes(WeighMelody(melody, span).weights, 0).Bits(), 1u << 2);
    span = {};
    span.firstBar = 2;
    const MelodyProfile second = WeighMelody(melody, span);
    EXPECT_EQ(second.weights.Of(PitchClass(4)), 0);
    EXPECT_GT(second.weights.Of(PitchClass(7)), 0);
    span.firstBar = 1;
    span.lastBar = 1;
    EXPECT_EQ(WeighMelody(melody, span).lastNote, PitchClass(5));
}

TEST(MelodyProfile, KeptNotesCarryTheirShare) {
    NoteWeights weights;
    weights.ofPitchClass = {10, 0, 5, 0, 2, 0, 0, 3, 0, 0, 0, 0};  // 20 in all
    EXPECT_EQ(KeptNotes(weights, 0).Bits(), 0b10010101u);
    EXPECT_EQ(KeptNotes(weights, 0.1).Bits(), 0b10010101u);
    EXPECT_EQ(KeptNotes(weights, 0.11).Bits(), 0b10000101u);
    EXPECT_EQ(KeptNotes(weights, 0.15).Bits(), 0b10000101u);
    EXPECT_EQ(KeptNotes(weights, 0.16).Bits(), 0b101u);
    EXPECT_DOUBLE_EQ(KeptWeights(weights, 0.16).Total(), 15);
}

TEST(Melody, BarsFollowTheMeter) {
    Melody melody;
    melody.meter = {{0, 4, 1}, {8, 3, 3}, {14, 2.5, 5}};
    const struct {
        double beat;
        int bar;
    } cases[] = {{0, 1},  {3.99, 1}, {4, 2},    {8, 3}, {10.99, 3},
                 {11, 4}, {14, 5},   {16.5, 6}, {-1, 1}};
    for (const auto& c : cases) {
        EXPECT_EQ(melody.BarAt(c.beat), c.bar) << c.beat;
        if (c.beat >= 0 && c.beat == std::floor(c.beat) && melody.BarAt(c.beat - 0.01) != c.bar) {
            EXPECT_DOUBLE_EQ(melody.BarStart(c.bar), c.beat) << c.bar;
        }
    }
    EXPECT_EQ(Melody{}.BarAt(1e30), 1'000'000'000);
}

TEST(PlayedPhrase, KeysPressedAndReleasedBecomeNotesCountedFromTheFirst) {
    PlayedPhrase phrase;
    phrase.Release(50, 9.0);  // never pressed
    phrase.Press(60, 10.0);
    phrase.Press(64, 10.5);
    phrase.Press(60, 11.0);  // struck again while held
    phrase.Release(60, 11.25);
    phrase.Release(64, 11.5);
    phrase.Press(67, 12.0);
    const Melody melody = phrase.Take(13.0);
    const struct {
        int key;
        double start;
        double length;
    } expected[] = {{60, 0, 2.5}, {64, 1, 2}, {60, 2, 4}, {67, 4, 2}};
    ASSERT_EQ(melody.notes.size(), std::size(expected));
    for (std::size_t i = 0; i < melody.notes.size(); ++i) {
        EXPECT_EQ(melody.notes[i].midiKey, expected[i].key) << i;
        EXPECT_DOUBLE_EQ(melody.notes[i].start, expected[i].start) << i;
        EXPECT_DOUBLE_EQ(melody.notes[i].length, expected[i].length) << i;
        EXPECT_DOUBLE_EQ(melody.notes[i].startSeconds * PlayedPhrase::kBeatsPerSecond,
                         expected[i].start)
            << i;
    }
    ASSERT_EQ(melody.parts.size(), 1u);
    EXPECT_EQ(melody.parts[0].noteCount, 4u);
    EXPECT_TRUE(phrase.Empty());
    EXPECT_TRUE(phrase.Take(20).notes.empty());
}

}  // namespace
}  // namespace orvel
