#include "PitchClassSet.h"

#include <array>
#include <charconv>

namespace orvel {

namespace {

std::string IntegerText(PitchClassSet value, int base) {
    std::array<char, 72> digits{};
    const auto [end, error] =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, base);
    return std::string(digits.data(), end);
}

}  // namespace

std::string DecimalText(PitchClassSet set) {
    return IntegerText(set, 10);
}

std::string BinaryText(PitchClassSet set) {
    return IntegerText(set, 2);
}

}  // namespace orvel
