// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Triad.h"

#include <array>

namespace orvel {

namespace {

struct Kind {
    int third;
    int fifth;
    const char* quality;
    const char* suffix;
};

constexpr std::array<Kind, 8> kKinds = {{
    {4, 7, "major", ""},
    {3, 7, "minor", "m"},
    {3, 6, "diminished", "\u00B0"},
    {4, 8, "augmented", "+"},
    {2, 7, "suspended second", "sus2"},
    {5, 7, "suspended fourth", "sus4"},
    {4, 6, "major with a flat fifth", "(\u266D5)"},
    {3, 8, "minor with a sharp fifth", "m(\u266F5)"},
}};

const Kind* KindOf(const Triad& triad) {
    for (const Kind& kind : kKinds) {
        if (kind.third == triad.third && kind.fifth == triad.fifth) {
            return &kind;
        }
    }
    return nullptr;
}

int SemitonesUp(const NoteName& from, const NoteName& to) {
    return from.PitchClass().SemitonesUpTo(to.PitchClass());
}

}  // namespace

std::string Triad::Quality() const {
    if (const Kind* kind = KindOf(*this)) {
        return kind->quality;
    }
    return "third of " + std::to_string(third) + " and fifth of " + std::to_string(fifth) +
           " semitones";
}

std::string Triad::Symbol() const {
    const Kind* kind = KindOf(*this);
    const std::string suffix =
        kind != nullptr ? std::string(kind->suffix)
                        : "(" + std::to_string(third) + "," + std::to_string(fifth) + ")";
    return root.Display() + suffix;
}

std::vector<Triad> DegreeTriads(const SpelledScale& scale) {
    std::vector<Triad> triads;
    const std::size_t size = scale.notes.size();
    if (size != 7 || scale.kind == SpellAs::Chord) {
        return triads;
    }
    for (std::size_t degree = 0; degree < size; ++degree) {
        const NoteName& root = scale.notes[degree];
        triads.push_back({root, SemitonesUp(root, scale.notes[(degree + 2) % size]),
                          SemitonesUp(root, scale.notes[(degree + 4) % size])});
    }
    return triads;
}

}  // namespace orvel
