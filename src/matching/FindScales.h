// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding scales by name: what Tools > Find Scale lists and what
// orvel-match --find prints.
//
// The text is split into words at spaces; an entry is found when every
// word is part of its name or its bank, whatever the letter case ("hira",
// "blues", "minor harmonic"). No word at all finds every entry, to browse.
// The entries whose name holds every word come first, then those found
// through their bank, each part in catalogue order; each comes with its
// aliases: the names of the other entries of the same bank with the same
// notes, in catalogue order.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "scales/TScale.h"

namespace orvel {

struct FoundScale {
    std::uint32_t entry = 0;           // index in the catalogue
    std::vector<std::string> aliases;  // its other names in its bank

    friend bool operator==(const FoundScale&, const FoundScale&) = default;
};

std::vector<FoundScale> FindScales(std::span<const TScale> catalogue, std::string_view text);

}  // namespace orvel
