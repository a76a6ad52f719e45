// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/AudioFile.h"

#include <sndfile.h>

#include <algorithm>
#include <string>

namespace orvel {

AudioFile::AudioFile(const std::filesystem::path& path) {
    std::error_code error;
    if (std::filesystem::is_directory(path, error)) {
        throw ListenError("it is a folder");
    }
    if (!std::filesystem::exists(path, error)) {
        throw ListenError("there is no such file");
    }
    if (std::filesystem::file_size(path, error) == 0) {
        throw ListenError("the file is empty");
    }
    SF_INFO info{};
    file_ = sf_open(path.c_str(), SFM_READ, &info);
    if (!file_) {
        throw ListenError(std::string("it is not a recording that can be read (") +
                          sf_strerror(nullptr) + ")");
    }
    rate_ = info.samplerate;
    channels_ = info.channels;
    frames_ = info.frames;
    if (channels_ <= 0) {
        sf_close(file_);
        throw ListenError("its header gives no channels");
    }
    if (rate_ < kLowestRate || rate_ > kHighestRate) {
        sf_close(file_);
        throw ListenError("its sample rate, " + std::to_string(rate_) +
                          " Hz, is not from 8 to 192 kHz");
    }
}

AudioFile::~AudioFile() {
    sf_close(file_);
}

double AudioFile::Seconds() const {
    return static_cast<double>(frames_) / rate_;
}

std::size_t AudioFile::Read(std::span<float> mono) {
    interleaved_.resize(mono.size() * static_cast<std::size_t>(channels_));
    const sf_count_t frames =
        sf_readf_float(file_, interleaved_.data(), static_cast<sf_count_t>(mono.size()));
    const auto count = static_cast<std::size_t>(std::max<sf_count_t>(frames, 0));
    for (std::size_t frame = 0; frame < count; ++frame) {
        float sum = 0;
        for (int channel = 0; channel < channels_; ++channel) {
            sum += interleaved_[frame * static_cast<std::size_t>(channels_) +
                                static_cast<std::size_t>(channel)];
        }
        mono[frame] = sum / static_cast<float>(channels_);
    }
    return count;
}

}  // namespace orvel
