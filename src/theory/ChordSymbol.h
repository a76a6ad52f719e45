// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Chord symbols as lead sheets write them, read into a root, an optional
// bass note and the chord's tones.
//
// Grammar, read left to right (letters and signs exactly as shown; "b" and
// "♭", "#" and "♯" are the same sign):
//   symbol     = root [quality] [extension] [suspension]
//                {alteration | suspension} ["/" bass]
//   root, bass = a note name, as ParseNoteName reads it ("C", "F#", "Bb",
//                "E♭"); a "b" right after the letter is always a flat, so
//                "Bb7" is B♭7 and "Cb5" the power chord on C♭
//   quality    = "m" | "min" | "mi" | "-"            minor ("MI", "Mi",
//                                                    "MIN", "Min" too)
//              | "maj" | "M" | "ma" | "Δ" | "^"      major seventh (with a
//                                                    number; "Ma", "MA",
//                                                    "MAJ" too; "Δ" or "^"
//                                                    alone is Δ7, "maj" or
//                                                    "M" alone the major
//                                                    triad)
//              | "dim" | "°" | "º" | "o"             diminished ("dim7" the
//                                                    diminished seventh)
//              | "m7b5" | "ø" | "Ø" | "ø7" | "Ø7"    half-diminished ("h7",
//                                                    "h" as iReal Pro writes
//                                                    it)
//              | "aug" | "+"                         augmented, "+maj7" and
//                                                    "+Δ" with a major 7th
//              | "mMaj" | "mM" | "-maj" + number     minor with a major 7th
//              | "m(maj7)" | "m/maj7" | "mΔ7" | "-Δ7" (mMaj9 adds the 9)
//              | "-^7" | "m^7"
//              | "5"                                 the power chord
//   extension  = "6" | "6/9" | "69" | "7" | "9" | "11" | "13" | "alt" after 7
//   suspension = "sus2" | "sus4" | "sus" (sus4), before or after the
//                alterations (C7sus4(b9), C7b9sus)
//   alteration = ("b" | "#" | "-" | "+") ("5" | "9" | "11" | "13"), "b6"
//                (the minor sixth, Cmb6), a "+" alone (C7+, the ♯5), or
//                "add" ("2" | "4" | "9" | "11" | "13"), alone or in
//                parentheses, several separated by commas or spaces:
//                "7(b9,#11)", "7b9#11"; in parentheses a plain "9", "11" or
//                "13" is added too: "C7(13)", "Cmaj7(9,#11,13)".
//
// The tones musicians expect, stacked in thirds from the root:
//   C 1 3 5, Cm 1 ♭3 5, C° 1 ♭3 ♭5, C+ 1 3 ♯5, C5 1 5, Csus2 1 2 5,
//   Csus4 1 4 5; C6 adds 6, C6/9 6 and 9;
//   C7 1 3 5 ♭7, Cmaj7 1 3 5 7, Cm7 1 ♭3 5 ♭7, Cø 1 ♭3 ♭5 ♭7,
//   C°7 1 ♭3 ♭5 𝄫7, CmMaj7 1 ♭3 5 7, C+7 1 3 ♯5 ♭7, C7sus4 1 4 5 ♭7;
//   9 adds the 9 to its seventh chord; 11 adds 9 and 11 and keeps the
//   third (1 3 5 ♭7 9 11: players often leave the third out, and C9sus4
//   names that sound); 13 adds 9 and 13 but not the 11, which clashes
//   with the major third, while m13 keeps its 11 (1 ♭3 5 ♭7 9 11 13);
//   C7alt is 1 3 ♭5 ♯5 ♭7 ♭9 ♯9, no fifth.
//   ♭5 and ♯5 take the fifth's place; ♭9, ♯9 the 9's; ♯11 the 11's; ♭13
//   the 13's. add2 and add9 are the same tones, written 9 beside a third.
//   A slash chord's bass sounds with it: C/E, Am/G, D/F#.
// The tones are spelled as the catalogue's chords are (SpellScale with
// SpellAs::Chord) from the root as written: F♯7♯9 has G𝄪, B♭m7♭5 F♭, C°7
// B𝄫.
//
// A symbol that does not follow the grammar is refused, never guessed at:
// the error names the symbol and where reading stopped, or what is missing
// at its end ("C7(b9": ")" missing at the end). So is a contradiction: a ♯9
// on a minor chord is its minor third, and C9b9 has a 9 and a ♭9.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "scales/PitchClassSet.h"
#include "scales/PitchClassesAboveC.h"
#include "theory/NoteName.h"
#include "theory/SpelledScale.h"

namespace orvel {

// What() reads like "Cmaj8": cannot read "8".
class ChordSymbolError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

struct ChordSymbol {
    // Longer symbols are refused: no chord needs so many signs.
    static constexpr std::size_t kMaxLength = 64;

    std::string text;  // as written
    NoteName root;
    std::optional<NoteName> bass;
    PitchClassSet tones = 0;  // above the root, as the catalogue holds sets

    // The tones spelled from the root, as stacked thirds.
    SpelledScale Spelled() const;
    // What sounds, bass first: a slash chord's bass with its interval above
    // the root, then the other tones (Am/G: G A C E, ♭7 1 ♭3 5; C/E: E C G,
    // 3 1 5); otherwise the tones.
    SpelledScale Sounding() const;
    // Every note that sounds, the bass among them.
    PitchClassesAboveC Notes() const;
};

// Reads one symbol; ChordSymbolError when it cannot.
ChordSymbol ParseChordSymbol(std::string_view text);

}  // namespace orvel
