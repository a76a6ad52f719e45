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
//   - For each chord, its chord-scales: the scales on that chord's root
//     that hold the chord's notes. Those jazz teaching gives first for the
//     chord's quality and function in the key (ChordScaleChoice.h) come
//     first, in that order; then the others, fewest added notes (counted
//     against that chord) first, then the more familiar (Familiarity.h),
//     then catalogue order. Scales with the same notes are one row
//     (FoldSameNotes.h). Each says whether it also fits the whole
//     progression (G7 in Dm7 G7 Cmaj7 gives G Mixolydian, which does).
//
// Before these come the musician's answer: the key (FindKey.h) and the
// best fits (BestFits.h).
//
// Only scales are ranked: the catalogue's chords (the bank "Chords") are
// left out. Every list is bounded by the catalogue's size times twelve
// roots.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "matching/BestFits.h"
#include "scales/PitchClass.h"
#include "scales/TScale.h"
#include "theory/Key.h"
#include "theory/NoteWeights.h"
#include "theory/Progression.h"

namespace orvel {

struct RankedScale {
    std::uint32_t entry = 0;  // index in the catalogue
    PitchClass root;
    int added = 0;                      // notes beyond the progression's (or the chord's)
    std::optional<PitchClass> missing;  // the one note of the progression it lacks
    bool fitsProgression = false;
    std::vector<std::uint32_t> also;  // chord-scales: the same notes by other names

    friend bool operator==(const RankedScale&, const RankedScale&) = default;
};

struct ChordScales {
    std::vector<Key> keys;                           // best first (FindKey.h)
    std::vector<BestFit> best;                       // best first (BestFits.h)
    std::vector<RankedScale> fits;                   // hold every note
    std::vector<RankedScale> nearly;                 // miss exactly one
    std::vector<std::vector<RankedScale>> perChord;  // in the order of `chords`
};

// The chords that could be read, in the order they are played, each once,
// and every note of the progression (the chords' and any notes). A line
// read as notes is ranked the same way, without chord roots and
// chord-scales; nothing read gives empty lists.
ChordScales RankProgression(std::span<const TScale> catalogue, const Progression& progression);

// Notes without chords (a melody's), each weighed as `weights` says, in
// `keys`: the best fits, and the scales that hold every note or miss one.
ChordScales RankNotes(std::span<const TScale> catalogue, PitchClassesAboveC notes,
                      const NoteWeights& weights, std::vector<Key> keys);

}  // namespace orvel
