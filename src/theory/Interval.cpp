// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Interval.h"

#include "theory/NoteName.h"

namespace orvel {

int Interval::Semitones() const {
    return NaturalPitchClass(degree - 1) + alteration;
}

std::string Interval::Text() const {
    const std::string mark = alteration > 0 ? "#" : "b";
    std::string text;
    for (int i = 0; i < (alteration > 0 ? alteration : -alteration); ++i) {
        text += mark;
    }
    return text + std::to_string(degree);
}

}  // namespace orvel
