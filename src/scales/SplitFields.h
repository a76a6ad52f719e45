// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Cuts a catalogue line into its fields. Every separator separates: n
// separators give n + 1 fields, adjacent separators an empty field. There is
// no quoting and no trimming.

#include <cstddef>
#include <limits>
#include <string_view>
#include <vector>

namespace orvel {

// Replaces `fields` with views into `line`, which must outlive them: the
// first `most` fields at the most, so that a line of a million commas costs
// no more than the fields a caller uses.
void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields,
                 std::size_t most = std::numeric_limits<std::size_t>::max());

}  // namespace orvel
