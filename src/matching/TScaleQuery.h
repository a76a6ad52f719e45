// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the matching is asked: the ticked set, the root and the two options.
// The main window builds one from its controls for every run.

#include <array>
#include <string>

#include "scales/NoteTableIndex.h"
#include "scales/PitchClassSet.h"

namespace orvel {

using NoteNames = std::array<std::string, kPositionCount>;

struct TScaleQuery {
    PitchClassSet QueryNotes = 0;  // bit 11 - p set when position p is ticked; 0 to 4095
    NoteTableIndex RootIndex;      // of the chosen root in Labels
    std::string RootCaption;       // root name written into the main pass's rows
    NoteNames Labels;              // note names one semitone apart, index 0 first
    bool IncludeOtherRoots = false;
    bool RootsInListOnly = false;
};

}  // namespace orvel
