// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/RootName.h"

#include <algorithm>

namespace orvel {

NoteName RootName(PitchClass root, const Progression& progression, std::span<const Key> keys,
                  RootSpelling spelling) {
    const NoteName automatic = SpellScale(0, root, SpellAs::Scale, spelling).root;
    if (spelling != RootSpelling::Automatic && automatic.accidental != 0) {
        return automatic;
    }
    if (!keys.empty() && keys.front().tonic.PitchClass() == root) {
        return keys.front().tonic;
    }
    for (const ChordSymbol* chord : progression.Chords()) {
        if (chord->root.PitchClass() == root) {
            return chord->root;
        }
    }
    if (keys.empty() || automatic.accidental == 0) {
        return automatic;
    }
    const SpelledScale key = SpellScale(keys.front().Collection(), keys.front().tonic);
    if (const auto degree = key.DegreeOf(root)) {
        return key.notes[*degree];
    }
    const bool sharps = std::any_of(key.notes.begin(), key.notes.end(),
                                    [](const NoteName& note) { return note.accidental > 0; });
    return SpellScale(0, root, SpellAs::Scale, sharps ? RootSpelling::Sharps : RootSpelling::Flats)
        .root;
}

}  // namespace orvel
