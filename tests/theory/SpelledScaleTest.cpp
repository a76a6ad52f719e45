// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "scales/LoadScales.h"
#include "support/Notes.h"
#include "theory/SpelledScale.h"
#include "theory/Triad.h"

namespace orvel {
namespace {

PitchClassSet SetOf(std::initializer_list<int> positions) {
    return SetOfPositions([&](int position) {
        return std::find(positions.begin(), positions.end(), position) != positions.end();
    });
}

constexpr PitchClass kDb{1}, kD{2}, kEb{3}, kF{5}, kFs{6}, kGs{8}, kA{9}, kBb{10};
constexpr SpellAs kScale = SpellAs::Scale;
constexpr SpellAs kChord = SpellAs::Chord;
constexpr RootSpelling kAuto = RootSpelling::Automatic;

const PitchClassSet kMajor = SetOf({0, 2, 4, 5, 7, 9, 11});
const PitchClassSet kNaturalMinor = SetOf({0, 2, 3, 5, 7, 8, 10});

TEST(SpellScale, KnownScalesAndChordsAsMusiciansWriteThem) {
    const struct {
        const char* name;
        PitchClassSet set;
        PitchClass root;
        SpellAs kind;
        RootSpelling spelling;
        const char* notes;
        const char* intervals;
    } known[] = {
        // Seven notes: each letter once; the root's name by the rules.
        {"F major", kMajor, kF, kScale, kAuto, "F G A Bb C D E", "1 2 3 4 5 6 7"},
        {"Db major", kMajor, kDb, kScale, kAuto, "Db Eb F Gb Ab Bb C", "1 2 3 4 5 6 7"},
        {"Gb major, tied with F#", kMajor, kFs, kScale, kAuto, "Gb Ab Bb Cb Db Eb F",
         "1 2 3 4 5 6 7"},
        {"F# major asked for", kMajor, kFs, kScale, RootSpelling::Sharps, "F# G# A# B C# D# E#",
         "1 2 3 4 5 6 7"},
        {"Db major asked for as C#", kMajor, kDb, kScale, RootSpelling::Sharps,
         "C# D# E# F# G# A# B#", "1 2 3 4 5 6 7"},
        {"C# minor", kNaturalMinor, kDb, kScale, kAuto, "C# D# E F# G# A B", "1 2 b3 4 5 b6 b7"},
        {"Eb minor", kNaturalMinor, kEb, kScale, kAuto, "Eb F Gb Ab Bb Cb Db", "1 2 b3 4 5 b6 b7"},
        {"G# harmonic minor", SetOf({0, 2, 3, 5, 7, 8, 11}), kGs, kScale, kAuto,
         "G# A# B C# D# E F##", "1 2 b3 4 5 b6 7"},
        {"C# altered", SetOf({0, 1, 3, 4, 6, 8, 10}), kDb, kScale, kAuto, "C# D E F G A B",
         "1 b2 b3 b4 b5 b6 b7"},
        {"A Locrian", SetOf({0, 1, 3, 5, 6, 8, 10}), kA, kScale, kAuto, "A Bb C D Eb F G",
         "1 b2 b3 4 b5 b6 b7"},
        // Other sizes: the same intervals on every root.
        {"minor pentatonic", SetOf({0, 3, 5, 7, 10}), kFs, kScale, kAuto, "F# A B C# E",
         "1 b3 4 5 b7"},
        {"Malkauns", SetOf({0, 3, 5, 8, 10}), kC, kScale, kAuto, "C Eb F Ab Bb", "1 b3 4 b6 b7"},
        {"Iwato", SetOf({0, 1, 5, 6, 10}), kC, kScale, kAuto, "C Db F Gb Bb", "1 b2 4 b5 b7"},
        {"Super Locrian Pentatonic", SetOf({0, 3, 4, 6, 10}), kC, kScale, kAuto, "C Eb E Gb Bb",
         "1 b3 3 b5 b7"},
        {"Hirajoshi", SetOf({0, 2, 3, 7, 8}), kA, kScale, kAuto, "A B C E F", "1 2 b3 5 b6"},
        {"Bb minor blues", SetOf({0, 3, 5, 6, 7, 10}), kBb, kScale, kAuto, "Bb Db Eb Fb F Ab",
         "1 b3 4 b5 5 b7"},
        {"major blues", SetOf({0, 2, 3, 4, 7, 9}), kC, kScale, kAuto, "C D Eb E G A",
         "1 2 b3 3 5 6"},
        {"D whole tone", SetOf({0, 2, 4, 6, 8, 10}), kD, kScale, kAuto, "D E F# G# A# C",
         "1 2 3 #4 #5 b7"},
        {"augmented", SetOf({0, 3, 4, 7, 8, 11}), kC, kScale, kAuto, "C D# E G G# B",
         "1 #2 3 5 #5 7"},
        {"half-whole", SetOf({0, 1, 3, 4, 6, 7, 9, 10}), kC, kScale, kAuto, "C Db Eb E F# G A Bb",
         "1 b2 b3 3 #4 5 6 b7"},
        {"whole-half", SetOf({0, 2, 3, 5, 6, 8, 9, 11}), kC, kScale, kAuto, "C D Eb F Gb Ab A B",
         "1 2 b3 4 b5 b6 6 7"},
        {"Kafi raga: a 4 beside the thirds", SetOf({0, 3, 4, 5, 7, 9, 10, 11}), kC, kScale, kAuto,
         "C Eb E F G A Bb B", "1 b3 3 4 5 6 b7 7"},
        {"bebop major", SetOf({0, 2, 4, 5, 7, 8, 9, 11}), kC, kScale, kAuto, "C D E F G G# A B",
         "1 2 3 4 5 #5 6 7"},
        {"flat six pentatonic", SetOf({0, 2, 4, 7, 8}), kC, kScale, kAuto, "C D E G Ab",
         "1 2 3 5 b6"},
        {"Prometheus", SetOf({0, 2, 4, 6, 9, 10}), kC, kScale, kAuto, "C D E F# A Bb",
         "1 2 3 #4 6 b7"},
        {"chromatic", kAllPositions, kC, kScale, kAuto, "C Db D Eb E F F# G Ab A Bb B",
         "1 b2 2 b3 3 4 #4 5 b6 6 b7 7"},
        // Chords: stacked thirds.
        {"diminished triad", SetOf({0, 3, 6}), kC, kChord, kAuto, "C Eb Gb", "1 b3 b5"},
        {"augmented triad", SetOf({0, 4, 8}), kC, kChord, kAuto, "C E G#", "1 3 #5"},
        {"half-diminished", SetOf({0, 3, 6, 10}), kC, kChord, kAuto, "C Eb Gb Bb", "1 b3 b5 b7"},
        {"diminished 7th", SetOf({0, 3, 6, 9}), kC, kChord, kAuto, "C Eb Gb Bbb", "1 b3 b5 bb7"},
        {"augmented 7th", SetOf({0, 4, 8, 10}), kC, kChord, kAuto, "C E G# Bb", "1 3 #5 b7"},
        {"dominant 9th", SetOf({0, 2, 4, 7, 10}), kC, kChord, kAuto, "C E G Bb D", "1 3 5 b7 9"},
        {"7#9", SetOf({0, 3, 4, 7, 10}), kC, kChord, kAuto, "C E G Bb D#", "1 3 5 b7 #9"},
        {"7b9", SetOf({0, 1, 4, 7, 10}), kC, kChord, kAuto, "C E G Bb Db", "1 3 5 b7 b9"},
        {"maj7#11", SetOf({0, 4, 6, 7, 11}), kC, kChord, kAuto, "C E G B F#", "1 3 5 7 #11"},
        {"7b13", SetOf({0, 4, 7, 8, 10}), kC, kChord, kAuto, "C E G Bb Ab", "1 3 5 b7 b13"},
        {"dominant 13th", SetOf({0, 2, 4, 7, 9, 10}), kC, kChord, kAuto, "C E G Bb D A",
         "1 3 5 b7 9 13"},
        {"minor 11th", SetOf({0, 2, 3, 5, 7, 10}), kC, kChord, kAuto, "C Eb G Bb D F",
         "1 b3 5 b7 9 11"},
        {"sus2", SetOf({0, 2, 7}), kC, kChord, kAuto, "C D G", "1 2 5"},
        {"9sus4", SetOf({0, 2, 5, 7, 10}), kC, kChord, kAuto, "C F G Bb D", "1 4 5 b7 9"},
        {"6/9", SetOf({0, 2, 4, 7, 9}), kC, kChord, kAuto, "C E G A D", "1 3 5 6 9"},
        {"minor 6th", SetOf({0, 3, 7, 9}), kC, kChord, kAuto, "C Eb G A", "1 b3 5 6"},
        {"Db major triad", SetOf({0, 4, 7}), kDb, kChord, kAuto, "Db F Ab", "1 3 5"},
        {"C#m(maj7), tied: the key of C# minor", SetOf({0, 3, 7, 11}), kDb, kChord, kAuto,
         "C# E G# B#", "1 b3 5 7"},
    };
    int checked = 0;
    for (const auto& row : known) {
        const SpelledScale scale = SpellScale(row.set, row.root, row.kind, row.spelling);
        EXPECT_EQ(scale.AsciiNotes(), row.notes) << row.name;
        EXPECT_EQ(scale.IntervalsText(), row.intervals) << row.name;
        ++checked;
    }
    EXPECT_EQ(checked, 44);
    const SpelledScale diminished = SpellScale(SetOf({0, 3, 6, 9}), kC, kChord);
    EXPECT_EQ(diminished.DisplayNotes(), "C E\u266D G\u266D B\U0001D12B");
    EXPECT_EQ(diminished.DisplayIntervals(), "1 \u266D3 \u266D5 \U0001D12B7");
}

// Every entry of the shipped catalogue, spelled as its bank says, on all
// twelve roots.
TEST(SpellScale, EveryCatalogueEntryKeepsItsIntervalsOnEveryRoot) {
    std::ostringstream warnings;
    const ScaleLoad load = LoadScales(ORVEL_CATALOGUE, warnings);
    ASSERT_FALSE(load.failure.has_value());
    int checked = 0;
    for (const TScale& entry : load.scales) {
        const SpellAs kind = SpellAsFor(entry.Bank);
        const std::string intervals = SpellScale(entry.Notes, kC, kind).IntervalsText();
        const std::vector<int> positions = PositionsOf(entry.Notes);
        for (int semitones = 0; semitones < 12; ++semitones) {
            const PitchClass root(semitones);
            const SpelledScale scale = SpellScale(entry.Notes, root, kind);
            const std::string what =
                entry.Scale + " on " + std::to_string(semitones) + ": " + scale.AsciiNotes();
            ASSERT_EQ(scale.IntervalsText(), intervals) << what;
            ASSERT_EQ(scale.root.PitchClass(), root) << what;
            std::vector<int> sounding;
            for (const NoteName& note : scale.notes) {
                sounding.push_back(root.SemitonesUpTo(note.PitchClass()));
                ASSERT_LE(std::abs(note.accidental), 2) << what;
            }
            std::sort(sounding.begin(), sounding.end());
            ASSERT_EQ(sounding, positions) << what;
            if (positions.size() == 7 && kind == SpellAs::Scale) {
                for (int i = 0; i < 7; ++i) {
                    ASSERT_EQ(scale.notes[static_cast<std::size_t>(i)].letter,
                              (scale.root.letter + i) % 7)
                        << what;
                }
            }
            ++checked;
        }
    }
    EXPECT_EQ(checked, static_cast<int>(load.scales.size()) * 12);
    std::cout << "spelled " << checked << " catalogue rows\n";
}

TEST(SpellScale, EverySetSoundsItsNotesFromAnyRoot) {
    int checked = 0;
    for (PitchClassSet set = 0; set <= kAllPositions; ++set) {
        for (const SpellAs kind : {kScale, kChord}) {
            for (int semitones = 0; semitones < 12; ++semitones) {
                const PitchClass root(semitones);
                const SpelledScale scale = SpellScale(set, root, kind);
                int sounding = 0;
                for (const NoteName& note : scale.notes) {
                    sounding |= 1 << root.SemitonesUpTo(note.PitchClass());
                    ASSERT_LE(std::abs(note.accidental), 2) << set << " on " << semitones;
                }
                ASSERT_EQ(scale.notes.size(), PositionsOf(set).size());
                ASSERT_EQ(SetOfPositions([&](int p) { return (sounding >> p) & 1; }), set)
                    << "set " << set << " root " << semitones;
                ++checked;
            }
            // A root as typed, even C♭ or B♯: never a note of three accidentals.
            for (int letter = 0; letter < 7; ++letter) {
                for (int accidental = -1; accidental <= 1; ++accidental) {
                    const NoteName root{letter, accidental};
                    int sounding = 0;
                    for (const NoteName& note : SpellScale(set, root, kind).notes) {
                        ASSERT_LE(std::abs(note.accidental), 2) << set << " on " << root.Ascii();
                        sounding |= 1 << root.PitchClass().SemitonesUpTo(note.PitchClass());
                    }
                    ASSERT_EQ(SetOfPositions([&](int p) { return (sounding >> p) & 1; }), set);
                }
            }
        }
    }
    EXPECT_EQ(checked, 4096 * 2 * 12);
}

TEST(Triads, StackedThirdsOnEachDegreeOfASevenNoteScaleOnly) {
    const auto symbols = [](PitchClassSet set, PitchClass root) {
        std::string joined;
        for (const Triad& triad : DegreeTriads(SpellScale(set, root))) {
            joined += (joined.empty() ? "" : " ") + triad.Symbol();
        }
        return joined;
    };
    EXPECT_EQ(symbols(kMajor, kC), "C Dm Em F G Am B\u00B0");
    EXPECT_EQ(symbols(SetOf({0, 2, 3, 5, 7, 9, 11}), kC),
              "Cm Dm E\u266D+ F G A\u00B0 B\u00B0");  // melodic minor
    EXPECT_TRUE(symbols(SetOf({0, 2, 4, 6, 8, 9, 10}), kC).starts_with("C+ D E(\u266D5) "))
        << "Lydian augmented dominant: a major third under a flat fifth on E";
    EXPECT_EQ(symbols(SetOf({0, 4, 7}), kC), "");
    EXPECT_EQ(symbols(SetOf({0, 2, 4, 5, 7, 9, 10, 11}), kC), "") << "bebop: eight notes";
    EXPECT_EQ(DegreeTriads(SpellScale(SetOf({0, 1, 3, 4, 6, 8, 10}), kC, kChord)).size(), 0u)
        << "a seven-note chord";
    EXPECT_EQ(DegreeTriads(SpellScale(kMajor, kC))[6].Quality(), "diminished");
}

TEST(SpellEntry, AnEntryIsSpelledAsItsBankAsks) {
    const struct {
        const char* bank;
        std::initializer_list<int> positions;
        PitchClass root;
        RootSpelling spelling;
        const char* notes;
    } entries[] = {
        {"Chords", {0, 3, 6, 9}, PitchClass(0), kAuto, "C Eb Gb Bbb"},
        {"Symmetric", {0, 3, 6, 9}, PitchClass(0), kAuto, "C Eb Gb A"},
        {"Chords", {0, 2, 4, 7}, kD, kAuto, "D F# A E"},
        {"Pentatonic", {0, 2, 4, 7}, kD, kAuto, "D E F# A"},
        {"Major Modes", {0, 2, 4, 5, 7, 9, 11}, kFs, RootSpelling::Flats, "Gb Ab Bb Cb Db Eb F"},
    };
    for (const auto& row : entries) {
        TScale entry;
        entry.Bank = row.bank;
        entry.Notes = SetOf(row.positions);
        EXPECT_EQ(SpellEntry(entry, row.root, row.spelling).AsciiNotes(), row.notes) << row.bank;
    }
}

}  // namespace
}  // namespace orvel
