// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A Standard MIDI File (format 0 or 1) read as a melody.
//
// Every track is read, each channel of a track a part of its own, named by
// the track's name; the drum channel (10) is left out. A note-on with
// velocity 0 ends a note, as a note-off does; a note still sounding at the
// end of its track ends there. Running status, tempo changes (the notes'
// seconds follow them), time signatures (the bars) and key signatures
// (evidence of the key) are read. A file timed in SMPTE frames has no
// beats: its notes are counted at 120 beats a minute.
//
// Bounded: a file of any size is read in one pass, at most Melody::kMostNotes notes
// are kept (the melody says when there were more), and anything that does
// not follow the format is a MusicFileError naming where.

#include <cstdint>
#include <span>

#include "theory/Melody.h"

namespace orvel {

Melody ReadMidiFile(std::span<const std::uint8_t> bytes);

}  // namespace orvel
