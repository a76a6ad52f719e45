// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes the answers for a progression (orvel-match --chords): the key
// first, then the best fits, then the scales that fit, that nearly fit,
// and each chord's chord-scales.
//
// Tab-separated, in this order:
//   key<TAB>tonic<TAB>mode                     the key, then each close one
//   chord<TAB>symbol<TAB>root<TAB>bass or -<TAB>notes<TAB>tones
//   best<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>notes<TAB>also<TAB>left out
//   fits<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>added notes
//   nearly<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>missing note
//   chord-scale<TAB>symbol<TAB>bank<TAB>scale<TAB>root<TAB>set<TAB>added notes<TAB>fits or -
// A best row's "also" is its other names joined by ", ", its "left out"
// the notes it lacks and a chord each comes from ("C# of A7, G# of E7";
// a note of a line of notes alone),
// either "-" when there are none.
// JSON: {"key": {"tonic", "mode", "also": [{"tonic", "mode"}]} or null,
// "chords": [{"symbol", "root", "bass", "notes", "intervals"}], "best":
// [[bank, scale, root, set, notes, [also], [left out]]], "fits": [[bank,
// scale, root, set, added]], "nearly": [[bank, scale, root, set, missing]],
// "per_chord": [{"symbol", "scales": [[bank, scale, root, set, added,
// fits]]}]}. Roots are the window's note names ("A# / Bb"), sets decimal
// as the containing rows give them, notes spelled in ASCII as --spell
// writes them, several separated by spaces: a row's from its root as the
// key and the chords name it (RootName.h), a chord-scale's from its
// chord's root; `roots` names black keys with sharps or flats instead. A
// slash chord's notes and tones start with its bass. With `neck`, the JSON
// object gains "fretboard": the first best fit on that neck, as NeckJson
// writes it, or null when there is none.

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <span>

#include "cli/NeckWriter.h"
#include "matching/RankScales.h"
#include "scales/TScale.h"
#include "theory/Progression.h"

namespace orvel::cli {

struct ChordAnswers {
    const Progression& progression;
    std::span<const TScale> catalogue;
    const ChordScales& ranked;
    RootSpelling roots = RootSpelling::Automatic;
};

void WriteChordScalesTabSeparated(const ChordAnswers& answers, std::ostream& out);
void WriteChordScalesJson(const ChordAnswers& answers, std::ostream& out,
                          const std::optional<Neck>& neck = std::nullopt);
// The JSON object WriteChordScalesJson writes.
nlohmann::ordered_json ChordScalesJson(const ChordAnswers& answers,
                                       const std::optional<Neck>& neck);

// The first best fit, spelled from its root as the answers name it.
std::optional<SpelledScale> FirstBestFit(const ChordAnswers& answers);

}  // namespace orvel::cli
