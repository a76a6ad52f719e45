// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A set of pitch classes above C, whatever the root: the notes that come
// from outside (a chord, a fretboard, a MIDI keyboard), the ticked notes as
// the other windows see them, and a scale laid on a root.
//
// A catalogue set (PitchClassSet) counts positions above its own root
// instead; NotesOn and PositionsAbove turn one into the other, and are the
// only place that does.

#include <cstdint>
#include <vector>

#include "scales/PitchClass.h"
#include "scales/PitchClassSet.h"

namespace orvel {

class PitchClassesAboveC {
  public:
    constexpr PitchClassesAboveC() = default;
    // Bit c stands for the pitch class c semitones above C; bits beyond
    // the twelve are dropped.
    static constexpr PitchClassesAboveC FromBits(std::uint32_t bits) {
        PitchClassesAboveC notes;
        notes.bits_ = bits & kAllBits;
        return notes;
    }

    constexpr bool Has(PitchClass note) const { return (bits_ & Bit(note)) != 0; }
    constexpr void Add(PitchClass note) { bits_ |= Bit(note); }
    constexpr void Remove(PitchClass note) { bits_ &= ~Bit(note); }
    constexpr void Toggle(PitchClass note) { bits_ ^= Bit(note); }

    constexpr bool Empty() const { return bits_ == 0; }
    int Count() const;
    // Bit c for the pitch class c semitones above C.
    constexpr std::uint32_t Bits() const { return bits_; }
    // The members, from C upwards.
    std::vector<PitchClass> Members() const;
    // Every note moved up by `semitones` (0 to 11).
    constexpr PitchClassesAboveC Transposed(int semitones) const {
        return FromBits((bits_ << semitones) | (bits_ >> (12 - semitones)));
    }

    constexpr PitchClassesAboveC& operator|=(PitchClassesAboveC other) {
        bits_ |= other.bits_;
        return *this;
    }
    friend constexpr bool operator==(PitchClassesAboveC, PitchClassesAboveC) = default;

  private:
    static constexpr std::uint32_t kAllBits = 0xFFF;
    static constexpr std::uint32_t Bit(PitchClass note) {
        return std::uint32_t{1} << note.SemitonesAboveC();
    }

    std::uint32_t bits_ = 0;
};

// The notes of `positions` (a catalogue set, positions above its root) laid
// on `root`.
PitchClassesAboveC NotesOn(PitchClassSet positions, PitchClass root);

// The positions above `root` of `notes`: the set that ticks them under that
// root.
PitchClassSet PositionsAbove(PitchClass root, PitchClassesAboveC notes);

}  // namespace orvel
