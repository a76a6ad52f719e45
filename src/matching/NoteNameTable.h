// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <string_view>

#include "matching/TScaleQuery.h"

namespace orvel {

// The twelve note names, A first, one semitone apart. The window's root
// popup lists them in this order and its note-name table holds them, so a
// popup index is an index here; the command line reads notes by them too.
inline constexpr std::array<std::string_view, 12> kNoteNameTable = {
    "A", "A# / Bb", "B", "C", "C# / Db", "D", "D# / Eb", "E", "F", "F# / Gb", "G", "G# / Ab"};

// The root the window and orvel-match start from: C.
inline constexpr int kDefaultRootIndex = 3;

// The pitch class above C of the note at an index of the table (A is 9).
constexpr int PitchClassAboveC(int tableIndex) {
    return (tableIndex + 9) % 12;
}

// The index in the table of a pitch class above C (C is 3).
constexpr int TableIndexOf(int pitchClassAboveC) {
    return (pitchClassAboveC + 3) % 12;
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
