// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A 16-bit PCM WAV file of interleaved stereo samples.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace orvel {

// Writes the file; AudioError naming the file and the reason when it cannot.
void WriteWavFile(const std::filesystem::path& file, const std::vector<std::int16_t>& samples,
                  int sampleRate);

}  // namespace orvel
