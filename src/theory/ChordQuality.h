// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What kind of chord a set of tones is, as a musician names it at a
// glance: the third, the fifth and the seventh decide.
//   Dominant        a major third and a minor seventh (C7, C9, C7alt), or a
//                   fourth in the third's place with one (C7sus4)
//   Major           a major third without a minor seventh (C, Cmaj7, C6)
//   Minor           a minor third and a perfect fifth (Cm, Cm7, CmMaj7)
//   HalfDiminished  a minor third, a diminished fifth, a minor seventh
//   Diminished      a minor third, a diminished fifth, no minor seventh
//   Suspended       no third, no seventh (Csus4, Csus2)
//   Power           the root and fifth alone
// A major third with a raised fifth and no seventh is Augmented.

#include "scales/PitchClassSet.h"

namespace orvel {

enum class ChordQuality {
    Major,
    Minor,
    Dominant,
    Diminished,
    HalfDiminished,
    Augmented,
    Suspended,
    Power,
};

// `tones` as positions above the chord's root.
ChordQuality QualityOf(PitchClassSet tones);

// A major or minor triad, or a major, minor or dominant chord: one that can
// stand as a key's tonic.
bool CanBeTonic(ChordQuality quality);

}  // namespace orvel
