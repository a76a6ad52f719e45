// SPDX-License-Identifier: GPL-3.0-or-later
#include "matching/Familiarity.h"

#include <algorithm>
#include <limits>
#include <map>
#include <sstream>
#include <string>
#include <utility>

#include "scales/SplitFields.h"

namespace orvel {

namespace {

using Table = std::map<std::pair<std::string, std::string>, Familiarity, std::less<>>;

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
        table.try_emplace(
            {std::string(fields[1]), std::string(fields[2])},
            Familiarity{std::clamp(fields[0].front() - '0', 1, Familiarity::kLastTier), order++});
    }
    return table;
}

}  // namespace

Familiarity FamiliarityOf(const TScale& entry) {
    static const Table table = ReadTable();
    const auto found = table.find(std::pair(entry.Bank, entry.Scale));
    return found == table.end()
               ? Familiarity{Familiarity::kLastTier, std::numeric_limits<int>::max()}
               : found->second;
}

}  // namespace orvel
