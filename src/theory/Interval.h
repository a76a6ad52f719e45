// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An interval above a scale's root, named by its degree and how far it lies
// from the major or perfect interval of that degree: "1", "b3", "#4", "bb7",
// and beyond the octave for a chord's upper tones: "b9", "#11", "13".

#include <string>

namespace orvel {

struct Interval {
    int degree = 1;      // the letter steps above the root, plus one: 1 to 7, or 9 to 13
    int alteration = 0;  // semitones above (+) or below (-) the major or perfect degree

    // Semitones above the root: 0 to 11 within the octave, 13 to 21 beyond.
    int Semitones() const;
    // "b3", "#11", "bb7", for the command line and the clipboard.
    std::string Text() const;
    // "♭3", "♯11", "𝄫7", for the window.
    std::string Display() const;

    friend bool operator==(const Interval&, const Interval&) = default;
};

}  // namespace orvel
