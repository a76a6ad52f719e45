// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/Familiarity.h"

#include <algorithm>
#include <limits>
#include <map>
#include <sstream>
#include <string>

#include "scales/SplitFields.h"

namespace orvel {

namespace {

// Bank, then scale: found by views, with no text copied.
using Table = std::map<std::string, std::map<std::string, Familiarity, std::less<>>, std::less<>>;

Table ReadTable() {
    Table table;
    std::istringstream lines(kFamiliarityTable);
    std::string line;
    std::vector<std::string_view> fields;
    int order = 0;
    while (std::getline(lines, line)) {
        SplitFields(line, ',', fields);
        if (line.empty() || line.front() == '#' || fields.size() != 3) {
            continue;
        }
        const int tier = std::clamp(fields[0].front() - '0', 1, Familiarity::kLastTier);
        table[std::string(fields[1])].try_emplace(std::string(fields[2]),
                                                  Familiarity{tier, order++});
    }
    return table;
}

}  // namespace

Familiarity FamiliarityOf(const TScale& entry) {
    static const Table table = ReadTable();
    const Familiarity unknown{Familiarity::kLastTier, std::numeric_limits<int>::max()};
    const auto bank = table.find(std::string_view(entry.Bank));
    if (bank == table.end()) {
        return unknown;
    }
    const auto scale = bank->second.find(std::string_view(entry.Scale));
    return scale == bank->second.end() ? unknown : scale->second;
}

}  // namespace orvel
