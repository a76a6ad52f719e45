// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A melody as a file or a player gives it: notes with their start and
// length, the parts (tracks or staves) they belong to, the bars, and the key
// signatures written, which are evidence of the key, not the answer.
//
// Time is counted in beats, a beat being a quarter note, from the start of
// the piece; a note also carries its time in seconds where the source knows
// the tempo.

#include <cstddef>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "theory/Key.h"
#include "theory/NoteName.h"

namespace orvel {

struct MelodyNote {
    int midiKey = 60;                 // 60 is middle C
    std::optional<NoteName> written;  // the note as the score spells it
    double start = 0;                 // beats from the start of the piece
    double length = 0;                // beats; zero for a grace note
    double startSeconds = 0;
    double lengthSeconds = 0;
    std::size_t part = 0;  // in Melody::parts
    bool grace = false;
};

struct MelodyPart {
    std::string name;
    std::size_t noteCount = 0;
};

// From `start` on, bars of `beatsPerBar` beats, the first of them numbered
// `firstBar` (bars count from 1).
struct MeterChange {
    double start = 0;
    double beatsPerBar = 4;
    int firstBar = 1;
};

// A key signature as written: sharps (above zero) or flats, and the mode
// where the file names it.
struct WrittenKey {
    double start = 0;
    int fifths = 0;
    std::optional<KeyMode> mode;
};

struct Melody {
    // A reader keeps no more notes than this (a long symphony has fewer).
    static constexpr std::size_t kMostNotes = 500'000;

    std::vector<MelodyPart> parts;
    std::vector<MelodyNote> notes;   // by start
    std::vector<MeterChange> meter;  // by start; 4/4 from the start when empty
    std::vector<WrittenKey> keys;    // by start
    bool truncated = false;          // the source held more notes than were read

    // The bar (from 1) that holds `beat`, and the beat a bar starts on.
    int BarAt(double beat) const;
    double BarStart(int bar) const;
    // The last bar that holds a note's start; 0 without notes.
    int LastBar() const;
    // The notes that start in bars `firstBar` to `lastBar`.
    std::span<const MelodyNote> NotesIn(int firstBar, int lastBar) const;
};

}  // namespace orvel
