// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A 16-bit PCM WAV file of interleaved stereo samples.

#include <cstdint>
#include <filesystem>
#include <vector>

namespace orvel {

// Writes `samples`, interleaved stereo in [-1, 1] (beyond it they are held
// at full scale), as 16-bit samples; AudioError naming the file and the
// reason when it cannot.
void WriteWavFile(const std::filesystem::path& file, const std::vector<float>& samples,
                  int sampleRate);

}  // namespace orvel
