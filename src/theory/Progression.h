// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line as players write it, read as chords or as notes; never a guess
// between the two ("C F G" is the I, IV and V chords, or three notes).
//
// As chords: symbols (ChordSymbol.h) separated by spaces, commas or bar
// lines ("Dm7 G7 Cmaj7", "| Am | F | C | G |"); a space or comma inside
// parentheses belongs to its symbol ("C7(b9, #11)"). "N.C." (or "NC"), no
// chord, is read as a rest that holds no notes. As notes: note names
// (ParseNoteName.h) separated the same way, one set of notes ("A C D Eb E
// G"). A symbol or name written again counts once. What cannot be read is
// kept with the reason, beside what could.
//
// Bounded: after kMaxItems different items the rest of the line is not
// read, and the last item says so.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "scales/PitchClassSet.h"
#include "scales/PitchClassesAboveC.h"
#include "theory/ChordSymbol.h"
#include "theory/NoteName.h"

namespace orvel {

enum class ReadAs { Chords, Notes };

struct ProgressionItem {
    std::string text;
    std::optional<ChordSymbol> chord;  // read as chords, when it could be read
    std::optional<NoteName> note;      // read as notes, when it could be read
    std::string error;                 // why it could not be read
    bool rest = false;                 // "N.C.": no chord, read as such

    bool Read() const { return chord.has_value() || note.has_value() || rest; }
};

struct Progression {
    static constexpr std::size_t kMaxItems = 256;

    std::vector<ProgressionItem> items;  // in order of first appearance

    // Every note of the items that could be read.
    PitchClassesAboveC Notes() const;
    // The chords that could be read, in order.
    std::vector<const ChordSymbol*> Chords() const;
    bool AllRead() const;
    // A note of the progression as the first item that has it spells it
    // (a chord's tone or bass, or a note as typed); nullopt if none has it.
    std::optional<NoteName> Spelled(PitchClass pitchClass) const;
};

Progression ReadProgression(std::string_view line, ReadAs as);

}  // namespace orvel
