// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/RootName.h"

namespace orvel {

NoteName RootName(PitchClass root, const Progression& progression, std::span<const Key> keys,
                  RootSpelling spelling) {
    const NoteName automatic = SpellScale(0, root, SpellAs::Scale, spelling).root;
    if (spelling != RootSpelling::Automatic && automatic.accidental != 0) {
        return automatic;
    }
    for (const ChordSymbol* chord : progression.Chords()) {
        if (chord->root.PitchClass() == root) {
            return chord->root;
        }
    }
    if (automatic.accidental == 0) {
        return automatic;
    }
    for (const Key& key : keys) {
        const SpelledScale scale = SpellScale(key.Collection(), key.tonic);
        if (const auto degree = scale.DegreeOf(root)) {
            return scale.notes[*degree];
        }
    }
    return automatic;
}

NoteName ChordScaleRoot(const ChordSymbol& chord, RootSpelling spelling) {
    const NoteName asked = SpellScale(0, chord.root.PitchClass(), SpellAs::Scale, spelling).root;
    return spelling != RootSpelling::Automatic && asked.accidental != 0 ? asked : chord.root;
}

}  // namespace orvel
