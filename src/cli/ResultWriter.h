// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a match result as the window's lists would show it: exact rows
// first, then containing rows, each in result order.
//
// Tab-separated: "exact<TAB>bank<TAB>scale<TAB>root" and
// "containing<TAB>bank<TAB>scale<TAB>root<TAB>notes" lines; a tab, CR, LF
// or backslash inside a field is written \t, \r, \n or \\.
// JSON: {"value": ..., "exact": [[bank, scale, root], ...],
// "containing": [[bank, scale, root, notes], ...]}, UTF-8, with every field
// escaped; bytes that are not valid UTF-8 become U+FFFD.
// With `spell`, every row gains two fields after these: the scale's notes
// spelled from the row's root (a chord's as stacked thirds), named as
// `spell` says (RowSpelling.h), and their intervals, each
// space-separated, in ASCII ("F G A Bb C D E", "1 2 3 4 5 6 7").
// With `neck`, the JSON object gains "fretboard": the first row's scale on
// that neck, as NeckJson writes it, or null without a row; and it gains
// the fields of `more`, an object (the first row's relations).

#include <nlohmann/json.hpp>
#include <optional>
#include <ostream>
#include <span>
#include <vector>

#include "cli/NeckWriter.h"
#include "cli/RowSpelling.h"
#include "matching/FindScales.h"
#include "matching/TMatchResult.h"
#include "theory/SpelledScale.h"

namespace orvel::cli {

void WriteTabSeparated(const TMatchResult& result, std::ostream& out,
                       std::optional<RowSpelling> spell = std::nullopt);
void WriteJson(const TMatchResult& result, std::ostream& out,
               std::optional<RowSpelling> spell = std::nullopt,
               const std::optional<Neck>& neck = std::nullopt,
               const nlohmann::ordered_json& more = nlohmann::ordered_json::object());

// A row's scale spelled from the row's own root, a chord's as stacked thirds.
SpelledScale SpelledRow(const TMatchResult& result, const TMatchRow& row,
                        const RowSpelling& spelling);

// The scales found by name: one line each (bank, scale, the aliases joined
// by ", "), or one JSON object {"scales": [{"bank", "scale", "aliases"}]}.
void WriteFound(std::span<const TScale> catalogue, const std::vector<FoundScale>& found, bool json,
                std::ostream& out);

}  // namespace orvel::cli
