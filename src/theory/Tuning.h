// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Fretted instruments: the pitches of their open strings, and where a set of
// notes lies on their necks.
//
// A tuning lists its strings from the bass side of the neck to the treble
// side, the order they lie in, not the order of pitch; as in tablature,
// string 1 is the last one listed, on the treble side. A re-entrant string
// keeps its octave: the ukulele's string 4 is G4, above its string 3, C4.

#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "scales/PitchClassSet.h"
#include "scales/PitchClassesAboveC.h"
#include "theory/Pitch.h"

namespace orvel {

struct Tuning {
    std::string name;            // as the command line takes it: "guitar", "drop-d"
    std::string label;           // as the window lists it: "Guitar, drop D"
    std::vector<Pitch> strings;  // open strings, bass side first

    int StringCount() const { return static_cast<int>(strings.size()); }
    // The open pitch of string `number`, 1 on the treble side.
    const Pitch& OpenString(int number) const;
    // The MIDI key sounded at `fret` (0 the open string) of string `number`.
    int KeyAt(int number, int fret) const;
    // "E2 A2 D3 G3 B3 E4": as a custom tuning is typed.
    std::string AsciiPitches() const;

    friend bool operator==(const Tuning&, const Tuning&) = default;
};

// A neck's length in frets, from the nut.
inline constexpr int kFewestFrets = 12;
inline constexpr int kMostFrets = 24;
inline constexpr int kDefaultFrets = 15;
// A custom tuning has one string at least, and at most this many.
inline constexpr int kMostStrings = 12;

// The instruments the program knows, standard guitar first.
const std::vector<Tuning>& TuningPresets();

// A tuning that cannot be read; what() says why, naming the bad pitch.
class TuningError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

// A custom tuning typed as pitches, bass side first, apart by spaces or
// commas: "D2 A2 D3 G3 A3 D4", "G4, C4, E4, A4". Named "custom".
Tuning ParseTuning(std::string_view text);
// A preset by its name, or else a custom tuning, as the command line takes it.
Tuning ReadTuning(std::string_view text);

// A place on the neck: string 1 on the treble side, fret 0 the open string.
struct FretPosition {
    int string = 1;
    int fret = 0;
    int key = 0;  // the MIDI key it sounds

    friend bool operator==(const FretPosition&, const FretPosition&) = default;
};

// Every place from the open strings to `frets` whose pitch class is in
// `notes`, string 1 first, each string from the nut up.
std::vector<FretPosition> PositionsOn(const Tuning& tuning, int frets, PitchClassesAboveC notes);

}  // namespace orvel
