// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lead sheet of real changes, chorus after chorus, for the benchmarks:
// rhythm changes, a minor tune, a jazz blues, a modal tune and a ballad,
// with slash chords, alterations, repeats and a rest.

#include <cstddef>
#include <iterator>
#include <string>

#include "theory/Progression.h"

namespace orvel::bench {

// At least `chords` chords played.
inline std::string LeadSheetOf(std::size_t chords) {
    const std::string choruses[] = {
        "| Bbmaj7 G7 | Cm7 F7 | Dm7 G7 | Cm7 F7 | Fm7 Bb7 | Ebmaj7 Edim7 | Dm7 G7 | Cm7 F7 |\n",
        "| Cm7 | F7 | Bbmaj7 | Ebmaj7 | Am7b5 | D7b9 | Gm6 | % |\n",
        "| F7 | Bb7 | F7 | Cm7 F7 | Bb7 | Bdim7 | F7/A | D7#9 | Gm7 | C7alt | F7 D7 | Gm7 C7 |\n",
        "| Dm7 | % | Ebm7 | % | Dm9 | Db13 | Cmaj7#11 | B7sus4(b9) |\n",
        "| Em7b5 A7b9 | Dm(maj7) Dm7 | G13 | C6/9 | F#m7b5 B7 | Em7 A7 | N.C. | Abmaj7 |\n",
    };
    std::string sheet;
    for (std::size_t chorus = 0; ReadProgression(sheet, ReadAs::Chords).played.size() < chords;
         ++chorus) {
        sheet += choruses[chorus % std::size(choruses)];
    }
    return sheet;
}

}  // namespace orvel::bench
