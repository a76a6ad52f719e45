// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Melodies written as text in tests: "E4/1 D4/0.5 r/0.5 C4/2", a note
// (letter, "#" or "b", octave; middle C is C4) or a rest "r", and its length
// in beats (one when left out); "|" marks a bar for the reader's eye only.

#include <cctype>
#include <sstream>
#include <stdexcept>
#include <string>

#include "theory/Melody.h"

namespace orvel::testing_support {

inline int MidiKeyOf(const std::string& name) {
    static const std::string kLetters = "CDEFGAB";
    static const int kNatural[] = {0, 2, 4, 5, 7, 9, 11};
    const std::size_t letter = kLetters.find(name.at(0));
    if (letter == std::string::npos) {
        throw std::invalid_argument("not a note: " + name);
    }
    std::size_t at = 1;
    int accidental = 0;
    for (; at < name.size() && (name[at] == '#' || name[at] == 'b'); ++at) {
        accidental += name[at] == '#' ? 1 : -1;
    }
    const int octave = std::stoi(name.substr(at));
    return (octave + 1) * 12 + kNatural[letter] + accidental;
}

// The tune as one part, in bars of `beatsPerBar` beats.
inline Melody TuneOf(const std::string& text, double beatsPerBar = 4) {
    Melody melody;
    melody.parts.push_back({"Tune", 0});
    melody.meter.push_back({0, beatsPerBar, 1});
    std::istringstream words(text);
    std::string word;
    double at = 0;
    while (words >> word) {
        if (word == "|") {
            continue;
        }
        const std::size_t slash = word.find('/');
        const double length = slash == std::string::npos ? 1 : std::stod(word.substr(slash + 1));
        const std::string pitch = word.substr(0, slash);
        if (pitch != "r") {
            MelodyNote note;
            note.midiKey = MidiKeyOf(pitch);
            note.start = at;
            note.length = length;
            note.startSeconds = at / 2;
            note.lengthSeconds = length / 2;
            melody.notes.push_back(note);
            ++melody.parts[0].noteCount;
        }
        at += length;
    }
    return melody;
}

}  // namespace orvel::testing_support
