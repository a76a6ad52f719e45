// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Recordings the tests make themselves: tunes and chords rendered through
// the program's own synthesiser, or as tones (a sine or a sawtooth) with
// vibrato and noise, detuned by some cents, at any sample rate.

#include <cmath>
#include <filesystem>
#include <numbers>
#include <random>
#include <string>
#include <vector>

#include "audio/Player.h"
#include "audio/Renderer.h"
#include "audio/WavFile.h"

namespace orvel::testing_support {

struct Played {
    int key;
    double start;   // seconds
    double length;  // seconds
};

// One note a beat, each held `held` of it.
inline std::vector<Played> TuneOf(double secondsPerBeat, const std::vector<int>& keys,
                                  double held = 0.9) {
    std::vector<Played> notes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        notes.push_back({keys[i], static_cast<double>(i) * secondsPerBeat, secondsPerBeat * held});
    }
    return notes;
}

// Scarborough Fair's first phrase, in D Dorian.
inline const std::vector<int> kDorianTune{62, 62, 69, 69, 64, 65, 64, 62, 69,
                                          72, 74, 72, 71, 69, 71, 67, 69, 62};

// ii–V–I in B♭ (Cm7 F7 B♭maj7, the root in the bass) twice, a chord every
// `seconds`; C D E♭ F G A B♭ sound, and no other note.
inline std::vector<Played> TwoFiveOnes(double seconds) {
    const std::vector<std::vector<int>> chords{
        {48, 63, 67, 70}, {41, 57, 60, 63}, {46, 62, 65, 69}, {46, 62, 65, 69}};
    std::vector<Played> notes;
    for (int time = 0; time < 8; ++time) {
        for (const int key : chords[static_cast<std::size_t>(time % 4)]) {
            notes.push_back({key, time * seconds, seconds * 0.95});
        }
    }
    return notes;
}

// The notes through the synthesiser, at 44.1 kHz in stereo.
inline std::vector<float> RenderedSound(const std::vector<Played>& notes) {
    std::vector<TimedNote> timed;
    for (const Played& note : notes) {
        timed.push_back({note.key, static_cast<int>(note.start * 1000),
                         static_cast<int>(note.length * 1000), 100});
    }
    Renderer renderer(Player::DefaultSoundfont());
    return renderer.RenderAll(timed);
}

inline std::filesystem::path Rendered(const std::filesystem::path& file,
                                      const std::vector<Played>& notes) {
    WriteWavFile(file, RenderedSound(notes), Renderer::kSampleRate);
    return file;
}

struct ToneShape {
    int rate = 44100;
    double cents = 0;  // off A = 440
    bool sawtooth = false;
    double noise = 0;  // the deviation of white noise added, full scale 1
    // Each note further off by −1, 0 or +1 times this many cents, in turn,
    // as a singer's notes are.
    double scatter = 0;
};

// The notes as tones, interleaved stereo at `shape.rate`.
inline std::vector<float> ToneSound(const std::vector<Played>& notes, const ToneShape& shape) {
    double end = 0;
    for (const Played& note : notes) {
        end = std::max(end, note.start + note.length + 0.3);
    }
    const int rate = shape.rate;
    std::vector<float> stereo(static_cast<std::size_t>(end * rate) * 2, 0.0F);
    for (std::size_t n = 0; n < notes.size(); ++n) {
        const Played& note = notes[n];
        const double cents = shape.cents + shape.scatter * (static_cast<double>(n % 3) - 1);
        const double hz = 440 * std::pow(2, (note.key - 69 + cents / 100) / 12);
        double phase = 0;
        const auto first = static_cast<std::size_t>(note.start * rate);
        const auto count = static_cast<std::size_t>(note.length * rate);
        for (std::size_t i = 0; i < count; ++i) {
            const double t = static_cast<double>(i) / rate;
            const double vibrato = 1 + 0.004 * std::sin(2 * std::numbers::pi * 5.5 * t);
            phase += hz * vibrato / rate;
            const double fraction = phase - std::floor(phase);
            const double wave =
                shape.sawtooth ? 2 * fraction - 1 : std::sin(2 * std::numbers::pi * fraction);
            const double envelope = std::min({1.0, t / 0.01, (note.length - t) / 0.02});
            const auto sample = static_cast<float>(0.2 * wave * envelope);
            stereo[(first + i) * 2] += sample;
            stereo[(first + i) * 2 + 1] += sample;
        }
    }
    std::mt19937 random(5);
    std::normal_distribution<double> hiss(0, shape.noise);
    for (float& sample : stereo) {
        sample += shape.noise > 0 ? static_cast<float>(hiss(random)) : 0.0F;
    }
    return stereo;
}

inline std::filesystem::path Tones(const std::filesystem::path& file,
                                   const std::vector<Played>& notes, const ToneShape& shape) {
    WriteWavFile(file, ToneSound(notes, shape), shape.rate);
    return file;
}

}  // namespace orvel::testing_support
