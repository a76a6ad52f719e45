// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scale's neighbourhood, named from the catalogue:
//   - its modes: the scale started on each of its notes, same notes,
//     each root spelled as the scale spells it, with the catalogue's names
//     for it; and their order by brightness (the sum of the positions
//     above the root, brightest first: Lydian, Ionian, Mixolydian, Dorian,
//     Aeolian, Phrygian, Locrian);
//   - its neighbours one note away on the same root: a note added, a note
//     removed, a note moved a semitone; only those the catalogue names, the
//     familiar first (Familiarity.h);
//   - its parallels: the catalogue's scales of the same size on the same
//     root; and for a seven-note scale its relative, the mode a major or
//     minor key would call relative (the sixth degree's mode of a scale with
//     a major third, the third degree's of one with a minor third);
//   - the chords on each degree (DegreeChords.h), and for scales of other
//     than seven notes the catalogue's chords each degree holds;
//   - its set-class facts (SetClass.h).
// Names are catalogue entries, folded: the same notes on the same root are
// one row, its names the familiar first. The catalogue's chords are left
// out of the scales and are the chords.

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "scales/PitchClass.h"
#include "scales/PitchClassSet.h"
#include "scales/TScale.h"
#include "theory/DegreeChords.h"
#include "theory/NoteName.h"
#include "theory/SetClass.h"
#include "theory/SpelledScale.h"

namespace orvel {

// A set of notes on a root, and the catalogue's names for it, familiar
// first (none where the catalogue has no such scale).
struct RelatedScale {
    NoteName root;
    PitchClassSet set = 0;
    std::vector<std::uint32_t> entries;
    int brightness = 0;            // modes: the sum of the positions
    std::optional<NoteName> note;  // neighbours: the note added, removed or moved to
    std::optional<NoteName> from;  // moved: the note it replaced
};

struct ScaleRelations {
    std::vector<RelatedScale> modes;        // from each degree in turn, the scale itself first
    std::vector<std::size_t> byBrightness;  // the modes, brightest first
    std::vector<RelatedScale> added;
    std::vector<RelatedScale> removed;
    std::vector<RelatedScale> moved;
    std::vector<RelatedScale> parallel;
    std::optional<RelatedScale> relative;
    std::vector<DegreeChord> chords;                          // per degree
    std::vector<std::vector<std::uint32_t>> catalogueChords;  // per degree, other sizes than seven
    SetClass setClass;
};

ScaleRelations RelationsOf(std::span<const TScale> catalogue, const SpelledScale& scale,
                           PitchClassSet set);

}  // namespace orvel
