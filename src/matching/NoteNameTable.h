// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "matching/TScaleQuery.h"
#include "scales/NoteTableIndex.h"
#include "scales/PitchClass.h"

namespace orvel {

// The twelve note names, A first, one semitone apart. The window's root
// popup lists them in this order and its note-name table holds them, so a
// popup index is an index here; the command line reads notes by them too.
inline constexpr std::array<std::string_view, 12> kNoteNameTable = {
    "A", "A# / Bb", "B", "C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G", "G# / Ab"};

// The root the window and orvel-match start from: C.
inline constexpr NoteTableIndex kDefaultRootIndex = NoteTableIndex::Of(kC);

// The table's name at an index, and of a pitch class ("C# / Db" for 1).
constexpr std::string_view TableName(NoteTableIndex index) {
    return kNoteNameTable[static_cast<std::size_t>(index.Value())];
}
constexpr std::string_view TableName(PitchClass note) {
    return TableName(NoteTableIndex::Of(note));
}

// The table as the matching's note names (TScaleQuery::Labels).
inline NoteNames StandardNoteNames() {
    NoteNames names;
    for (std::size_t k = 0; k < names.size(); ++k) {
        names[k] = kNoteNameTable[k];
    }
    return names;
}

}  // namespace orvel
