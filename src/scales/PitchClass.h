// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pitch class: a note whatever its octave, counted in semitones above C
// (C 0, C♯ 1, D 2, ..., B 11). Roots, chord tones and the notes that come
// from outside (a chord, a fretboard, a MIDI keyboard) are pitch classes.
//
// It is not a position above a root (PitchClassSet.h) and not an index into
// the window's note-name table (NoteTableIndex.h): each has a type of its
// own, so that one cannot be passed for another.

#include <compare>

namespace orvel {

class PitchClass {
  public:
    constexpr PitchClass() = default;
    // `semitonesAboveC` taken round the octave: -1 and 11 are both B.
    constexpr explicit PitchClass(int semitonesAboveC)
        : semitones_(((semitonesAboveC % 12) + 12) % 12) {}

    // The pitch class a MIDI key sounds (key 60, middle C, is C).
    static constexpr PitchClass OfKey(int midiKey) { return PitchClass(midiKey); }

    // 0 (C) to 11 (B).
    constexpr int SemitonesAboveC() const { return semitones_; }

    // The pitch class `semitones` higher (lower when negative).
    constexpr PitchClass Up(int semitones) const { return PitchClass(semitones_ + semitones); }
    // Whether a piano plays it on a black key (C♯, E♭, F♯, A♭, B♭).
    constexpr bool IsBlackKey() const {
        return semitones_ == 1 || semitones_ == 3 || semitones_ == 6 || semitones_ == 8 ||
               semitones_ == 10;
    }
    // How many semitones, 0 to 11, `higher` lies above this one.
    constexpr int SemitonesUpTo(PitchClass higher) const {
        return ((higher.semitones_ - semitones_) % 12 + 12) % 12;
    }

    friend constexpr auto operator<=>(PitchClass, PitchClass) = default;

  private:
    int semitones_ = 0;
};

inline constexpr PitchClass kC{0};

}  // namespace orvel
