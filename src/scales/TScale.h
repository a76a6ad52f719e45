// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One entry of the scale catalogue: the bank (group) it belongs to, its name,
// and the pitch classes it contains counted from its root.
//
// The loader builds one TScale from the fields of each catalogue line and the
// main window's catalogue owns it; nothing changes an entry once its
// Constructor has run. The matching asks each entry the two questions below.

#include <span>
#include <string>
#include <string_view>

#include "scales/PitchClassSet.h"

namespace orvel {

class TScale {
  public:
    // Fields a catalogue line needs: bank, scale name and twelve positions.
    static constexpr std::size_t kFieldCount = 2 + kPositionCount;

    TScale() = default;
    explicit TScale(std::span<const std::string_view> fields) { Constructor(fields); }

    // Sets Bank from field 0, Scale from field 1 and Notes from fields 2 to 13
    // (field i is position i - 2; "TRUE" in any ASCII letter case is present,
    // any other text, spaces included, is absent). Fields after 13 are ignored.
    // With fewer than 14 fields it throws std::out_of_range at the first
    // missing field, leaving what it set before that: Bank and Scale when the
    // position fields fall short (Notes is set in one step, once all twelve
    // are read).
    void Constructor(std::span<const std::string_view> fields);

    // The entry holds every position of the query and at least one more.
    bool ContainsAll(PitchClassSet query) const { return IsStrictSuperset(Notes, query); }

    // The entry's set equals the query.
    bool Equivalent(PitchClassSet query) const { return IsSameSet(Notes, query); }

    // "Bank : Scale : Notes", the set in decimal.
    std::string Print() const;

    std::string Bank;
    PitchClassSet Notes = 0;
    std::string Scale;
};

// Whether a catalogue position field marks the pitch class as present.
bool IsPresentField(std::string_view field);

}  // namespace orvel
