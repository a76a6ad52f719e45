// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/IntegerText.h"

#include <array>
#include <charconv>
#include <limits>

namespace orvel {

namespace {

std::string IntegerText(std::int64_t value, int base) {
    std::array<char, 72> digits{};
    const auto [end, error] =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, base);
    return std::string(digits.data(), end);
}

bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

}  // namespace

std::string DecimalText(std::int64_t value) {
    return IntegerText(value, 10);
}

std::string BinaryText(std::int64_t value) {
    return IntegerText(value, 2);
}

std::int64_t DecimalValue(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && IsWhiteSpace(text[i])) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    constexpr std::uint64_t kLimit = std::numeric_limits<std::int64_t>::max();
    std::uint64_t magnitude = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        magnitude = magnitude > (kLimit - digit) / 10 ? kLimit + (negative ? 1 : 0)
                                                      : magnitude * 10 + digit;
    }
    if (negative) {
        return magnitude > kLimit ? std::numeric_limits<std::int64_t>::min()
                                  : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(magnitude);
}

}  // namespace orvel
