// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A line as players write it, read as chords or as notes; never a guess
// between the two ("C F G" is the I, IV and V chords, or three notes).
//
// As chords: symbols (ChordSymbol.h) separated by spaces, commas or bar
// lines, as a lead sheet is pasted in ("Dm7 G7 Cmaj7", "| Am | F | C | G |",
// several lines); a space or comma inside parentheses belongs to its symbol
// ("C7(b9, #11)"). "N.C." (or "NC"), no chord, is a rest: it takes time
// and holds no notes. A chord in parentheses is an alternate, as iReal Pro
// charts write one: after a chord ("A-7(D7)") the first is read, the
// alternate only checked; alone ("(C7)") it is read. As notes: note names (ParseNoteName.h)
// separated the same way, one set of notes ("A C D Eb E G"). What cannot be read is kept with the
// reason, beside what could.
//
// Each different symbol is one item; `played` lists the chords in the
// order they sound, repeats included, with how long each lasts:
//   - where the line has bar lines ("|", "||", "|:", ":|"), a bar is four
//     beats shared evenly by the chords in it ("| C G | Am |": C and G two
//     beats each, Am four), and a line break ends a bar too; "%" repeats
//     the bar before it;
//   - without bar lines every chord lasts a bar, and "%" repeats the chord
//     before it.
//
// Bounded: after kMaxItems different items, or kMaxPlayed chords played,
// the rest of the line is not read, and the last item says so.

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

// One chord (or rest) as it sounds in the line.
struct PlayedItem {
    std::size_t item = 0;  // in Progression::items
    double beats = 0;
};

struct Progression {
    static constexpr std::size_t kMaxItems = 256;
    static constexpr std::size_t kMaxPlayed = 4096;
    static constexpr double kBeatsPerBar = 4;

    std::vector<ProgressionItem> items;  // in order of first appearance
    std::vector<PlayedItem> played;      // the items read, as they sound

    // Every note of the items that could be read.
    PitchClassesAboveC Notes() const;
    // The chords that could be read, in order.
    std::vector<const ChordSymbol*> Chords() const;
    bool AllRead() const;
    // The first item that has the note (a chord's tone or bass, or a note
    // as typed), and the note as it spells it; nullopt if none has it.
    struct Holder {
        const ProgressionItem* item;
        NoteName note;
    };
    std::optional<Holder> FirstWith(PitchClass pitchClass) const;
    std::optional<NoteName> Spelled(PitchClass pitchClass) const;
};

Progression ReadProgression(std::string_view line, ReadAs as);

}  // namespace orvel
