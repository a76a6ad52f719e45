// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which scales fit a progression of chords (or a set of notes), best first.
//
// A musician's reading of the rule:
//   - The scales that hold every note of the progression, on any root. The
//     fewer notes a scale adds, the closer it fits, so those come first.
//     Among scales that add as many, one rooted on a chord's root comes
//     first, the first and the last chord's roots (where a progression
//     starts and comes home) ahead of the others; then catalogue order.
//   - Then the scales that miss exactly one note of the progression, each
//     naming the note it misses, ranked the same way.
//   - And for each chord, its chord-scales: the scales on that chord's root
//     that hold the chord's notes, fewest added notes first, then catalogue
//     order; each says whether it also fits the whole progression (G7 in
//     Dm7 G7 Cmaj7 gives G Mixolydian, which does).
//
// Notes are pitch classes above C (PitchClassesAboveC). Every list is
// bounded by the catalogue's size times twelve roots.

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "scales/PitchClassSet.h"
#include "scales/TScale.h"

namespace orvel {

struct ProgressionChord {
    int root = 0;  // pitch class above C
    PitchClassesAboveC notes;
};

struct RankedScale {
    std::uint32_t entry = 0;  // index in the catalogue
    int root = 0;             // pitch class above C
    int added = 0;            // notes beyond the progression's (or the chord's)
    int missing = -1;         // the one note of the progression it lacks, or -1
    bool fitsProgression = false;

    friend bool operator==(const RankedScale&, const RankedScale&) = default;
};

struct ChordScales {
    std::vector<RankedScale> fits;                   // hold every note
    std::vector<RankedScale> nearly;                 // miss exactly one
    std::vector<std::vector<RankedScale>> perChord;  // in the order of `chords`
};

// `chords` in the order they are played, each once; `notes` every note of
// the progression (the chords' and any others). A set of notes without
// chords is ranked the same way, without chord roots and chord-scales.
// Only the entries `isScale` admits are ranked (not the catalogue's chords).
ChordScales RankScales(std::span<const TScale> catalogue, std::span<const ProgressionChord> chords,
                       PitchClassesAboveC notes, const std::function<bool(const TScale&)>& isScale);

// The notes of `set` (positions above the root) on `root` (C = 0).
PitchClassesAboveC NotesOn(PitchClassSet set, int root);

}  // namespace orvel
