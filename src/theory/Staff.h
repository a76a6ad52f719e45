// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where notes sit on a five-line staff. A step is a line or a space: step 0
// is the bottom line, 1 the space above it, 8 the top line; below 0 and
// above 8 the note needs ledger lines. A clef fixes which pitch the bottom
// line is: treble E4, bass G2, alto F3, tenor D3, and treble 8vb (the
// guitar's and the bass's) E3, written an octave above its sound.
//
// A scale is written one octave up from its root (and down again where
// asked), in the octave that centres the run on the middle line (C major
// from C4 in the treble clef, E major from E2 in the bass).

#include <array>
#include <string_view>
#include <vector>

#include "theory/Pitch.h"
#include "theory/SpelledScale.h"

namespace orvel {

enum class Clef { Treble, Bass, Alto, Tenor, TrebleOctaveDown };

inline constexpr int kTopLineStep = 8;

// "Treble", "Bass", "Alto", "Tenor", "Treble 8vb".
std::string_view ClefName(Clef clef);

// The step a sounding pitch is written on.
int StaffStep(const Pitch& pitch, Clef clef);

// The steps of the ledger lines a note on `step` needs, nearest the staff
// first.
std::vector<int> LedgerSteps(int step);

// Where a key signature's sharps or flats are written, in order: each on
// the line or space of its letter that the clef's convention gives (the
// tenor clef's sharps start low, on F3).
std::vector<int> SignatureSteps(int fifths, Clef clef);

// The scale's notes as pitches, rising an octave from its root and, where
// `descending`, back down, placed for the clef.
std::vector<Pitch> ScalePitches(const SpelledScale& scale, Clef clef, bool descending);

}  // namespace orvel
