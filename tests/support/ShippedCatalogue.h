// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The catalogue the program ships, loaded once for the tests that rank
// against it (ORVEL_CATALOGUE names its file).

#include <sstream>
#include <vector>

#include "scales/LoadScales.h"

namespace orvel::testing_support {

inline const std::vector<TScale>& ShippedCatalogue() {
    static const std::vector<TScale> catalogue = [] {
        std::ostringstream warnings;
        return LoadScales(ORVEL_CATALOGUE, warnings).scales;
    }();
    return catalogue;
}

}  // namespace orvel::testing_support
