// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The text forms of an integer that the system writes and reads: decimal and
// base-2 digits, and the number a decimal text starts with. The desktop
// layer's Bin and Val are these, for its text values.

#include <cstdint>
#include <string>
#include <string_view>

namespace orvel {

// Plain decimal digits, with a minus sign only for a negative value.
std::string DecimalText(std::int64_t value);

// Base-2 digits, most significant first, without leading zeros ("0" for 0);
// a negative value is a minus sign and the digits of its magnitude.
std::string BinaryText(std::int64_t value);

// The number a decimal text spells: optional leading white space, an optional
// sign and the leading digits; 0 when there are none. Digits beyond the range
// of a 64-bit integer saturate.
std::int64_t DecimalValue(std::string_view text);

}  // namespace orvel
