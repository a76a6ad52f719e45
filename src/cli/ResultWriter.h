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

#include <ostream>

#include "matching/TMatchResult.h"

namespace orvel::cli {

void WriteTabSeparated(const TMatchResult& result, std::ostream& out);
void WriteJson(const TMatchResult& result, std::ostream& out);

}  // namespace orvel::cli
