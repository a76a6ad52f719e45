// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/NoteName.h"

#include <array>

namespace orvel {

namespace {

std::string Spelled(const NoteName& note, const std::string& sharp, const std::string& flat) {
    std::string text(1, "CDEFGAB"[note.letter]);
    for (int i = 0; i < note.accidental; ++i) {
        text += sharp;
    }
    for (int i = 0; i < -note.accidental; ++i) {
        text += flat;
    }
    return text;
}

}  // namespace

int NaturalPitchClass(int letter) {
    constexpr std::array<int, 7> kNaturals = {0, 2, 4, 5, 7, 9, 11};
    return kNaturals[static_cast<std::size_t>(letter)];
}

int NoteName::PitchClass() const {
    return ((NaturalPitchClass(letter) + accidental) % 12 + 12) % 12;
}

std::string NoteName::Ascii() const {
    return Spelled(*this, "#", "b");
}

std::string NoteName::Display() const {
    return Spelled(*this, "\u266F", "\u266D");
}

}  // namespace orvel
