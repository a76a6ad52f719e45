// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scale spelled from its root: its notes with letter names and the interval
// of each above the root.
//
// Seven-note scales: each letter exactly once, in order from the root's
// letter. This is the only correct spelling; the accidentals follow from it,
// double ones where the scale needs them (G♯ harmonic minor has F♯♯).
//
// Other sizes have no single rule. Each semitone above the root is named as
// scales and chords usually name it:
//   0 1   1 b2   2 2   4 3   5 4   7 5   9 6   11 7
//   3  b3, or #2 beside a major third with no second (the #9 of C7#9)
//   6  b5 beside a perfect fourth (the blues), else #4 (whole tone, 7#11)
//   8  b6 beside a perfect fifth, else #5 (augmented)
//   10 b7, or #6 after a #5 with no 6, so that a run of whole tones stays
//      in sharps (C D E F♯ G♯ A♯)
// A note that would then need a double accidental (from a root such as G♭)
// is written on the neighbouring letter with a single one.
//
// A root with two names ("C# / Db") is named the way that gives the scale
// fewer accidentals in all (D♭ major, C♯ minor); on a tie, the way without
// double accidentals (A♭ harmonic minor, not G♯ with F♯♯), then the sharp name.

#include <string>
#include <vector>

#include "scales/PitchClassSet.h"
#include "theory/Interval.h"
#include "theory/NoteName.h"

namespace orvel {

struct SpelledScale {
    NoteName root;
    std::vector<NoteName> notes;      // rising from the root
    std::vector<Interval> intervals;  // of each note above the root

    // Space-separated: "F G A Bb C D E", "F G A B♭ C D E", "1 2 3 4 5 6 7".
    std::string AsciiNotes() const;
    std::string DisplayNotes() const;
    std::string IntervalsText() const;
};

// The scale of `set` (positions above the root, as the catalogue holds them)
// on the root named `root`.
SpelledScale SpellScale(PitchClassSet set, NoteName root);

// The same on a root pitch class (C = 0), named as described above.
SpelledScale SpellScale(PitchClassSet set, int rootPitchClass);

}  // namespace orvel
