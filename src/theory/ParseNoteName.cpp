// SPDX-License-Identifier: GPL-3.0-or-later
#include "theory/ParseNoteName.h"

#include <array>

namespace orvel {

namespace {

struct Accidental {
    std::string_view text;
    int semitones;
};

// Longer spellings first, so that "##" is not read as "#" twice over.
constexpr std::array<Accidental, 7> kAccidentals = {{
    {"\U0001D12A", 2},   // 𝄪
    {"\U0001D12B", -2},  // 𝄫
    {"\u266F", 1},       // ♯
    {"\u266D", -1},      // ♭
    {"#", 1},
    {"x", 2},
    {"b", -1},
}};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

}  // namespace

std::optional<ReadNote> ReadNoteName(std::string_view text) {
    if (text.empty()) {
        return std::nullopt;
    }
    const char letter = static_cast<char>(text[0] | 0x20);
    if (letter < 'a' || letter > 'g') {
        return std::nullopt;
    }
    // Letters from C, as NoteName counts them.
    ReadNote read{{(letter - 'c' + 7) % 7, 0}, 1};
    bool more = true;
    while (more) {
        more = false;
        for (const Accidental& accidental : kAccidentals) {
            if (text.substr(read.length).starts_with(accidental.text)) {
                read.note.accidental += accidental.semitones;
                read.length += accidental.text.size();
                more = true;
                break;
            }
        }
    }
    return read;
}

NoteName ParseNoteName(std::string_view text) {
    const auto read = ReadNoteName(text);
    if (!read) {
        throw NoteNameError(Quoted(text) + ": cannot read " + Quoted(text));
    }
    if (read->length != text.size()) {
        throw NoteNameError(Quoted(text) + ": cannot read " + Quoted(text.substr(read->length)));
    }
    return read->note;
}

}  // namespace orvel
