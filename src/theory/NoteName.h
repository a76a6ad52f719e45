// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A spelled note: a letter and its accidentals, as a musician writes it
// (B♭, E♯, F𝄪). Pitch classes count semitones above C.

#include <string>

#include "scales/PitchClass.h"

namespace orvel {

struct NoteName {
    int letter = 0;      // 0 C, 1 D, 2 E, 3 F, 4 G, 5 A, 6 B
    int accidental = 0;  // sharps above zero, flats below

    // The pitch class it sounds.
    orvel::PitchClass PitchClass() const;

    // With "#" and "b" ("Bb", "F##"), for the command line and the clipboard.
    std::string Ascii() const;
    // With "♯" and "♭", for the window.
    std::string Display() const;

    friend bool operator==(const NoteName&, const NoteName&) = default;
};

// Accidentals as text: `accidental` sharps (above zero) or flats (below)
// written one sign each ("##", "bb").
std::string AccidentalText(int accidental, const std::string& sharp, const std::string& flat);
// As the window shows them: "♯", "♭", "𝄪", "𝄫".
std::string DisplayAccidental(int accidental);

// The pitch class above C of a natural letter (0 C ... 6 B).
int NaturalPitchClass(int letter);

// `pitchClass` named by `letter`, with the fewest accidentals that reach it
// (pitch class 6 by letter 3 is F♯, by letter 4 G♭).
NoteName NamedBy(PitchClass pitchClass, int letter);

}  // namespace orvel
