// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes the scales ranked for a progression (orvel-match --chords).
//
// Tab-separated, in this order:
//   chord<TAB>symbol<TAB>root<TAB>bass or -<TAB>notes<TAB>tones
//   fits<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>added notes
//   nearly<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>missing note
//   chord-scale<TAB>symbol<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>added notes<TAB>fits or -
// JSON: {"chords": [{"symbol", "root", "bass", "notes", "intervals"}],
// "fits": [[bank, scale, root, set, added]], "nearly": [[bank, scale, root,
// set, missing]], "per_chord": [{"symbol", "scales": [[bank, scale, root,
// set, added, fits]]}]}. Roots are the window's note names ("A# / Bb"),
// sets decimal as the containing rows give them, notes spelled in ASCII as
// --spell writes them, several separated by spaces. With `neck`, the JSON
// object gains "fretboard": the first fitting scale on that neck, as
// NeckJson writes it, or null when none fits.

#include <optional>
#include <ostream>
#include <span>

#include "cli/NeckWriter.h"
#include "matching/RankScales.h"
#include "scales/TScale.h"
#include "theory/Progression.h"

namespace orvel::cli {

void WriteChordScalesTabSeparated(const Progression& progression, std::span<const TScale> catalogue,
                                  const ChordScales& ranked, std::ostream& out);
void WriteChordScalesJson(const Progression& progression, std::span<const TScale> catalogue,
                          const ChordScales& ranked, std::ostream& out,
                          const std::optional<Neck>& neck = std::nullopt);

// A ranked scale spelled from its root.
SpelledScale SpelledRanked(std::span<const TScale> catalogue, const RankedScale& row);

}  // namespace orvel::cli
