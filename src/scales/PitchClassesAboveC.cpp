// SPDX-License-Identifier: GPL-3.0-or-later
#include "scales/PitchClassesAboveC.h"

#include <bit>

namespace orvel {

int PitchClassesAboveC::Count() const {
    return std::popcount(bits_);
}

std::vector<PitchClass> PitchClassesAboveC::Members() const {
    std::vector<PitchClass> members;
    for (int semitones = 0; semitones < kPositionCount; ++semitones) {
        if (Has(PitchClass(semitones))) {
            members.emplace_back(semitones);
        }
    }
    return members;
}

PitchClassesAboveC NotesOn(PitchClassSet positions, PitchClass root) {
    PitchClassesAboveC notes;
    for (const int position : PositionsOf(positions)) {
        notes.Add(root.Up(position));
    }
    return notes;
}

PitchClassSet PositionsAbove(PitchClass root, PitchClassesAboveC notes) {
    return SetOfPositions([&](int position) { return notes.Has(root.Up(position)); });
}

}  // namespace orvel
