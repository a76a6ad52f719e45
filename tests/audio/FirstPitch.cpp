// SPDX-License-Identifier: GPL-3.0-or-later
// Prints the MIDI key of the first note heard in a 16-bit PCM WAV file (a
// recording of the sound server's output), or "silence"; the end-to-end
// sound tests compare it with the note they played.
//   orvel_first_pitch FILE.wav

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <iostream>
#include <vector>

#include "support/Pitch.h"

namespace {

struct Wav {
    int channels = 0;
    int sampleRate = 0;
    std::vector<float> mono;  // the first channel
};

bool Read(const char* path, Wav& wav) {
    std::ifstream in(path, std::ios::binary);
    char header[12];
    if (!in.read(header, 12) || std::memcmp(header, "RIFF", 4) != 0) {
        return false;
    }
    char id[4];
    std::uint32_t size = 0;
    while (in.read(id, 4) && in.read(reinterpret_cast<char*>(&size), 4)) {
        if (std::memcmp(id, "fmt ", 4) == 0) {
            std::vector<char> format(size);
            in.read(format.data(), size);
            std::uint16_t channels = 0;
            std::uint32_t rate = 0;
            std::memcpy(&channels, format.data() + 2, 2);
            std::memcpy(&rate, format.data() + 4, 4);
            wav.channels = channels;
            wav.sampleRate = static_cast<int>(rate);
        } else if (std::memcmp(id, "data", 4) == 0) {
            // A recording cut short may give no size: read to the end.
            std::int16_t frame[8] = {};
            while (wav.channels > 0 && in.read(reinterpret_cast<char*>(frame), 2 * wav.channels)) {
                wav.mono.push_back(frame[0] / 32768.0F);
            }
            return wav.sampleRate > 0;
        } else {
            in.ignore(size);
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    Wav wav;
    if (argc != 2 || !Read(argv[1], wav)) {
        std::cerr << "usage: orvel_first_pitch FILE.wav (16-bit PCM)\n";
        return 2;
    }
    // The first note starts where the sound first comes within 20 dB of
    // the recording's loudest: what comes before is the server's silence,
    // however long the recording ran before the note.
    float loudest = 0.0F;
    for (const float sample : wav.mono) {
        loudest = std::max(loudest, std::abs(sample));
    }
    std::size_t onset = 0;
    while (onset < wav.mono.size() && std::abs(wav.mono[onset]) < loudest / 10) {
        ++onset;
    }
    // 150 ms from 75 ms in: past the hammer's attack, whose upper partials
    // would pass for the octave above, and within the first note at 120 BPM
    // (it sounds 237 ms), long enough to tell neighbouring semitones apart.
    const auto skip = static_cast<std::size_t>(wav.sampleRate * 3 / 40);
    const auto window = static_cast<std::size_t>(wav.sampleRate * 3 / 20);
    if (loudest < 0.01F || onset + skip + window > wav.mono.size()) {
        std::cout << "silence\n";
        return 0;
    }
    const std::size_t start = onset + skip;
    auto heard = orvel::testing_support::HearNote(wav.mono, start, window, wav.sampleRate);
    // A piano's second partial can outweigh its fundamental: a note whose
    // octave below also sounds is that lower note. The first note follows
    // silence, so nothing else sounds there.
    using orvel::testing_support::FrequencyOf;
    using orvel::testing_support::PowerAt;
    const double below =
        PowerAt(wav.mono, start, window, FrequencyOf(heard.key - 12), wav.sampleRate);
    if (below > 0.1 * PowerAt(wav.mono, start, window, FrequencyOf(heard.key), wav.sampleRate)) {
        heard.key -= 12;
    }
    std::cout << heard.key << "\n";
    return 0;
}
