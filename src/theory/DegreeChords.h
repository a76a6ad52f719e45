// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chords a scale holds on each of its degrees. A seven-note scale
// stacks every other note, as DegreeTriads does: the triad and the seventh
// chord. A scale of another size stacks the thirds it has on each degree:
// a major or minor triad with a perfect fifth where it can (major first),
// else diminished, else augmented, and a seventh a third above the fifth
// (the smaller first); a degree without them has none.
//
// Each chord is named as chord symbols write it, in the spelling the chord
// reader reads back ("Dm7", "Bm7b5", "C+maj7"), and for seven-note scales
// with its Roman numeral (I ii iii IV V vi vii°; Imaj7 ii7 V7 viiø7).

#include <optional>
#include <string>
#include <vector>

#include "theory/NoteName.h"
#include "theory/SpelledScale.h"

namespace orvel {

struct StackedChord {
    NoteName root;
    std::vector<int> semitones;  // above the root: the third, the fifth, [the seventh]
    std::string symbol;          // ASCII, as the chord reader reads it
    std::string numeral;         // seven-note scales only

    // The notes' pitch classes, the root first.
    std::vector<PitchClass> Notes() const;
};

struct DegreeChord {
    std::optional<StackedChord> triad;
    std::optional<StackedChord> seventh;

    // The seventh chord's numeral, else the triad's; empty for none.
    std::string Numeral() const;
};

// One entry per degree, in order; none for a chord.
std::vector<DegreeChord> DegreeChords(const SpelledScale& scale);

}  // namespace orvel
