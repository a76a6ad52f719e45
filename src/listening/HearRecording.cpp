// SPDX-License-Identifier: GPL-3.0-or-later
#include "listening/HearRecording.h"

#include <string>
#include <vector>

#include "listening/AudioFile.h"
#include "listening/ChordEar.h"
#include "listening/MelodyEar.h"

namespace orvel {

namespace {

constexpr std::size_t kBlock = 8192;  // samples read at a time

}  // namespace

std::unique_ptr<Ear> MakeEar(ListenMode mode, int sampleRate) {
    if (sampleRate < AudioFile::kLowestRate || sampleRate > AudioFile::kHighestRate) {
        throw ListenError("a sample rate of " + std::to_string(sampleRate) +
                          " Hz is not from 8 to 192 kHz");
    }
    if (mode == ListenMode::Chords) {
        return std::make_unique<ChordEar>(sampleRate);
    }
    return std::make_unique<MelodyEar>(sampleRate);
}

Heard HearRecording(const std::filesystem::path& path, ListenMode mode,
                    const ListenProgress& progress) {
    AudioFile audio(path);
    const std::unique_ptr<Ear> ear = MakeEar(mode, audio.SampleRate());
    const double total = std::max(1.0, audio.Seconds() * audio.SampleRate());
    std::vector<float> block(kBlock);
    double read = 0;
    for (;;) {
        const std::size_t count = audio.Read(block);
        if (count == 0) {
            break;
        }
        ear->Hear(std::span<const float>(block).first(count));
        read += static_cast<double>(count);
        if (progress && !progress(std::min(1.0, read / total))) {
            break;
        }
    }
    return ear->SoFar();
}

}  // namespace orvel
