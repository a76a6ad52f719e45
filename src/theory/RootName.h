// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the answers for a progression name a scale's root, so that they read
// in the key the chords are written in:
//   1. with sharp or flat names asked for, a black key takes that name;
//   2. a chord's root as the first chord on it is written (so the key's
//      tonic as the key names it);
//   3. a white key by its letter;
//   4. a note of the key as the key's scale spells it (of the first of the
//      keys given that holds it: a melody's sections have keys of their own);
//   5. else as a scale on it reads best (SpelledScale.h).
// Without a key (notes read, not chords), rule 4 is left out.

#include <span>

#include "scales/PitchClass.h"
#include "theory/Key.h"
#include "theory/NoteName.h"
#include "theory/Progression.h"
#include "theory/SpelledScale.h"

namespace orvel {

// `keys` best first (FindKey.h), then any others the piece passes through.
NoteName RootName(PitchClass root, const Progression& progression, std::span<const Key> keys,
                  RootSpelling spelling = RootSpelling::Automatic);

// A chord-scale's root: the chord's root as written, or on a black key the
// sharp or flat name asked for.
NoteName ChordScaleRoot(const ChordSymbol& chord, RootSpelling spelling = RootSpelling::Automatic);

}  // namespace orvel
