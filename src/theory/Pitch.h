// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A pitch in scientific notation: a spelled note and its octave, C4 being
// middle C (MIDI key 60). The octave belongs to the letter, as musicians
// write it: B♯3 sounds as C4, C♭4 as B3.

#include <string>
#include <string_view>

#include "theory/NoteName.h"

namespace orvel {

struct Pitch {
    NoteName note;
    int octave = 4;

    // The MIDI key it sounds.
    int Key() const;
    // "F#1", "Bb3", for the command line; "F♯1", "B♭3" for the window.
    std::string Ascii() const;
    std::string Display() const;

    friend bool operator==(const Pitch&, const Pitch&) = default;
};

// The lowest and highest octaves a pitch may name.
inline constexpr int kLowestOctave = 0;
inline constexpr int kHighestOctave = 9;

// The whole of `text` as a pitch: a note name as ParseNoteName reads it, then
// the octave ("E2", "F#1", "B♭0"). NoteNameError, naming the text, otherwise.
Pitch ParsePitch(std::string_view text);

}  // namespace orvel
