// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Pitch classes in tests: sets written as twelve digits (B first, C last,
// as a bitset prints them) or as a list, and readable failure messages.

#include <bitset>
#include <initializer_list>
#include <ostream>
#include <string>

#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"

namespace orvel {

// "000010010001" is C E G.
inline PitchClassesAboveC NotesFromDigits(const char* digits) {
    return PitchClassesAboveC::FromBits(
        static_cast<std::uint32_t>(std::bitset<12>(digits).to_ulong()));
}

inline PitchClassesAboveC NotesOf(std::initializer_list<int> semitonesAboveC) {
    PitchClassesAboveC notes;
    for (const int semitones : semitonesAboveC) {
        notes.Add(PitchClass(semitones));
    }
    return notes;
}

inline std::string Digits(PitchClassesAboveC notes) {
    return std::bitset<12>(notes.Bits()).to_string();
}

inline void PrintTo(PitchClass note, std::ostream* out) {
    *out << "pitch class " << note.SemitonesAboveC();
}

inline void PrintTo(PitchClassesAboveC notes, std::ostream* out) {
    *out << Digits(notes);
}

}  // namespace orvel
