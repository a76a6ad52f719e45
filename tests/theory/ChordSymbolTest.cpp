// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <tuple>

#include "support/Notes.h"
#include "theory/ChordQuality.h"
#include "theory/ChordSymbol.h"

namespace orvel {
namespace {

TEST(ChordSymbol, ReadsTheTonesMusiciansExpect) {
    const struct {
        const char* symbol;
        const char* notes;  // spelled from the root as written, then "/" and the bass
        const char* tones;
    } chords[] = {
        // As iReal Pro charts write them.
        {"C^7", "C E G B", "1 3 5 7"},
        {"C^", "C E G B", "1 3 5 7"},
        {"Eb^9", "Eb G Bb D F", "1 3 5 7 9"},
        {"Db^7#11", "Db F Ab C G", "1 3 5 7 #11"},
        {"C-^7", "C Eb G B", "1 b3 5 7"},
        {"Eh7", "E G Bb D", "1 b3 b5 b7"},
        {"F#h", "F# A C E", "1 b3 b5 b7"},
        // Triads.
        {"C", "C E G", "1 3 5"},
        {"Cm", "C Eb G", "1 b3 5"},
        {"Cmin", "C Eb G", "1 b3 5"},
        {"C-", "C Eb G", "1 b3 5"},
        {"Cdim", "C Eb Gb", "1 b3 b5"},
        {"C\u00B0", "C Eb Gb", "1 b3 b5"},
        {"Caug", "C E G#", "1 3 #5"},
        {"C+", "C E G#", "1 3 #5"},
        {"C5", "C G", "1 5"},
        {"Cb5", "Cb Gb", "1 5"},
        {"Csus2", "C D G", "1 2 5"},
        {"Csus4", "C F G", "1 4 5"},
        {"CM", "C E G", "1 3 5"},
        // Roots with every sign.
        {"C#m", "C# E G#", "1 b3 5"},
        {"Dbm", "Db Fb Ab", "1 b3 5"},
        {"F\u266F7", "F# A# C# E", "1 3 5 b7"},
        {"E\u266D", "Eb G Bb", "1 3 5"},
        // Sixths.
        {"C6", "C E G A", "1 3 5 6"},
        {"Cm6", "C Eb G A", "1 b3 5 6"},
        {"C6/9", "C E G A D", "1 3 5 6 9"},
        {"C69", "C E G A D", "1 3 5 6 9"},
        // Sevenths.
        {"C7", "C E G Bb", "1 3 5 b7"},
        {"Cmaj7", "C E G B", "1 3 5 7"},
        {"CM7", "C E G B", "1 3 5 7"},
        {"C\u0394", "C E G B", "1 3 5 7"},
        {"C\u03947", "C E G B", "1 3 5 7"},
        {"Cma7", "C E G B", "1 3 5 7"},
        {"Cm7", "C Eb G Bb", "1 b3 5 b7"},
        {"Cmin7", "C Eb G Bb", "1 b3 5 b7"},
        {"C-7", "C Eb G Bb", "1 b3 5 b7"},
        {"Bbm7b5", "Bb Db Fb Ab", "1 b3 b5 b7"},
        {"C\u00F8", "C Eb Gb Bb", "1 b3 b5 b7"},
        {"C\u00F87", "C Eb Gb Bb", "1 b3 b5 b7"},
        {"Cdim7", "C Eb Gb Bbb", "1 b3 b5 bb7"},
        {"C\u00B07", "C Eb Gb Bbb", "1 b3 b5 bb7"},
        {"CmMaj7", "C Eb G B", "1 b3 5 7"},
        {"Cm(maj7)", "C Eb G B", "1 b3 5 7"},
        {"C7sus4", "C F G Bb", "1 4 5 b7"},
        {"C+7", "C E G# Bb", "1 3 #5 b7"},
        // Extensions.
        {"C9", "C E G Bb D", "1 3 5 b7 9"},
        {"Cmaj9", "C E G B D", "1 3 5 7 9"},
        {"Cm9", "C Eb G Bb D", "1 b3 5 b7 9"},
        {"C11", "C E G Bb D F", "1 3 5 b7 9 11"},
        {"Cm11", "C Eb G Bb D F", "1 b3 5 b7 9 11"},
        {"C13", "C E G Bb D A", "1 3 5 b7 9 13"},
        {"Cmaj13", "C E G B D A", "1 3 5 7 9 13"},
        {"Cm13", "C Eb G Bb D F A", "1 b3 5 b7 9 11 13"},
        {"C9sus4", "C F G Bb D", "1 4 5 b7 9"},
        {"C7alt", "C E Gb G# Bb Db D#", "1 3 b5 #5 b7 b9 #9"},
        // Alterations, alone or combined.
        {"C7b5", "C E Gb Bb", "1 3 b5 b7"},
        {"C7#5", "C E G# Bb", "1 3 #5 b7"},
        {"C7b9", "C E G Bb Db", "1 3 5 b7 b9"},
        {"F#7#9", "F# A# C# E G##", "1 3 5 b7 #9"},
        {"Cmaj7#11", "C E G B F#", "1 3 5 7 #11"},
        {"C7b13", "C E G Bb Ab", "1 3 5 b7 b13"},
        {"C7(b9,#11)", "C E G Bb Db F#", "1 3 5 b7 b9 #11"},
        {"C7b9#11", "C E G Bb Db F#", "1 3 5 b7 b9 #11"},
        {"C7(\u266D9 \u266F9)", "C E G Bb Db D#", "1 3 5 b7 b9 #9"},
        {"C9(#11)", "C E G Bb D F#", "1 3 5 b7 9 #11"},
        {"C13b9", "C E G Bb Db A", "1 3 5 b7 b9 13"},
        // Added tones.
        {"Cadd9", "C E G D", "1 3 5 9"},
        {"Cadd2", "C E G D", "1 3 5 9"},
        {"Cmadd9", "C Eb G D", "1 b3 5 9"},
        {"Cadd11", "C E G F", "1 3 5 11"},
        {"C7add13", "C E G Bb A", "1 3 5 b7 13"},
        // As lead sheets and fake books also write them.
        {"CMa7", "C E G B", "1 3 5 7"},
        {"CMA7", "C E G B", "1 3 5 7"},
        {"Cmi7", "C Eb G Bb", "1 b3 5 b7"},
        {"CMI7", "C Eb G Bb", "1 b3 5 b7"},
        {"C-\u03947", "C Eb G B", "1 b3 5 7"},
        {"Cm/maj7", "C Eb G B", "1 b3 5 7"},
        {"CmMaj9", "C Eb G B D", "1 b3 5 7 9"},
        {"C7+5", "C E G# Bb", "1 3 #5 b7"},
        {"C7+", "C E G# Bb", "1 3 #5 b7"},
        {"C7-9", "C E G Bb Db", "1 3 5 b7 b9"},
        {"C+maj7", "C E G# B", "1 3 #5 7"},
        {"C7(13)", "C E G Bb A", "1 3 5 b7 13"},
        {"C7(9)", "C E G Bb D", "1 3 5 b7 9"},
        {"Cmaj7(9,#11,13)", "C E G B D F# A", "1 3 5 7 9 #11 13"},
        {"Cm7(11)", "C Eb G Bb F", "1 b3 5 b7 11"},
        {"Cmb6", "C Eb G Ab", "1 b3 5 b13"},
        {"C7b9sus", "C F G Bb Db", "1 4 5 b7 b9"},
        {"C7b13sus", "C F G Bb Ab", "1 4 5 b7 b13"},
        {"C7sus4(b9)", "C F G Bb Db", "1 4 5 b7 b9"},
        {"C13sus", "C F G Bb D A", "1 4 5 b7 9 13"},
        {"C7#9#5", "C E G# Bb D#", "1 3 #5 b7 #9"},
        {"C7b9b13", "C E G Bb Db Ab", "1 3 5 b7 b9 b13"},
        {"C\u00D87", "C Eb Gb Bb", "1 b3 b5 b7"},
        {"C\u00BA7", "C Eb Gb Bbb", "1 b3 b5 bb7"},
        {"Co7", "C Eb Gb Bbb", "1 b3 b5 bb7"},
        {"Cadd4", "C E G F", "1 3 5 11"},
        {"Csus", "C F G", "1 4 5"},
        {"Cm6(#11)", "C Eb G A F#", "1 b3 5 6 #11"},
        // Slash chords.
        {"C/E", "C E G/E", "1 3 5"},
        {"Am/G", "A C E/G", "1 b3 5"},
        {"D/F#", "D F# A/F#", "1 3 5"},
    };
    int checked = 0;
    for (const auto& row : chords) {
        const ChordSymbol chord = ParseChordSymbol(row.symbol);
        const SpelledScale spelled = chord.Spelled();
        const std::string notes =
            spelled.AsciiNotes() + (chord.bass ? "/" + chord.bass->Ascii() : std::string());
        EXPECT_EQ(notes, row.notes) << row.symbol;
        EXPECT_EQ(spelled.IntervalsText(), row.tones) << row.symbol;
        ++checked;
    }
    EXPECT_EQ(checked, 103);
    EXPECT_EQ(ParseChordSymbol("Am/G").Notes(), NotesFromDigits("001010010001"))
        << "A C E and the bass G";
}

TEST(ChordSymbol, RefusesWhatItCannotReadAndSaysWhere) {
    const struct {
        const char* symbol;
        const char* message;
    } bad[] = {
        {"Cmaj8", "\"Cmaj8\": cannot read \"8\""},
        {"H7", "\"H7\": cannot read \"H7\""},
        {"", "an empty chord symbol"},
        {"C7b11", "\"C7b11\": cannot read \"b11\""},
        {"C7(b9", "\"C7(b9\": \")\" missing at the end"},
        {"C7b", "\"C7b\": the degree after \"b\" missing at the end"},
        {"C/", "\"C/\": the bass note after \"/\" missing at the end"},
        {"C)", "\"C)\": cannot read \")\""},
        {"Cm7#9", "\"Cm7#9\": the #9 is the minor third"},
        {"C9b9", "\"C9b9\": the b9 contradicts the 9"},
        {"C+maj", "\"C+maj\": cannot read \"maj\""},
        {"C7(b9,)", "\"C7(b9,)\": cannot read \")\""},
        {"Cm5", "\"Cm5\": cannot read \"5\""},
        {"C/H", "\"C/H\": cannot read \"H\""},
        {"C/E7", "\"C/E7\": cannot read \"7\""},
        {"C77", "\"C77\": cannot read \"7\""},
        {"Cadd", "\"Cadd\": the tone added missing at the end"},
        {"Cmaj7 b9", "\"Cmaj7 b9\": cannot read \" b9\""},
        {"Cxyz", "\"Cxyz\": cannot read \"yz\""},
    };
    for (const auto& row : bad) {
        try {
            ParseChordSymbol(row.symbol);
            ADD_FAILURE() << row.symbol << " was read";
        } catch (const ChordSymbolError& error) {
            EXPECT_STREQ(error.what(), row.message);
        }
    }
    EXPECT_THROW(ParseChordSymbol(std::string(65, 'C')), ChordSymbolError);
}

// Every symbol the grammar makes, on every root name: its spelled tones
// sound its notes from the root it was written on.
TEST(ChordSymbol, EverySymbolThatReadsMapsBackToItsRootAndTones) {
    const char* roots[] = {"C", "C#", "Db", "D",  "Eb", "E",  "F",  "F#", "Gb",
                           "G", "Ab", "A",  "Bb", "B",  "Cb", "E#", "Fb", "B#"};
    const char* qualities[] = {"",  "m",   "maj",   "M",    "\u0394", "dim",  "aug",   "+",
                               "-", "min", "mMaj7", "m7b5", "\u00F8", "dim7", "\u00B0"};
    const char* extensions[] = {"", "5", "6", "6/9", "7", "9", "11", "13", "7alt"};
    const char* suspensions[] = {"", "sus2", "sus4"};
    const char* alterations[] = {"", "b5", "#5", "b9", "#9", "#11", "b13", "(b9,#11)", "add9"};
    const char* basses[] = {"", "/E", "/Bb"};
    int read = 0;
    int refused = 0;
    for (const char* root : roots) {
        for (const char* quality : qualities) {
            for (const char* extension : extensions) {
                for (const char* suspension : suspensions) {
                    for (const char* alteration : alterations) {
                        for (const char* bass : basses) {
                            const std::string symbol = std::string(root) + quality + extension +
                                                       suspension + alteration + bass;
                            try {
                                const ChordSymbol chord = ParseChordSymbol(symbol);
                                const SpelledScale spelled = chord.Spelled();
                                ASSERT_EQ(spelled.root, chord.root) << symbol;
                                PitchClassesAboveC sounding;
                                for (std::size_t i = 0; i < spelled.notes.size(); ++i) {
                                    const int above = chord.root.PitchClass().SemitonesUpTo(
                                        spelled.notes[i].PitchClass());
                                    ASSERT_EQ(spelled.intervals[i].Semitones() % 12, above)
                                        << symbol;
                                    sounding.Add(spelled.notes[i].PitchClass());
                                }
                                if (chord.bass) {
                                    sounding.Add(chord.bass->PitchClass());
                                }
                                ASSERT_EQ(sounding, chord.Notes()) << symbol;
                                ASSERT_TRUE(HasPosition(chord.tones, 0)) << symbol;
                                ++read;
                            } catch (const ChordSymbolError&) {
                                ++refused;
                            }
                        }
                    }
                }
            }
        }
    }
    std::cout << read << " symbols read, " << refused << " refused\n";
    EXPECT_GT(read, 10'000);
}

TEST(ChordQuality, TheThirdFifthAndSeventhDecide) {
    const std::pair<const char*, ChordQuality> cases[] = {
        {"C", ChordQuality::Major},
        {"Cmaj7#11", ChordQuality::Major},
        {"C6/9", ChordQuality::Major},
        {"Cm", ChordQuality::Minor},
        {"CmMaj7", ChordQuality::Minor},
        {"Cm7(#11)", ChordQuality::Minor},
        {"C7", ChordQuality::Dominant},
        {"C7alt", ChordQuality::Dominant},
        {"C7sus4", ChordQuality::Dominant},
        {"C9sus4", ChordQuality::Dominant},
        {"Cm7b5", ChordQuality::HalfDiminished},
        {"Cdim", ChordQuality::Diminished},
        {"Cdim7", ChordQuality::Diminished},
        {"C+", ChordQuality::Augmented},
        {"C+7", ChordQuality::Dominant},
        {"Csus4", ChordQuality::Suspended},
        {"Csus2", ChordQuality::Suspended},
        {"C5", ChordQuality::Power},
    };
    for (const auto& [symbol, quality] : cases) {
        EXPECT_EQ(QualityOf(ParseChordSymbol(symbol).tones), quality) << symbol;
    }
}

TEST(ChordSymbol, ASlashChordSoundsItsBassFirstWithItsInterval) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"Am/G", "G A C E", "b7 1 b3 5"},  {"C/E", "E C G", "3 1 5"},
        {"D/F#", "F# D A", "3 1 5"},       {"C/D", "D C E G", "9 1 3 5"},
        {"Cmaj7/B", "B C E G", "7 1 3 5"}, {"Fm/Ab", "Ab F C", "b3 1 5"},
        {"G7", "G B D F", "1 3 5 b7"},
    };
    for (const auto& [text, notes, intervals] : cases) {
        const SpelledScale sounding = ParseChordSymbol(text).Sounding();
        EXPECT_EQ(sounding.AsciiNotes(), notes) << text;
        EXPECT_EQ(sounding.IntervalsText(), intervals) << text;
    }
}

}  // namespace
}  // namespace orvel
