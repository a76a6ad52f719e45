// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Staff.h"

#include <algorithm>
#include <cstdlib>

namespace orvel {

namespace {

// A pitch's letter counted from C0: the staff's unit.
int Diatonic(const Pitch& pitch) {
    return pitch.octave * 7 + pitch.note.letter;
}

Pitch BottomLine(Clef clef) {
    switch (clef) {
        case Clef::Treble:
            return {{2, 0}, 4};
        case Clef::Bass:
            return {{4, 0}, 2};
        case Clef::Alto:
            return {{3, 0}, 3};
        case Clef::Tenor:
            return {{1, 0}, 3};
        case Clef::TrebleOctaveDown:
            return {{2, 0}, 3};
    }
    return {{2, 0}, 4};
}

constexpr int kMiddleLine = kTopLineStep / 2;

}  // namespace

std::string_view ClefName(Clef clef) {
    switch (clef) {
        case Clef::Treble:
            return "Treble";
        case Clef::Bass:
            return "Bass";
        case Clef::Alto:
            return "Alto";
        case Clef::Tenor:
            return "Tenor";
        case Clef::TrebleOctaveDown:
            return "Treble 8vb";
    }
    return "Treble";
}

int StaffStep(const Pitch& pitch, Clef clef) {
    return Diatonic(pitch) - Diatonic(BottomLine(clef));
}

std::vector<int> LedgerSteps(int step) {
    std::vector<int> ledgers;
    for (int line = -2; line >= step; line -= 2) {
        ledgers.push_back(line);
    }
    for (int line = kTopLineStep + 2; line <= step; line += 2) {
        ledgers.push_back(line);
    }
    return ledgers;
}

std::vector<int> SignatureSteps(int fifths, Clef clef) {
    // The treble clef's places, F5 C5 G5 D5 A4 E5 B4 and B4 E5 A4 D5 G4 C5 F4;
    // the others are the same shape moved, but the tenor clef's sharps.
    static constexpr std::array<int, 7> kTrebleSharps{8, 5, 9, 6, 3, 7, 4};
    static constexpr std::array<int, 7> kTrebleFlats{4, 7, 3, 6, 2, 5, 1};
    static constexpr std::array<int, 7> kTenorSharps{2, 6, 3, 7, 4, 8, 5};
    int shift = 0;
    switch (clef) {
        case Clef::Treble:
        case Clef::TrebleOctaveDown:
            break;
        case Clef::Bass:
            shift = -2;
            break;
        case Clef::Alto:
            shift = -1;
            break;
        case Clef::Tenor:
            shift = 1;
            break;
    }
    std::vector<int> steps;
    for (int i = 0; i < std::min(std::abs(fifths), 7); ++i) {
        const auto at = static_cast<std::size_t>(i);
        if (fifths > 0) {
            steps.push_back(clef == Clef::Tenor ? kTenorSharps[at] : kTrebleSharps[at] + shift);
        } else {
            steps.push_back(kTrebleFlats[at] + shift);
        }
    }
    return steps;
}

std::vector<Pitch> ScalePitches(const SpelledScale& scale, Clef clef, bool descending) {
    // The root's octave: the one that centres the octave's run on the
    // staff's middle line, the higher of two as near.
    Pitch root{scale.root, kLowestOctave};
    for (int octave = kLowestOctave; octave <= kHighestOctave; ++octave) {
        const auto offCentre = [&](int o) {
            return std::abs(2 * StaffStep({scale.root, o}, clef) + 7 - 2 * kMiddleLine);
        };
        if (offCentre(octave) <= offCentre(root.octave)) {
            root.octave = octave;
        }
    }
    std::vector<Pitch> rising;
    for (const NoteName& note : scale.notes) {
        Pitch pitch{note, root.octave};
        // Each note above the one before: letters counted up from the root's.
        const int lettersUp = (note.letter - scale.root.letter + 7) % 7;
        pitch.octave = root.octave + (scale.root.letter + lettersUp) / 7;
        rising.push_back(pitch);
    }
    rising.push_back({scale.root, root.octave + 1});
    std::vector<Pitch> pitches = rising;
    if (descending) {
        pitches.insert(pitches.end(), rising.rbegin() + 1, rising.rend());
    }
    return pitches;
}

}  // namespace orvel
