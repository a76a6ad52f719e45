// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An interval above a scale's root, named by its degree and how far it lies
// from the major or perfect interval of that degree: "1", "b3", "#4", "bb7".

#include <string>

namespace orvel {

struct Interval {
    int degree = 1;      // 1 to 7: the letter steps above the root, plus one
    int alteration = 0;  // semitones above (+) or below (-) the major or perfect degree

    // Semitones above the root, 0 to 11 for alterations that stay in the octave.
    int Semitones() const;
    std::string Text() const;

    friend bool operator==(const Interval&, const Interval&) = default;
};

}  // namespace orvel
