// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An index into the main window's note-name table and its root popup, whose
// twelve items start at A ("A", "A# / Bb", "B", "C", ...): A is 0, C is 3.
//
// The table's order is the window's, so this index is used only where that
// table is read (the root popup, the matching's root names). Everywhere else
// a root is a PitchClass; the two conversions below are the only ones.

#include <compare>

#include "scales/PitchClass.h"

namespace orvel {

class NoteTableIndex {
  public:
    constexpr NoteTableIndex() = default;
    // `index` taken round the table: 12 is 0 again.
    constexpr explicit NoteTableIndex(int index) : index_(((index % 12) + 12) % 12) {}

    // The index of a pitch class in the table (C is 3).
    static constexpr NoteTableIndex Of(PitchClass note) {
        return NoteTableIndex(note.SemitonesAboveC() + kCIndex);
    }

    // 0 to 11.
    constexpr int Value() const { return index_; }
    // The pitch class of the note at this index (A is 9).
    constexpr PitchClass Note() const { return PitchClass(index_ - kCIndex); }

    friend constexpr auto operator<=>(NoteTableIndex, NoteTableIndex) = default;

  private:
    static constexpr int kCIndex = 3;
    int index_ = 0;
};

}  // namespace orvel
