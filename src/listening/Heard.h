// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What was heard in a recording or at the microphone, in one of two ways:
//   - a melody (singing, humming, a horn, a single guitar line): its notes,
//     each with its start and length;
//   - chords (a band, a piano, a strummed guitar): the notes sounding in
//     each half second (one beat at 120 a minute), each held for its share
//     of the strongest, the bass an octave below the rest.
// Either way the notes are named after the tuning is taken out, so a band
// tuned to A = 432 or a quarter-tone flat still lands on its notes, and go
// into the melody engine as a melody of one part at 120 beats a minute.

#include <vector>

#include "theory/Melody.h"

namespace orvel {

enum class ListenMode { Melody, Chords };

struct HeardNote {
    int midiKey = 60;
    double start = 0;   // seconds
    double length = 0;  // seconds
};

struct Heard {
    static constexpr double kBeatsPerSecond = 2;

    ListenMode mode = ListenMode::Melody;
    std::vector<HeardNote> notes;  // by start
    double tuningCents = 0;        // how far the whole sits from A = 440
    double seconds = 0;            // of the sound heard
    // Of the frames with sound, the share with a clear pitch (a melody) or
    // clear notes (chords).
    double clearShare = 0;

    // Too little heard to answer: "no clear pitch".
    bool Clear() const { return !notes.empty(); }
    Melody AsMelody() const;
};

}  // namespace orvel
