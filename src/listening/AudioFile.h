// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A recording read through libsndfile (WAV, FLAC, Ogg, and MP3 where the
// library reads it), a block at a time and mixed to mono, so that a
// recording of any length takes the same memory. Sample rates from 8 to
// 192 kHz are read; anything else, a file that is not audio, or a header
// that gives no channels is a ListenError saying so.

#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

#include "listening/ListenError.h"

struct sf_private_tag;

namespace orvel {

class AudioFile {
  public:
    static constexpr int kLowestRate = 8'000;
    static constexpr int kHighestRate = 192'000;

    explicit AudioFile(const std::filesystem::path& path);
    ~AudioFile();
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    int SampleRate() const { return rate_; }
    double Seconds() const;
    // The next samples, mixed to mono, into `mono`; how many were read
    // (fewer at the end, none after it).
    std::size_t Read(std::span<float> mono);

  private:
    sf_private_tag* file_ = nullptr;
    int rate_ = 0;
    int channels_ = 0;
    std::int64_t frames_ = 0;
    std::vector<float> interleaved_;
};

}  // namespace orvel
