// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What is played, as timed notes: a scale up one octave from its root and
// back down in eighth notes, or a set of notes sounded together.

#include <vector>

#include "scales/PitchClass.h"
#include "scales/PitchClassSet.h"
#include "scales/ScaleRow.h"

namespace orvel {

struct TimedNote {
    int key = 60;     // MIDI key: 60 is middle C, 69 the A at 440 Hz
    int startMs = 0;  // from the start of the performance
    int lengthMs = 0;
    int velocity = 90;  // 1 to 127

    friend bool operator==(const TimedNote&, const TimedNote&) = default;
};

// The MIDI key of a pitch class in the octave of middle C.
constexpr int KeyNearMiddleC(PitchClass note) {
    return 60 + note.SemitonesAboveC();
}

// `key` moved by whole octaves into `lowest` to `highest`, a range of an
// octave or more; a key within it stays.
constexpr int OctavesInto(int key, int lowest, int highest) {
    while (key < lowest) {
        key += 12;
    }
    while (key > highest) {
        key -= 12;
    }
    return key;
}

// The set's notes (positions above the root) from `rootKey` up to the root
// an octave higher and back down, one eighth note each at `beatsPerMinute`.
std::vector<TimedNote> ScaleRun(PitchClassSet set, int rootKey, double beatsPerMinute);
// What Play sounds for a row: its scale so, from its root near middle C.
std::vector<TimedNote> ScaleRunOf(const ScaleRow& row, double beatsPerMinute);

// The set's notes above `rootKey`, all at once, for two seconds.
std::vector<TimedNote> Chord(PitchClassSet set, int rootKey);

// When the last note ends.
int EndMs(const std::vector<TimedNote>& notes);

}  // namespace orvel
