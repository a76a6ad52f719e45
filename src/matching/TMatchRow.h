// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace orvel {

// One row of a result list, kept light: which catalogue entry it shows and
// which pass found it (0 for the chosen root, i for the other root at
// position i). Its texts come from TMatchResult on demand, so a row never
// copies the entry's strings.
struct TMatchRow {
    std::uint32_t Entry = 0;
    std::uint32_t Pass = 0;

    friend bool operator==(const TMatchRow&, const TMatchRow&) = default;
};

}  // namespace orvel
