// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/KeySignature.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace orvel {

namespace {

// F C G D A E B, as letters (0 C ... 6 B).
constexpr std::array<int, 7> kSharpOrder{3, 0, 4, 1, 5, 2, 6};
constexpr int kMostFifths = 7;

constexpr PitchClassSet kMajor = SetOf({0, 2, 4, 5, 7, 9, 11});
constexpr PitchClassSet kNaturalMinor = SetOf({0, 2, 3, 5, 7, 8, 10});
constexpr PitchClassSet kHarmonicMinor = SetOf({0, 2, 3, 5, 7, 8, 11});
constexpr PitchClassSet kMelodicMinor = SetOf({0, 2, 3, 5, 7, 9, 11});

bool IsMajorMode(PitchClassSet set) {
    for (int start = 0; start < kPositionCount; ++start) {
        if (HasPosition(kMajor, start) && ModeFrom(kMajor, start) == set) {
            return true;
        }
    }
    return false;
}

// The signature whose notes are exactly these seven, one for each letter.
std::optional<KeySignature> SignatureWithNotes(const std::vector<NoteName>& notes) {
    int sharps = 0;
    int flats = 0;
    std::array<int, 7> accidentals{};
    for (const NoteName& note : notes) {
        if (std::abs(note.accidental) > 1) {
            return std::nullopt;
        }
        accidentals[static_cast<std::size_t>(note.letter)] = note.accidental;
        sharps += note.accidental > 0;
        flats += note.accidental < 0;
    }
    if (sharps > 0 && flats > 0) {
        return std::nullopt;
    }
    const KeySignature signature{sharps > 0 ? sharps : -flats};
    for (int letter = 0; letter < 7; ++letter) {
        if (signature.AccidentalOf(letter) != accidentals[static_cast<std::size_t>(letter)]) {
            return std::nullopt;  // not the letters a signature alters, in order
        }
    }
    return signature;
}

}  // namespace

int KeySignature::AccidentalOf(int letter) const {
    const std::vector<int> letters = Letters();
    const bool altered = std::find(letters.begin(), letters.end(), letter) != letters.end();
    return altered ? (fifths > 0 ? 1 : -1) : 0;
}

std::vector<int> KeySignature::Letters() const {
    std::vector<int> letters;
    for (int i = 0; i < std::abs(fifths) && i < kMostFifths; ++i) {
        letters.push_back(fifths > 0 ? kSharpOrder[static_cast<std::size_t>(i)]
                                     : kSharpOrder[static_cast<std::size_t>(kMostFifths - 1 - i)]);
    }
    return letters;
}

std::optional<KeySignature> SignatureOf(PitchClassSet set, const SpelledScale& scale) {
    if (scale.kind != SpellAs::Scale || scale.notes.size() != 7) {
        return std::nullopt;
    }
    if (IsMajorMode(set)) {
        return SignatureWithNotes(scale.notes);
    }
    if (set == kHarmonicMinor || set == kMelodicMinor) {
        return SignatureWithNotes(SpellScale(kNaturalMinor, scale.root).notes);
    }
    return std::nullopt;
}

std::optional<int> WrittenAccidental(const NoteName& note,
                                     const std::optional<KeySignature>& signature) {
    const int given = signature ? signature->AccidentalOf(note.letter) : 0;
    if (note.accidental == given) {
        return std::nullopt;
    }
    return note.accidental;
}

}  // namespace orvel
