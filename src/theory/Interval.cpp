// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Interval.h"

#include "theory/NoteName.h"

namespace orvel {

int Interval::Semitones() const {
    const int steps = degree - 1;
    return NaturalPitchClass(steps % 7) + 12 * (steps / 7) + alteration;
}

std::string Interval::Text() const {
    return AccidentalText(alteration, "#", "b") + std::to_string(degree);
}

std::string Interval::Display() const {
    return DisplayAccidental(alteration) + std::to_string(degree);
}

}  // namespace orvel
