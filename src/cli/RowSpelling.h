// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How orvel-match spells a row's scale: roots on black keys named as
// --sharps or --flats ask; else the root the user typed as typed (--root Bb
// answers in B♭, --root Cb in C♭), and other roots as reads best.

#include <optional>

#include "scales/PitchClass.h"
#include "scales/TScale.h"
#include "theory/NoteName.h"
#include "theory/SpelledScale.h"

namespace orvel::cli {

struct RowSpelling {
    RootSpelling roots = RootSpelling::Automatic;
    std::optional<NoteName> typedRoot;

    SpelledScale Spell(const TScale& entry, PitchClass root) const {
        if (typedRoot && typedRoot->PitchClass() == root) {
            return SpellScale(entry.Notes, *typedRoot, SpellAsFor(entry.Bank));
        }
        return SpellEntry(entry, root, roots);
    }
};

}  // namespace orvel::cli
