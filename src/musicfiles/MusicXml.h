// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A MusicXML 3 or 4 score (partwise, as notation programs save it) read as a
// melody, through Qt's XML stream reader.
//
// Each part is a part of the melody, named as the score names it. Notes keep
// their pitch as written (a transposing part's notes are moved to sounding
// pitch and respelled), their start and length (divisions read as beats),
// and their part; a tie joins its notes into one, a chord's notes start
// together, and a grace note is marked as such. The measures are the bars;
// key signatures and their modes are kept as evidence of the key; tempo
// marks give the seconds.
//
// Bounded and safe: an XML document type that declares entities is refused
// (no entity bombs, no outside files), a note longer than kLongestNoteBeats
// is an error, and at most Melody::kMostNotes notes are kept. UTF-8 and UTF-16 are
// both read. Anything else wrong is a MusicFileError naming where.

#include <span>

#include "theory/Melody.h"

namespace orvel {

inline constexpr double kLongestNoteBeats = 100'000;

Melody ReadMusicXml(std::span<const char> bytes);

}  // namespace orvel
