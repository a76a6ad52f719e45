// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Key.h"

namespace orvel {

std::string_view Key::ModeName() const {
    switch (mode) {
        case KeyMode::Major:
            return "major";
        case KeyMode::Minor:
            return "minor";
        case KeyMode::Dorian:
            return "Dorian";
        case KeyMode::Phrygian:
            return "Phrygian";
        case KeyMode::Lydian:
            return "Lydian";
        case KeyMode::Mixolydian:
            return "Mixolydian";
        case KeyMode::Blues:
            return "blues";
    }
    return "major";
}

std::string Key::Display() const {
    return tonic.Display() + " " + std::string(ModeName());
}

PitchClassSet Key::Collection() const {
    switch (mode) {
        case KeyMode::Major:
            return SetOf({0, 2, 4, 5, 7, 9, 11});
        case KeyMode::Minor:
            return SetOf({0, 2, 3, 5, 7, 8, 10});
        case KeyMode::Dorian:
            return SetOf({0, 2, 3, 5, 7, 9, 10});
        case KeyMode::Phrygian:
            return SetOf({0, 1, 3, 5, 7, 8, 10});
        case KeyMode::Lydian:
            return SetOf({0, 2, 4, 6, 7, 9, 11});
        case KeyMode::Mixolydian:
            return SetOf({0, 2, 4, 5, 7, 9, 10});
        case KeyMode::Blues:
            return SetOf({0, 2, 3, 4, 5, 6, 7, 9, 10});
    }
    return 0;
}

PitchClassesAboveC Key::Notes() const {
    PitchClassesAboveC notes = NotesOn(Collection(), tonic.PitchClass());
    if (mode == KeyMode::Minor) {
        notes.Add(tonic.PitchClass().Up(11));
    }
    return notes;
}

bool Key::HasMinorThird() const {
    return HasPosition(Collection(), 3) && !HasPosition(Collection(), 4);
}

bool IsRelativeKey(const Key& candidate, const Key& key) {
    return (candidate.mode == KeyMode::Major || candidate.mode == KeyMode::Minor) &&
           candidate.tonic.PitchClass() != key.tonic.PitchClass() &&
           NotesOn(candidate.Collection(), candidate.tonic.PitchClass()) ==
               NotesOn(key.Collection(), key.tonic.PitchClass());
}

}  // namespace orvel
