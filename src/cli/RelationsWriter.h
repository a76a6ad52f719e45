// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Writes a scale's relations (orvel-match --relations; ScaleRelations.h)
// after the rows, for the first row.
//
// Tab-separated, one line each:
//   mode<TAB>root<TAB>names<TAB>brightness        from each degree, in order
//   added<TAB>note<TAB>names
//   removed<TAB>note<TAB>names
//   moved<TAB>from<TAB>to<TAB>names
//   parallel<TAB>names
//   relative<TAB>root<TAB>names
//   chord<TAB>root<TAB>triad<TAB>seventh<TAB>numeral   per degree, "-" for none
//   forte<TAB>name<TAB>prime form<TAB>Rahn's prime form
//   interval_vector<TAB>six counts
//   symmetry<TAB>transpositions<TAB>own inversion or chiral
// Names are the catalogue's, joined by ", ", "-" for none.
// JSON fields, added to the object: "modes": [{"root", "names",
// "brightness"}], "neighbours": {"added": [{"note", "names"}], "removed":
// [...], "moved": [{"from", "to", "names"}]}, "parallel": [names],
// "relative": {"root", "names"} or null, "chords": [{"root", "triad",
// "seventh", "numeral"}], "forte", "prime_form", "rahn_prime_form",
// "interval_vector", "symmetry": {"transpositions", "own_inversion"}.

#include <nlohmann/json.hpp>
#include <ostream>
#include <span>

#include "matching/ScaleRelations.h"
#include "scales/TScale.h"

namespace orvel::cli {

void WriteRelationsTabSeparated(const ScaleRelations& relations, std::span<const TScale> catalogue,
                                std::ostream& out);
nlohmann::ordered_json RelationsJson(const ScaleRelations& relations,
                                     std::span<const TScale> catalogue);

}  // namespace orvel::cli
