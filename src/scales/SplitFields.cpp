// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/SplitFields.h"

namespace orvel {

void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields,
                 std::size_t most) {
    fields.clear();
    std::size_t start = 0;
    while (fields.size() < most) {
        const std::size_t end = line.find(separator, start);
        fields.push_back(line.substr(start, end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + 1;
    }
}

}  // namespace orvel
