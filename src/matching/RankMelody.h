// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The answer for a melody: its profile (MelodyProfile.h), the notes kept
// above the threshold, the key (MelodyKey.h), and the scales, ranked as for
// chords (RankScales.h): best fits first, then those that hold every kept
// note. A piece that changes key shows where: each section of a few bars
// has a key of its own.

#include <span>
#include <vector>

#include "matching/RankScales.h"
#include "scales/TScale.h"
#include "theory/Melody.h"
#include "theory/MelodyProfile.h"
#include "theory/Progression.h"
#include "theory/SpelledScale.h"

namespace orvel {

struct MelodyQuery {
    static constexpr double kDefaultThreshold = 0.02;
    static constexpr int kDefaultBarsPerSection = 8;

    MelodySpan span;
    double threshold = kDefaultThreshold;  // a share of the whole weight, 0 to 1
    int barsPerSection = kDefaultBarsPerSection;
};

struct MelodySection {
    int firstBar = 1;
    int lastBar = 1;
    std::vector<Key> keys;  // best first
};

struct MelodyAnswer {
    static constexpr std::size_t kMostSections = 500;

    MelodyProfile profile;
    PitchClassesAboveC kept;  // the notes above the threshold
    ChordScales scales;       // keys, best fits, fits and near fits; no chords
    // The bars of the span with notes, a section at a time; the first
    // kMostSections of them.
    std::vector<MelodySection> sections;
};

MelodyAnswer RankMelody(std::span<const TScale> catalogue, const Melody& melody,
                        const MelodyQuery& query);

// The kept notes as a line of notes (Progression.h), each spelled as the
// first of the keys the piece passes through that holds it names it (the
// whole piece's, then the sections'; RootName.h), so that the answers name
// them as they name a line of notes typed.
Progression KeptNotesLine(const MelodyAnswer& answer,
                          RootSpelling spelling = RootSpelling::Automatic);

}  // namespace orvel
