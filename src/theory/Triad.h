// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The triad built on a degree of a seven-note scale by stacking its thirds:
// the degree, the note two degrees up and the note four degrees up.

#include <string>
#include <vector>

#include "theory/NoteName.h"
#include "theory/SpelledScale.h"

namespace orvel {

struct Triad {
    NoteName root;
    int third = 4;  // semitones from the triad's root to its third
    int fifth = 7;  // and to its fifth

    // "major", "minor", "diminished", "augmented", "suspended second",
    // "suspended fourth", else the two sizes named plainly.
    std::string Quality() const;
    // As chord symbols write it: "C", "Dm", "B°", "C+", "Csus4", "C(♭5)".
    std::string Symbol() const;
};

// One triad per degree, in order; none for a scale of other than seven
// notes, nor for a chord.
std::vector<Triad> DegreeTriads(const SpelledScale& scale);

}  // namespace orvel
