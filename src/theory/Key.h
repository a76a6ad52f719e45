// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A key as a musician names it: a tonic and a mode ("C major", "A minor",
// "D Dorian", "F blues").

#include <array>
#include <string>
#include <string_view>

#include "scales/PitchClassSet.h"
#include "scales/PitchClassesAboveC.h"
#include "theory/NoteName.h"

namespace orvel {

enum class KeyMode { Major, Minor, Dorian, Phrygian, Lydian, Mixolydian, Blues };

inline constexpr std::array kKeyModes{KeyMode::Major,    KeyMode::Minor,  KeyMode::Dorian,
                                      KeyMode::Phrygian, KeyMode::Lydian, KeyMode::Mixolydian,
                                      KeyMode::Blues};

struct Key {
    NoteName tonic;
    KeyMode mode = KeyMode::Major;

    // "C major", "F♯ minor", "D Dorian", "F blues".
    std::string Display() const;
    // "major", "minor", "Dorian", "blues": the mode as the name says it.
    std::string_view ModeName() const;
    // The mode's scale as positions above the tonic. The blues is played
    // over dominant chords on I, IV and V: its collection is Mixolydian with
    // the blue notes ♭3 (the ♭7 of IV7) and ♭5.
    PitchClassSet Collection() const;
    // The key's notes: its collection on the tonic, and in minor the
    // leading tone of V (G♯ in A minor).
    PitchClassesAboveC Notes() const;
    // The mode's tonic chord is minor (minor, Dorian, Phrygian).
    bool HasMinorThird() const;

    friend bool operator==(const Key&, const Key&) = default;
};

// `candidate` is the major or minor key with the notes of `key` on another
// tonic: A minor for C major, C major for A minor or D Dorian.
bool IsRelativeKey(const Key& candidate, const Key& key);

}  // namespace orvel
