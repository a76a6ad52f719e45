#pragma once

// The pitch-class set shared by the whole system.
//
// Twelve positions 0 to 11; position p is the pitch class p semitones above
// the root. A set is held in a signed 64-bit integer with position p in bit
// 11 - p, so the root is bit 11 (2048) and position 11 is bit 0 (1). Read as a
// 12-digit base-2 numeral, the digits from left to right are positions 0 to 11:
// root, major third and fifth give 100010010000, decimal 2192.
//
// Every set the system builds lies in 0 to 4095; this is the only form a set
// is ever stored in.

#include <cstdint>
#include <string>

namespace orvel {

using PitchClassSet = std::int64_t;

inline constexpr int kPositionCount = 12;
inline constexpr PitchClassSet kAllPositions = 4095;

// The bit that stands for position p (0 to 11).
constexpr PitchClassSet PositionBit(int position) {
    return PitchClassSet{1} << (kPositionCount - 1 - position);
}

constexpr bool HasPosition(PitchClassSet set, int position) {
    return (set & PositionBit(position)) != 0;
}

// The set equals the query.
constexpr bool IsSameSet(PitchClassSet set, PitchClassSet query) {
    return set == query;
}

// The set holds every position of the query and at least one more.
constexpr bool IsStrictSuperset(PitchClassSet set, PitchClassSet query) {
    return (set & query) == query && set != query;
}

// Plain decimal digits, with a minus sign only for a negative value.
std::string DecimalText(PitchClassSet set);

// Base-2 digits, most significant first, without leading zeros ("0" for 0).
std::string BinaryText(PitchClassSet set);

}  // namespace orvel
