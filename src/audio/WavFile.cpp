// SPDX-License-Identifier: GPL-3.0-or-later
#include "audio/WavFile.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

#include "audio/AudioError.h"

namespace orvel {

namespace {

// Little-endian, as WAV stores every number.
void Put(std::ofstream& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
    }
}

}  // namespace

void WriteWavFile(const std::filesystem::path& file, const std::vector<float>& samples,
                  int sampleRate) {
    constexpr int kChannels = 2;
    constexpr int kBytesPerSample = 2;
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * kBytesPerSample);
    std::ofstream out(file, std::ios::binary);
    out.write("RIFF", 4);
    Put(out, 36 + dataBytes, 4);
    out.write("WAVEfmt ", 8);
    Put(out, 16, 4);  // the format chunk's size
    Put(out, 1, 2);   // PCM
    Put(out, kChannels, 2);
    Put(out, static_cast<std::uint32_t>(sampleRate), 4);
    Put(out, static_cast<std::uint32_t>(sampleRate * kChannels * kBytesPerSample), 4);
    Put(out, kChannels * kBytesPerSample, 2);
    Put(out, 8 * kBytesPerSample, 2);
    out.write("data", 4);
    Put(out, dataBytes, 4);
    for (const float sample : samples) {
        const auto pcm =
            static_cast<std::int16_t>(std::lround(std::clamp(sample, -1.0F, 1.0F) * 32767.0F));
        Put(out, static_cast<std::uint16_t>(pcm), 2);
    }
    out.flush();
    if (!out) {
        throw AudioError("Cannot write " + file.string() + ": " + std::strerror(errno));
    }
}

}  // namespace orvel
