// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/ChordQuality.h"

namespace orvel {

ChordQuality QualityOf(PitchClassSet tones) {
    const auto has = [tones](int position) { return HasPosition(tones, position); };
    const bool majorThird = has(4);
    const bool minorThird = has(3) && !majorThird;
    const bool minorSeventh = has(10);
    if (majorThird && minorSeventh) {
        return ChordQuality::Dominant;
    }
    if (majorThird) {
        return has(8) && !has(7) && !has(11) ? ChordQuality::Augmented : ChordQuality::Major;
    }
    if (minorThird && has(6) && !has(7)) {
        return minorSeventh ? ChordQuality::HalfDiminished : ChordQuality::Diminished;
    }
    if (minorThird) {
        return ChordQuality::Minor;
    }
    if ((has(5) || has(2)) && minorSeventh) {
        return ChordQuality::Dominant;
    }
    if (has(5) || has(2)) {
        return ChordQuality::Suspended;
    }
    return ChordQuality::Power;
}

bool CanBeTonic(ChordQuality quality) {
    return quality == ChordQuality::Major || quality == ChordQuality::Minor ||
           quality == ChordQuality::Dominant;
}

}  // namespace orvel
