// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/Pitch.h"

#include <charconv>

#include "theory/ParseNoteName.h"

namespace orvel {

int Pitch::Key() const {
    return (octave + 1) * 12 + NaturalPitchClass(note.letter) + note.accidental;
}

std::string Pitch::Ascii() const {
    return note.Ascii() + std::to_string(octave);
}

std::string Pitch::Display() const {
    return note.Display() + std::to_string(octave);
}

Pitch ParsePitch(std::string_view text) {
    const std::string quoted = "\"" + std::string(text) + "\"";
    const auto read = ReadNoteName(text);
    if (!read) {
        throw NoteNameError(quoted + " is not a note with its octave, such as E2");
    }
    const std::string_view digits = text.substr(read->length);
    int octave = -1;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), octave);
    if (digits.empty() || error != std::errc{} || end != digits.data() + digits.size()) {
        throw NoteNameError(quoted + " is not a note with its octave, such as E2");
    }
    if (octave < kLowestOctave || octave > kHighestOctave) {
        throw NoteNameError(quoted + ": the octave runs from " + std::to_string(kLowestOctave) +
                            " to " + std::to_string(kHighestOctave));
    }
    return {read->note, octave};
}

}  // namespace orvel
