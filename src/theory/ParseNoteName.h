// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Note names as musicians type them: a letter A to G, in either case, then
// any number of accidentals. Sharps are "#" or "♯", "x", "##" or "𝄪" a
// double sharp; flats are "b" or "♭", "bb" or "𝄫" a double flat. So "C#",
// "Db", "C♯", "D♭", "Cb", "B#", "E#", "Fb", "F##", "Fx", "Bbb" and "B𝄫" all
// read. The one reader of note names: the command line, chord symbols and
// tunings all use it.

#include <cstddef>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "theory/NoteName.h"

namespace orvel {

// A text that is not a note name; what() names it and where reading
// stopped: "H": cannot read "H".
class NoteNameError : public std::invalid_argument {
  public:
    using std::invalid_argument::invalid_argument;
};

struct ReadNote {
    NoteName note;
    std::size_t length = 0;  // the bytes of the text it took
};

// The note name at the start of `text`, with as many accidentals as follow
// the letter; nullopt when `text` does not start with a letter A to G.
std::optional<ReadNote> ReadNoteName(std::string_view text);

// The whole of `text` as one note name; NoteNameError otherwise.
NoteName ParseNoteName(std::string_view text);

}  // namespace orvel
