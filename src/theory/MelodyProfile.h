// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How much each pitch class of a melody counts: the profile the key and the
// best fits are found from. A melody is never a clean set of notes (passing
// and neighbour notes are short, the tonic is long and comes last), so each
// note counts by
//   - its length in beats, up to a bar of 4/4 (a held note is not worth ten);
//   - half again on a downbeat, a quarter again on the middle of an even bar;
//   - half when shorter than a sixteenth note, and a grace note a tenth of a
//     beat;
//   - twice for the last note (each note that starts with it).
// Notes below a share of the whole (the threshold) are passing tones: the
// kept notes leave them out.

#include <climits>
#include <optional>
#include <vector>

#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"
#include "theory/Melody.h"
#include "theory/NoteWeights.h"

namespace orvel {

// The notes of a melody to weigh: some parts (all when empty) and bars.
struct MelodySpan {
    std::vector<std::size_t> parts;
    int firstBar = 1;
    int lastBar = INT_MAX;

    bool Holds(const Melody& melody, const MelodyNote& note) const;
};

struct MelodyProfile {
    NoteWeights weights;
    std::optional<PitchClass> lastNote;  // the lowest note that starts last
};

MelodyProfile WeighMelody(const Melody& melody, const MelodySpan& span);

// The notes that carry at least `share` (0 to 1) of the whole weight.
PitchClassesAboveC KeptNotes(const NoteWeights& weights, double share);

// The weights of the kept notes only.
NoteWeights KeptWeights(const NoteWeights& weights, double share);

}  // namespace orvel
