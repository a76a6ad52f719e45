// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How familiar a catalogue scale is to musicians, from the table in
// data/familiarity.csv (built into the program): tier 1 the major and
// minor modes, harmonic and melodic minor, the pentatonics and the blues
// scales; tier 2 bebop, diminished, whole tone, harmonic major, altered,
// Lydian dominant and their kin; tier 3 every other scale, and every scale
// of a catalogue of the user's own that the table does not name. Within a
// tier, the table's order ranks names of the same notes.

#include <compare>

#include "scales/TScale.h"

namespace orvel {

struct Familiarity {
    static constexpr int kLastTier = 3;

    int tier = kLastTier;
    int order = 0;  // the line in the table; unknown scales after all

    friend auto operator<=>(const Familiarity&, const Familiarity&) = default;
};

Familiarity FamiliarityOf(const TScale& entry);

// The table's text, "tier,bank,scale" a line ("#" starts a comment).
extern const char* const kFamiliarityTable;

}  // namespace orvel
