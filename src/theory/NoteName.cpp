// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/NoteName.h"

#include <array>

namespace orvel {

namespace {

std::string Spelled(const NoteName& note, const std::string& sharp, const std::string& flat) {
    return std::string(1, "CDEFGAB"[note.letter]) + AccidentalText(note.accidental, sharp, flat);
}

}  // namespace

std::string AccidentalText(int accidental, const std::string& sharp, const std::string& flat) {
    std::string text;
    for (int i = 0; i < accidental; ++i) {
        text += sharp;
    }
    for (int i = 0; i < -accidental; ++i) {
        text += flat;
    }
    return text;
}

std::string DisplayAccidental(int accidental) {
    // The window draws these in a font of its own that has every one of them.
    std::string text;
    for (; accidental >= 2; accidental -= 2) {
        text += "\U0001D12A";  // 𝄪
    }
    for (; accidental <= -2; accidental += 2) {
        text += "\U0001D12B";  // 𝄫
    }
    return text + AccidentalText(accidental, "\u266F", "\u266D");
}

int NaturalPitchClass(int letter) {
    constexpr std::array<int, 7> kNaturals = {0, 2, 4, 5, 7, 9, 11};
    return kNaturals[static_cast<std::size_t>(letter)];
}

PitchClass NoteName::PitchClass() const {
    return orvel::PitchClass(NaturalPitchClass(letter) + accidental);
}

std::string NoteName::Ascii() const {
    return Spelled(*this, "#", "b");
}

std::string NoteName::Display() const {
    return std::string(1, "CDEFGAB"[letter]) + DisplayAccidental(accidental);
}

NoteName NamedBy(PitchClass pitchClass, int letter) {
    const int up = PitchClass(NaturalPitchClass(letter)).SemitonesUpTo(pitchClass);
    return {letter, up > 6 ? up - 12 : up};
}

}  // namespace orvel
