// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What note sounds in a stretch of audio: the tests' ear for rendered and
// recorded sound. Mono samples in [-1, 1].

#include <cmath>
#include <numbers>
#include <vector>

namespace orvel::testing_support {

// The frequency of a MIDI key in equal temperament, A4 = 440 Hz.
inline double FrequencyOf(int key) {
    return 440.0 * std::pow(2.0, (key - 69) / 12.0);
}

// The power at one frequency of a Hann-windowed stretch (Goertzel).
inline double PowerAt(const std::vector<float>& samples, std::size_t start, std::size_t length,
                      double frequency, int sampleRate) {
    const double w = 2.0 * std::numbers::pi * frequency / sampleRate;
    const double coefficient = 2.0 * std::cos(w);
    double previous = 0.0;
    double beforePrevious = 0.0;
    for (std::size_t i = 0; i < length && start + i < samples.size(); ++i) {
        const double hann = 0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * i / (length - 1));
        const double current = samples[start + i] * hann + coefficient * previous - beforePrevious;
        beforePrevious = previous;
        previous = current;
    }
    return previous * previous + beforePrevious * beforePrevious -
           coefficient * previous * beforePrevious;
}

struct HeardNote {
    int key = 0;         // the MIDI key that sounds
    double cents = 0.0;  // how far its fundamental lies from equal temperament
};

// The loudest note between MIDI keys 36 and 96, judged by its fundamental
// and second harmonic, and its tuning found to the cent.
inline HeardNote HearNote(const std::vector<float>& samples, std::size_t start, std::size_t length,
                          int sampleRate) {
    HeardNote heard;
    double best = -1.0;
    for (int key = 36; key <= 96; ++key) {
        const double f = FrequencyOf(key);
        const double score = PowerAt(samples, start, length, f, sampleRate) +
                             0.5 * PowerAt(samples, start, length, 2 * f, sampleRate);
        if (score > best) {
            best = score;
            heard.key = key;
        }
    }
    double peak = -1.0;
    for (int cents = -50; cents <= 50; ++cents) {
        const double f = FrequencyOf(heard.key) * std::pow(2.0, cents / 1200.0);
        const double power = PowerAt(samples, start, length, f, sampleRate);
        if (power > peak) {
            peak = power;
            heard.cents = cents;
        }
    }
    return heard;
}

}  // namespace orvel::testing_support
