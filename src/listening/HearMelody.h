// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The notes of one voice (singing, humming, a horn, a single guitar line)
// heard in a recording, through aubio: the pitch of each short frame by its
// YIN detector computed by FFT ("yinfast": its "yinfft" gives no
// confidence, and is a few cents off), kept where it is confident; its
// onsets place where notes start. A note lasts while its pitch holds within
// about half a semitone (an octave slip of the detector aside) and its
// sound goes on; a dip in its sound and a rise again strike it anew. Notes
// shorter than 60 ms are passed over.
//
// The tuning is estimated from the notes heard (how far their pitches sit,
// on the whole, between the equal-tempered ones, weighted by length), and
// each note is named after taking it out, so that a band tuned to A = 432
// or a quarter-tone flat still lands on its notes. The recording is read a
// block at a time: memory does not grow with its length, only with the
// notes heard (at most Melody::kMostNotes).

#include <vector>

#include "listening/AudioFile.h"
#include "theory/Melody.h"

namespace orvel {

struct HeardNote {
    int midiKey = 60;
    double start = 0;   // seconds
    double length = 0;  // seconds
};

struct HeardMelody {
    std::vector<HeardNote> notes;
    double tuningCents = 0;  // how far the whole sits from A = 440
    double seconds = 0;      // of the recording
    double voicedShare = 0;  // of the sounding frames, the share with a clear pitch

    // Too little heard to answer: "no clear pitch".
    bool Clear() const { return !notes.empty(); }
    // The notes as a melody of one part, counted at 120 beats a minute.
    Melody AsMelody() const;
};

HeardMelody HearMelody(AudioFile& audio);

}  // namespace orvel
