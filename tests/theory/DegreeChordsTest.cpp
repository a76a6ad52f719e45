// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "theory/ChordSymbol.h"
#include "theory/DegreeChords.h"
#include "theory/ParseNoteName.h"

namespace orvel {
namespace {

std::string Joined(const std::vector<DegreeChord>& chords, bool sevenths, bool numerals) {
    std::string text;
    for (const DegreeChord& chord : chords) {
        const std::optional<StackedChord>& shown = sevenths ? chord.seventh : chord.triad;
        text += (text.empty() ? "" : " ") +
                (shown ? (numerals ? shown->numeral : shown->symbol) : std::string("-"));
    }
    return text;
}

TEST(DegreeChords, EachDegreeStacksTheScalesOwnThirds) {
    const struct {
        const char* what;
        const char* root;
        PitchClassSet set;
        const char* triads;
        const char* sevenths;
        const char* numerals;  // sevenths'; none for other sizes
    } cases[] = {
        {"major", "C", SetOf({0, 2, 4, 5, 7, 9, 11}), "C Dm Em F G Am Bdim",
         "Cmaj7 Dm7 Em7 Fmaj7 G7 Am7 Bm7b5", "Imaj7 ii7 iii7 IVmaj7 V7 vi7 viiø7"},
        {"harmonic minor", "A", SetOf({0, 2, 3, 5, 7, 8, 11}), "Am Bdim C+ Dm E F G#dim",
         "AmMaj7 Bm7b5 C+maj7 Dm7 E7 Fmaj7 G#dim7", "imaj7 iiø7 III+maj7 iv7 V7 VImaj7 vii°7"},
        {"melodic minor", "C", SetOf({0, 2, 3, 5, 7, 9, 11}), "Cm Dm Eb+ F G Adim Bdim",
         "CmMaj7 Dm7 Eb+maj7 F7 G7 Am7b5 Bm7b5", "imaj7 ii7 III+maj7 IV7 V7 viø7 viiø7"},
        {"the blues scale", "C", SetOf({0, 3, 5, 6, 7, 10}), "Cm Eb - - - -", "Cm7 - - - - -", ""},
        {"whole-half", "C", SetOf({0, 2, 3, 5, 6, 8, 9, 11}), "Cdim D Ebdim F Gbdim Ab Adim B",
         "Cdim7 D7 Ebdim7 F7 Gbdim7 Ab7 Adim7 B7", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::vector<DegreeChord> chords =
            DegreeChords(SpellScale(c.set, ParseNoteName(c.root)));
        EXPECT_EQ(Joined(chords, false, false), c.triads);
        EXPECT_EQ(Joined(chords, true, false), c.sevenths);
        if (*c.numerals != '\0') {
            EXPECT_EQ(Joined(chords, true, true), c.numerals);
        }
        // The chord reader reads each symbol back as the notes stacked.
        for (const DegreeChord& chord : chords) {
            for (const auto& stacked : {chord.triad, chord.seventh}) {
                if (stacked) {
                    const ChordSymbol read = ParseChordSymbol(stacked->symbol);
                    EXPECT_EQ(read.Notes(), [&] {
                        PitchClassesAboveC notes;
                        for (const PitchClass note : stacked->Notes()) {
                            notes.Add(note);
                        }
                        return notes;
                    }()) << stacked->symbol;
                }
            }
        }
    }
}

}  // namespace
}  // namespace orvel
