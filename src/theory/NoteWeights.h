// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How much each note of a progression counts for the scales over it, by
// the beats its chord lasts: a chord's tones (root, fifth, sixth, seventh,
// a suspension's second or fourth, and a slash chord's bass) once, its
// third, which tells major from minor, one and a half times, its tensions
// (9, 11, 13 and their alterations) half. A line read as
// notes counts each note once.

#include <array>

#include "scales/PitchClass.h"
#include "theory/Progression.h"

namespace orvel {

struct NoteWeights {
    std::array<double, 12> ofPitchClass{};  // C first

    double Of(PitchClass note) const {
        return ofPitchClass[static_cast<std::size_t>(note.SemitonesAboveC())];
    }
    double Total() const;
};

NoteWeights WeighNotes(const Progression& progression);

}  // namespace orvel
