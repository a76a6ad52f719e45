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
// Only scales are ranked: the catalogue's chords (the bank "Chords") are
// left out. Every list is bounded by the catalogue's size times twelve
// roots.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "scales/PitchClass.h"
#include "scales/TScale.h"
#include "theory/Progression.h"

namespace orvel {

struct RankedScale {
    std::uint32_t entry = 0;  // index in the catalogue
    PitchClass root;
    int added = 0;                      // notes beyond the progression's (or the chord's)
    std::optional<PitchClass> missing;  // the one note of the progression it lacks
    bool fitsProgression = false;

    friend bool operator==(const RankedScale&, const RankedScale&) = default;
};

struct ChordScales {
    std::vector<RankedScale> fits;                   // hold every note
    std::vector<RankedScale> nearly;                 // miss exactly one
    std::vector<std::vector<RankedScale>> perChord;  // in the order of `chords`
};

// The chords that could be read, in the order they are played, each once,
// and every note of the progression (the chords' and any notes). A line
// read as notes is ranked the same way, without chord roots and
// chord-scales; nothing read gives empty lists.
ChordScales RankProgression(std::span<const TScale> catalogue, const Progression& progression);

}  // namespace orvel
