// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A scale on the neck of a fretted instrument, for orvel-match --fretboard.
//
// As text, one line per string, string 1 (the treble side) first: the open
// string's pitch, then a cell for each fret from the open string up, with
// the nut after the open string:
//   E4  E   | F   -   G   -   A   -   B   C   -   D   -   E   F   -   G
// holding the scale's note there, spelled in ASCII, or "-". Left-handed,
// each line is mirrored: the highest fret first and the pitch last.
// As JSON: {"tuning": ["E2", ...] (bass side first, as typed), "frets": N,
// "positions": [{"string": 1, "fret": 0, "note": "E", "interval": "3"}, ...]},
// every place from the open strings to the last fret whose pitch class is
// in the scale, string 1 first, each from the nut up.

#include <nlohmann/json.hpp>
#include <ostream>

#include "theory/SpelledScale.h"
#include "theory/Tuning.h"

namespace orvel::cli {

struct Neck {
    Tuning tuning;
    int frets = kDefaultFrets;
    bool leftHanded = false;
};

void WriteNeck(const SpelledScale& scale, const Neck& neck, std::ostream& out);
nlohmann::ordered_json NeckJson(const SpelledScale& scale, const Neck& neck);

}  // namespace orvel::cli
