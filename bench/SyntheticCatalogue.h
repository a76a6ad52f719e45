// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Catalogues made up for the benchmarks: reproducible from a seed, with
// names of realistic length and lines of about 80 bytes, so that nothing
// large needs to be committed.

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "scales/TScale.h"

namespace orvel::bench {

inline std::vector<TScale> SyntheticCatalogue(std::size_t entries, std::uint32_t seed = 20261208) {
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> sets(1, 4095);
    std::vector<TScale> catalogue;
    catalogue.reserve(entries);
    for (std::size_t i = 0; i < entries; ++i) {
        TScale entry;
        entry.Bank = "Bank " + std::to_string(i % 97);
        entry.Scale = "Synthetic scale number " + std::to_string(i);
        entry.Notes = sets(random);
        catalogue.push_back(std::move(entry));
    }
    return catalogue;
}

// The catalogue file text for `catalogue`, two header lines first.
inline std::string CatalogueFileText(const std::vector<TScale>& catalogue) {
    std::string text = "Synthetic catalogue\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n";
    for (const TScale& entry : catalogue) {
        text += entry.Bank + "," + entry.Scale;
        for (int p = 0; p < kPositionCount; ++p) {
            text += HasPosition(entry.Notes, p) ? ",TRUE" : ",FALSE";
        }
        text += '\n';
    }
    return text;
}

}  // namespace orvel::bench
