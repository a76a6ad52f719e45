// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A melody from a file, whichever kind it is: a Standard MIDI File
// (MidiFile.h), a MusicXML score (MusicXml.h) or a compressed one (Mxl.h),
// told apart by their first bytes, so that a file misnamed still reads.
// Files larger than kMostFileBytes are refused; any file that cannot be read
// is a MusicFileError saying what is wrong with it.

#include <cstddef>
#include <filesystem>

#include "theory/Melody.h"

namespace orvel {

inline constexpr std::size_t kMostFileBytes = 256u << 20;

Melody ReadMusicFile(const std::filesystem::path& path);

// The file names a file dialog offers ("*.mid *.midi *.musicxml *.xml *.mxl").
inline constexpr const char* kMusicFilePatterns = "*.mid *.midi *.smf *.kar *.musicxml *.xml *.mxl";

}  // namespace orvel
