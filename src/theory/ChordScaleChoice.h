// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scales jazz teaching gives first for a chord, from its quality and
// its function in the key, best first, as sets of positions above the
// chord's root. Only sets that hold the chord's notes (a slash chord's bass
// among them) are given.
//
//   1. The key's own notes from the chord's root, where they hold the chord
//      (Dm7 in C major: D Dorian; Bm7♭5 in A minor: B Locrian). For a
//      dominant chord a minor key's harmonic and then melodic minor are
//      tried too (E7 in A minor: E Phrygian dominant). Not for a diminished
//      chord, nor in the blues, whose chords each take their own scale.
//   2. Then by quality:
//      dominant     altered (♯5 or ♭5 with ♭9 or ♯9, "alt"): altered;
//                   ♯11: Lydian dominant; ♯5 alone: whole tone;
//                   suspended: Mixolydian, with ♭9 Phrygian;
//                   ♭9 going to a minor chord a fifth below, or on III of
//                   a major key (V of vi): Phrygian dominant, Mixolydian
//                   ♭13, half-whole; ♭9 otherwise: half-whole, Phrygian
//                   dominant; ♭13: Mixolydian ♭13, Phrygian dominant;
//                   going to a minor chord a fifth below, or on III of a
//                   major key: Phrygian dominant, Mixolydian ♭13;
//                   a tritone substitute (going a semitone down), or in a
//                   major or minor key going anywhere but a fifth down (II7,
//                   IV7, ♭VII7): Lydian dominant, then Mixolydian;
//                   otherwise (V7, the blues): Mixolydian, Lydian
//                   dominant, bebop dominant, half-whole, altered
//      major        ♯11: Lydian; ♯5: Lydian augmented; otherwise Ionian,
//                   Lydian, and for a triad Mixolydian
//      minor        major seventh: melodic minor, harmonic minor;
//                   sixth: Dorian, melodic minor; otherwise Dorian,
//                   Aeolian, Phrygian
//      half-dim.    Locrian, Locrian ♮2
//      diminished   whole-half diminished, then Locrian for the triad
//      augmented    whole tone, Lydian augmented
//      suspended    Mixolydian; a power chord Ionian, Aeolian, Mixolydian

#include <optional>
#include <vector>

#include "scales/PitchClassSet.h"
#include "theory/ChordSymbol.h"
#include "theory/Key.h"

namespace orvel {

// `next` is the chord played after it, if any.
std::vector<PitchClassSet> ChordScaleChoices(const ChordSymbol& chord,
                                             const std::optional<Key>& key,
                                             const ChordSymbol* next);

}  // namespace orvel
