// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One scale as a window shows it: a catalogue entry on a root, with the
// ticked notes it was found by when the row brings them. The main window's
// rows, the chord window's and Find Scale's all become one, for the details
// window, the fretboard and the clipboard. Build it with named fields:
//
//   ScaleRow{.entry = catalogue[i], .root = PitchClass(7),
//            .ticks = Ticks{.notes = ticked, .chosenRoot = kC}}

#include <optional>

#include "scales/PitchClass.h"
#include "scales/PitchClassesAboveC.h"
#include "scales/TScale.h"

namespace orvel {

// The notes ticked, and the root they were ticked under.
struct Ticks {
    PitchClassesAboveC notes;
    PitchClass chosenRoot;

    // The ticked notes as positions above the chosen root.
    PitchClassSet Positions() const { return PositionsAbove(chosenRoot, notes); }

    friend bool operator==(const Ticks&, const Ticks&) = default;
};

struct ScaleRow {
    TScale entry;  // a copy: a row outlives the result it came from
    PitchClass root;
    std::optional<Ticks> ticks;  // none: the row was found by name, not by notes
    // The letter a window named the root by (0 C to 6 B: F♯ rather than
    // G♭, as the key of a progression names it); none: as reads best.
    std::optional<int> rootLetter = std::nullopt;

    // The scale's notes on the row's root.
    PitchClassesAboveC Notes() const { return NotesOn(entry.Notes, root); }
};

}  // namespace orvel
