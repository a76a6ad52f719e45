// SPDX-License-Identifier: GPL-3.0-or-later
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
#include <initializer_list>
#include <vector>

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

// The set of the positions p (0 to 11) for which `ticked(p)` is true: how a
// set is built from catalogue fields, check boxes or a list of positions.
template <typename Ticked>
constexpr PitchClassSet SetOfPositions(Ticked ticked) {
    PitchClassSet set = 0;
    for (int position = 0; position < kPositionCount; ++position) {
        if (ticked(position)) {
            set |= PositionBit(position);
        }
    }
    return set;
}

// The set of the positions listed: SetOf({0, 4, 7}) is the major triad.
constexpr PitchClassSet SetOf(std::initializer_list<int> positions) {
    PitchClassSet set = 0;
    for (const int position : positions) {
        set |= PositionBit(position);
    }
    return set;
}

// The positions the set holds, in rising order; bits beyond the twelve
// positions are not read.
std::vector<int> PositionsOf(PitchClassSet set);

// The mode of `set` that starts on its position `start`: the same notes,
// counted from another of them (the Dorian mode is the major scale from 2).
PitchClassSet ModeFrom(PitchClassSet set, int start);

}  // namespace orvel
