// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The scale matching: which catalogue entries hold exactly the ticked pitch
// classes ("Exact Match") and which hold them and more ("Containing All
// Notes"), from the chosen root and, with "Include Other Roots", from every
// admitted other root.
//
// One pass scans the catalogue in order for the chosen root; with other roots
// included, passes for positions 1 to 11 follow, each with the query rotated
// so that position becomes the root. "Roots in List Only" admits only the
// ticked positions. Rows appear pass by pass, each pass in catalogue order;
// nothing is sorted. The function keeps no state and changes nothing.

#include <span>

#include "matching/TMatchResult.h"
#include "matching/TScaleQuery.h"
#include "scales/TScale.h"

namespace orvel {

// The result refers to `catalogue`, which must outlive it.
TMatchResult MatchScales(const TScaleQuery& query, std::span<const TScale> catalogue);

}  // namespace orvel
