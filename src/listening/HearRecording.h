// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <filesystem>

#include "listening/Heard.h"
#include "listening/Listening.h"

namespace orvel {

// A recording (AudioFile.h) heard whole by the ear for `mode` (MelodyEar.h,
// ChordEar.h), a block at a time, telling `progress` as it goes; a
// recording stopped by `progress` gives what was heard up to there. Throws
// ListenError for a file it cannot read.
Heard HearRecording(const std::filesystem::path& path, ListenMode mode,
                    const ListenProgress& progress = {});

// The ear for `mode` at `sampleRate` (8 to 192 kHz; ListenError otherwise).
std::unique_ptr<Ear> MakeEar(ListenMode mode, int sampleRate);

}  // namespace orvel
