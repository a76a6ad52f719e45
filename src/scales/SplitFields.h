#pragma once

// Cuts a catalogue line into its fields. Every separator separates: n
// separators give n + 1 fields, adjacent separators an empty field. There is
// no quoting and no trimming.

#include <string_view>
#include <vector>

namespace orvel {

// Replaces `fields` with views into `line`, which must outlive them.
void SplitFields(std::string_view line, char separator, std::vector<std::string_view>& fields);

}  // namespace orvel
