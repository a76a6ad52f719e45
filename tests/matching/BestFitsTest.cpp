// SPDX-License-Identifier: GPL-3.0-or-later
// The key and the first best fit a musician gives, over the shipped
// catalogue.

#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "matching/RankScales.h"
#include "support/ShippedCatalogue.h"
#include "theory/ParseNoteName.h"
#include "theory/RootName.h"

namespace orvel {
namespace {

const std::vector<TScale>& Catalogue() {
    return testing_support::ShippedCatalogue();
}

struct Answer {
    const char* chords;
    const char* key;   // the first key, as the window shows it in ASCII
    const char* best;  // the first best fit: root and the name shown first
};

std::string KeyText(const Key& key) {
    return key.tonic.Ascii() + " " + std::string(key.ModeName());
}

// Written from what teachers and fake books say of each progression.
const Answer kAnswers[] = {
    // Pop loops.
    {"Am F C G", "A minor", "A Natural Minor"},
    {"C G Am F", "C major", "C Major"},
    {"Am G F G", "A minor", "A Natural Minor"},
    {"Em C G D", "E minor", "E Natural Minor"},
    {"Cm Ab Bb", "C minor", "C Natural Minor"},
    {"G D Em C", "G major", "G Major"},
    {"C Am F G", "C major", "C Major"},
    {"D A Bm G", "D major", "D Major"},
    {"F C Dm Bb", "F major", "F Major"},
    {"E B C#m A", "E major", "E Major"},
    {"Gm Eb Bb F", "G minor", "G Natural Minor"},
    // Major ii-V-I, sharp and flat keys.
    {"Dm7 G7 Cmaj7", "C major", "C Major"},
    {"G#m7 C#7 F#maj7", "F# major", "F# Major"},
    {"Ebm7 Ab7 Dbmaj7", "Db major", "Db Major"},
    {"Cm7 F7 Bbmaj7", "Bb major", "Bb Major"},
    {"Am7 D7 Gmaj7", "G major", "G Major"},
    {"Cmaj7 Am7 Dm7 G7", "C major", "C Major"},
    {"Fmaj7 Em7 Dm7 Cmaj7", "C major", "C Major"},
    {"G7 Cmaj7", "C major", "C Major"},
    // Minor ii-V-i.
    {"Bm7b5 E7 Am", "A minor", "A Harmonic Minor"},
    {"Bbm7b5 Eb7b9 Abm", "Ab minor", "Ab Harmonic Minor"},
    {"Em7b5 A7b9 Dm7", "D minor", "D Harmonic Minor"},
    {"F#m7b5 B7 Em", "E minor", "E Harmonic Minor"},
    {"D#m7b5 G#7 C#m", "C# minor", "C# Harmonic Minor"},
    {"Am Dm E7 Am", "A minor", "A Harmonic Minor"},
    {"| Dm7b5 | G7b9 | Cm6 | Cm6 |", "C minor", "C Harmonic Minor"},
    {"| Am | Dm | E7 | % |", "A minor", "A Harmonic Minor"},
    {"Dm Gm A7 Dm", "D minor", "D Harmonic Minor"},
    {"| Cm7 | F7 | Bbmaj7 | Ebmaj7 | Am7b5 | D7 | Gm | Gm |", "G minor", "G Natural Minor"},
    // Blues.
    {"| F7 | Bb7 | F7 | F7 | Bb7 | Bb7 | F7 | F7 | C7 | Bb7 | F7 | C7 |", "F blues",
     "F Mixolydian"},
    {"| Bb7 | Eb7 | Bb7 | Fm7 Bb7 | Eb7 | Edim7 | Bb7 | G7 | Cm7 | F7 | Bb7 G7 | Cm7 F7 |",
     "Bb blues", "Bb Mixolydian"},
    {"A7 D7 A7 E7 D7 A7 E7", "A blues", "A Mixolydian"},
    {"C7 F7", "C blues", "C Mixolydian"},
    {"| Cm7 | Fm7 | Cm7 | Cm7 | Fm7 | Fm7 | Cm7 | Cm7 | Ab7 | G7 | Cm7 | G7 |", "C minor",
     "C Natural Minor"},
    // Modal vamps.
    {"| Dm7 | G7 | Dm7 | G7 |", "D Dorian", "D Dorian"},
    {"Am7 D7", "A Dorian", "A Dorian"},
    {"| Dm7 | Dm7 | Em7 | Dm7 |", "D Dorian", "D Dorian"},
    {"Em7 A7", "E Dorian", "E Dorian"},
    {"G F C G", "G Mixolydian", "G Mixolydian"},
    {"D C G D", "D Mixolydian", "D Mixolydian"},
    {"A G D A", "A Mixolydian", "A Mixolydian"},
    {"| Cmaj7 | D/C |", "C Lydian", "C Lydian"},
    {"Em F Em F", "E Phrygian", "E Phrygian"},
    {"Am Bb Am", "A Phrygian", "A Phrygian"},
    // Rhythm changes.
    {"| Bbmaj7 G7 | Cm7 F7 | Dm7 G7 | Cm7 F7 | Fm7 Bb7 | Ebmaj7 Edim7 | Dm7 G7 | Cm7 F7 |",
     "Bb major", "Bb Major"},
    // Secondary dominants.
    {"Dm7 G7 Cmaj7 A7", "C major", "C Major"},
    {"C A7 Dm G7 C", "C major", "C Major"},
    {"C E7 Am F G7 C", "C major", "C Major"},
    {"G B7 Em C D7 G", "G major", "G Major"},
    {"C D7 G7 C", "C major", "C Major"},
    // Tritone substitutes.
    {"Dm7 Db7 Cmaj7", "C major", "C Major"},
    {"Em7 Eb7 Dmaj7", "D major", "D Major"},
    {"Gm7 Gb7 Fmaj7", "F major", "F Major"},
};

TEST(BestFits, TheKeyAndTheFirstBestFitAreAMusiciansAnswer) {
    for (const Answer& answer : kAnswers) {
        const Progression progression = ReadProgression(answer.chords, ReadAs::Chords);
        const ChordScales ranked = RankProgression(Catalogue(), progression);
        ASSERT_FALSE(ranked.keys.empty() || ranked.best.empty()) << answer.chords;
        EXPECT_EQ(KeyText(ranked.keys.front()), answer.key) << answer.chords;
        const std::string best(answer.best);
        const std::size_t space = best.find(' ');
        const BestFit& first = ranked.best.front();
        EXPECT_EQ(first.root, ParseNoteName(best.substr(0, space)).PitchClass()) << answer.chords;
        EXPECT_EQ(Catalogue()[first.entry].Scale, best.substr(space + 1)) << answer.chords;
        // One row for one collection on one root; a symmetric scale once.
        std::set<std::pair<int, std::uint32_t>> rootAndNotes;
        std::set<std::pair<std::uint32_t, std::uint32_t>> scaleAndNotes;
        for (const BestFit& row : ranked.best) {
            const std::uint32_t notes = NotesOn(Catalogue()[row.entry].Notes, row.root).Bits();
            EXPECT_TRUE(rootAndNotes.emplace(row.root.SemitonesAboveC(), notes).second)
                << answer.chords;
            EXPECT_TRUE(scaleAndNotes.emplace(row.entry, notes).second) << answer.chords;
            const NoteName root = RootName(row.root, progression, ranked.keys);
            EXPECT_EQ(root.PitchClass(), row.root);
            EXPECT_TRUE(root.accidental != 0 || SpellScale(0, row.root).root.accidental == 0)
                << "a white key by its letter: " << root.Ascii() << " in " << answer.chords;
        }
    }
    // Twelve notes: the chromatic scale once, with its other name folded in.
    const ChordScales chromatic = RankProgression(
        Catalogue(), ReadProgression("C C# D D# E F F# G G# A A# B", ReadAs::Notes));
    int shown = 0;
    for (const BestFit& row : chromatic.best) {
        shown += Catalogue()[row.entry].Scale == "Chromatic" ? 1 : 0;
    }
    EXPECT_EQ(shown, 1);
}

struct ChordScaleAnswer {
    const char* chords;
    const char* chord;
    const char* first;  // the chord-scale taught first
};

// Jazz teaching's first chord-scale, by the chord's quality and function.
const ChordScaleAnswer kChordScales[] = {
    {"Dm7 G7 Cmaj7", "Dm7", "Dorian"},
    {"Dm7 G7 Cmaj7", "G7", "Mixolydian"},
    {"Cmaj7 Fmaj7 G7 Cmaj7", "Fmaj7", "Lydian"},
    {"Cmaj7 Em7 Am7 Dm7 G7", "Em7", "Phrygian"},
    {"Cmaj7 Em7 Am7 Dm7 G7", "Am7", "Natural Minor"},
    {"Bm7b5 E7 Am", "Bm7b5", "Locrian"},
    {"Bm7b5 E7 Am", "E7", "Phrygian Dominant"},
    {"Bbm7b5 Eb7b9 Abm", "Eb7b9", "Phrygian Dominant"},
    {"Dm7 G7 Cmaj7 A7", "A7", "Phrygian Dominant"},
    {"| C | E7 | F | Fm | C |", "E7", "Phrygian Dominant"},
    {"Dm7 Db7 Cmaj7", "Db7", "Lydian Dominant"},
    {"| Cmaj7 | D7 | Dm7 G7 |", "D7", "Lydian Dominant"},
    {"| Fmaj7 | % | G7 | % | Gm7 | Gb7 |", "G7", "Lydian Dominant"},
    {"G7alt Cmaj7", "G7alt", "Altered"},
    {"C7#11", "C7#11", "Lydian Dominant"},
    {"C7#11 Fm", "C7#11", "Lydian Dominant"},
    {"Cdim7", "Cdim7", "Diminished"},
    {"Cdim", "Cdim", "Diminished"},
    {"C7b9 Fmaj7", "C7b9", "Dominant Diminished"},
    {"C7#5 Fmaj7", "C7#5", "Whole Tone"},
    {"C7sus4", "C7sus4", "Mixolydian"},
    {"Cmaj7#11", "Cmaj7#11", "Lydian"},
    {"CmMaj7", "CmMaj7", "Melodic Minor"},
    {"| F7 | Bb7 | F7 | C7 |", "Bb7", "Mixolydian"},
    {"| F7 | Bb7 | F7 | C7 |", "C7", "Mixolydian"},
};

TEST(ChordScales, TheFirstChoiceFollowsTheChordsQualityAndFunction) {
    for (const ChordScaleAnswer& answer : kChordScales) {
        const Progression progression = ReadProgression(answer.chords, ReadAs::Chords);
        const ChordScales ranked = RankProgression(Catalogue(), progression);
        const std::vector<const ChordSymbol*> chords = progression.Chords();
        std::size_t c = 0;
        while (c < chords.size() && chords[c]->text != answer.chord) {
            ++c;
        }
        ASSERT_LT(c, ranked.perChord.size()) << answer.chords;
        ASSERT_FALSE(ranked.perChord[c].empty()) << answer.chord;
        const RankedScale& first = ranked.perChord[c].front();
        EXPECT_EQ(Catalogue()[first.entry].Scale, answer.first)
            << answer.chord << " in " << answer.chords;
        EXPECT_EQ(first.root, chords[c]->root.PitchClass()) << answer.chord;
        std::set<PitchClassSet> collections;  // one row for the same notes
        for (const RankedScale& row : ranked.perChord[c]) {
            EXPECT_TRUE(collections.insert(Catalogue()[row.entry].Notes).second) << answer.chord;
        }
    }
    // Added notes are counted against the chord: G Mixolydian adds A C E to G7.
    const ChordScales ranked =
        RankProgression(Catalogue(), ReadProgression("Dm7 G7 Cmaj7", ReadAs::Chords));
    EXPECT_EQ(ranked.perChord[1].front().added, 3);
    EXPECT_TRUE(ranked.perChord[1].front().fitsProgression);
}

// Each note's letter follows the root's, degree by degree: the scale is
// spelled from the chord's letter.
void ExpectSpelledFrom(const SpelledScale& scale, const std::string& what) {
    for (std::size_t degree = 0; degree < scale.notes.size(); ++degree) {
        EXPECT_EQ(scale.notes[degree].letter, (scale.root.letter + static_cast<int>(degree)) % 7)
            << what << ": " << scale.AsciiNotes();
    }
}

TEST(ChordScales, TwoFiveOnesInEveryKeyAreSpelledFromTheirChordsInTheKeysAccidentals) {
    // Tonics as keys are written: the sharp keys with sharps, the flat with flats.
    const char* major[] = {"C", "G", "D", "A", "E", "B", "F#", "Db", "Ab", "Eb", "Bb", "F"};
    const char* minor[] = {"A", "E", "B", "F#", "C#", "G#", "D", "G", "C", "F", "Bb", "Eb"};
    for (const bool isMajor : {true, false}) {
        for (const char* tonic : isMajor ? major : minor) {
            const Key key{ParseNoteName(tonic), isMajor ? KeyMode::Major : KeyMode::Minor};
            const SpelledScale scale = SpellScale(key.Collection(), key.tonic);
            const std::string two = scale.notes[1].Ascii();
            const std::string five = scale.notes[4].Ascii();
            const std::string line = isMajor ? two + "m7 " + five + "7 " + tonic + "maj7"
                                             : two + "m7b5 " + five + "7b9 " + tonic + "m";
            const Progression progression = ReadProgression(line, ReadAs::Chords);
            const ChordScales ranked = RankProgression(Catalogue(), progression);
            ASSERT_FALSE(ranked.keys.empty()) << line;
            EXPECT_EQ(ranked.keys.front(), key) << line;
            const std::vector<const ChordSymbol*> chords = progression.Chords();
            for (std::size_t c = 0; c < chords.size(); ++c) {
                const TScale& entry = Catalogue()[ranked.perChord[c].front().entry];
                const SpelledScale spelled =
                    SpellScale(entry.Notes, ChordScaleRoot(*chords[c]), SpellAsFor(entry.Bank));
                EXPECT_EQ(spelled.root, chords[c]->root) << line;
                ExpectSpelledFrom(spelled, line + ": " + entry.Scale);
            }
            const BestFit& best = ranked.best.front();
            const SpelledScale bestSpelled =
                SpellScale(Catalogue()[best.entry].Notes,
                           RootName(best.root, progression, ranked.keys), SpellAs::Scale);
            EXPECT_EQ(bestSpelled.root, key.tonic) << line;
            ExpectSpelledFrom(bestSpelled, line);
            const bool flats = std::string(tonic).find('b') != std::string::npos ||
                               (isMajor ? std::string(tonic) == "F"
                                        : std::string("DGCF").find(tonic) != std::string::npos);
            // Minor's leading tone is raised whatever the key (C# in D minor).
            const std::size_t signed7 = isMajor ? 7 : 6;
            for (std::size_t degree = 0; degree < signed7; ++degree) {
                const int accidental = bestSpelled.notes[degree].accidental;
                EXPECT_TRUE(flats ? accidental <= 0 : accidental >= 0)
                    << line << ": " << bestSpelled.AsciiNotes();
            }
        }
    }
}

}  // namespace
}  // namespace orvel
