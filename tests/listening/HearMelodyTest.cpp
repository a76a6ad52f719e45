// SPDX-License-Identifier: GPL-3.0-or-later
// Melodies the tests make themselves, rendered through the program's own
// synthesiser or as tones, written to files and heard back.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <random>

#include "audio/Player.h"
#include "audio/Renderer.h"
#include "audio/WavFile.h"
#include "listening/HearMelody.h"
#include "matching/RankMelody.h"
#include "support/ShippedCatalogue.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

struct Played {
    int key;
    double start;   // seconds
    double length;  // seconds
};

// Scarborough Fair's first phrase in D Dorian, then a D major scale.
std::vector<Played> Tune(double secondsPerBeat, const std::vector<int>& keys) {
    std::vector<Played> notes;
    for (std::size_t i = 0; i < keys.size(); ++i) {
        notes.push_back({keys[i], static_cast<double>(i) * secondsPerBeat, secondsPerBeat * 0.9});
    }
    return notes;
}

const std::vector<int> kDorian{62, 62, 69, 69, 64, 65, 64, 62, 69,
                               72, 74, 72, 71, 69, 71, 67, 69, 62};

std::filesystem::path Rendered(const testing_support::TempFolder& folder,
                               const std::vector<Played>& notes) {
    std::vector<TimedNote> timed;
    for (const Played& note : notes) {
        timed.push_back({note.key, static_cast<int>(note.start * 1000),
                         static_cast<int>(note.length * 1000), 100});
    }
    Renderer renderer(Player::DefaultSoundfont());
    const auto path = folder.Path() / "rendered.wav";
    WriteWavFile(path, renderer.RenderAll(timed), Renderer::kSampleRate);
    return path;
}

// Tones: a sawtooth or a sine, with vibrato and noise, detuned by `cents`.
std::filesystem::path Tones(const testing_support::TempFolder& folder,
                            const std::vector<Played>& notes, int rate, double cents, bool sawtooth,
                            double noise) {
    const double end = notes.back().start + notes.back().length + 0.3;
    std::vector<float> stereo(static_cast<std::size_t>(end * rate) * 2, 0.0F);
    std::mt19937 random(5);
    std::normal_distribution<double> hiss(0, noise);
    for (const Played& note : notes) {
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
                sawtooth ? 2 * fraction - 1 : std::sin(2 * std::numbers::pi * fraction);
            const double envelope = std::min({1.0, t / 0.01, (note.length - t) / 0.02});
            const auto at = (first + i) * 2;
            stereo[at] = stereo[at + 1] = static_cast<float>(0.4 * wave * envelope);
        }
    }
    for (float& sample : stereo) {
        sample += static_cast<float>(hiss(random));
    }
    const auto path = folder.Path() / ("tones-" + std::to_string(rate) + ".wav");
    WriteWavFile(path, stereo, rate);
    return path;
}

// The share of the played notes heard with the right pitch class and an
// onset within 50 ms.
double Found(const HeardMelody& heard, const std::vector<Played>& played) {
    int found = 0;
    for (const Played& note : played) {
        for (const HeardNote& h : heard.notes) {
            if (std::abs(h.start - note.start) <= 0.05 && (h.midiKey - note.key) % 12 == 0) {
                ++found;
                break;
            }
        }
    }
    return static_cast<double>(found) / static_cast<double>(played.size());
}

std::string KeyOf(const HeardMelody& heard) {
    const MelodyAnswer answer =
        RankMelody(testing_support::ShippedCatalogue(), heard.AsMelody(), {});
    const Key& key = answer.scales.keys.at(0);
    return key.tonic.Ascii() + " " + std::string(key.ModeName());
}

TEST(HearMelody, RenderedMelodiesAreHeardNoteByNoteAtSeveralTempos) {
    const testing_support::TempFolder folder;
    for (const double beat : {0.5, 0.3}) {
        const std::vector<Played> tune = Tune(beat, kDorian);
        AudioFile audio(Rendered(folder, tune));
        const HeardMelody heard = HearMelody(audio);
        EXPECT_GE(Found(heard, tune), 0.95)
            << beat << " s a beat, " << heard.notes.size() << " notes heard";
        EXPECT_EQ(KeyOf(heard), "D Dorian") << beat;
        EXPECT_NEAR(heard.tuningCents, 0, 10);
    }
}

TEST(HearMelody, TonesWithVibratoAndNoiseDetunedAndAtAnyRate) {
    const testing_support::TempFolder folder;
    const std::vector<Played> tune = Tune(0.4, kDorian);
    const struct {
        int rate;
        double cents;
        bool sawtooth;
        double noise;
    } cases[] = {{44100, 0, true, 0.01},
                 {44100, -30, false, 0.01},
                 {8000, 0, false, 0.005},
                 {96000, -30, true, 0.005}};
    for (const auto& c : cases) {
        AudioFile audio(Tones(folder, tune, c.rate, c.cents, c.sawtooth, c.noise));
        const HeardMelody heard = HearMelody(audio);
        SCOPED_TRACE(std::to_string(c.rate) + " Hz, " + std::to_string(c.cents) + " cents");
        EXPECT_GE(Found(heard, tune), 0.95) << heard.notes.size() << " notes heard";
        EXPECT_NEAR(heard.tuningCents, c.cents, 8);
        EXPECT_EQ(KeyOf(heard), "D Dorian");
    }
}

TEST(HearMelody, SilenceNoiseAndBadFilesSayHowLittleWasHeard) {
    const testing_support::TempFolder folder;
    const auto write = [&](const char* name, const std::vector<float>& stereo) {
        WriteWavFile(folder.Path() / name, stereo, 44100);
        return folder.Path() / name;
    };
    std::mt19937 random(3);
    std::uniform_real_distribution<float> white(-0.5F, 0.5F);
    std::vector<float> noise(44100 * 2 * 2);
    for (float& sample : noise) {
        sample = white(random);
    }
    for (const auto& path :
         {write("silence.wav", std::vector<float>(44100 * 2, 0.0F)), write("noise.wav", noise)}) {
        AudioFile audio(path);
        const HeardMelody heard = HearMelody(audio);
        EXPECT_FALSE(heard.Clear()) << path.filename() << ": " << heard.notes.size() << " notes";
    }
    const auto refused = [&](const std::string& name, const std::string& bytes,
                             const std::string& says) {
        std::ofstream(folder.Path() / name, std::ios::binary) << bytes;
        try {
            AudioFile audio(folder.Path() / name);
            ADD_FAILURE() << name;
        } catch (const ListenError& error) {
            EXPECT_NE(std::string(error.what()).find(says), std::string::npos) << error.what();
        }
    };
    refused("notes.wav", "C D E F G", "not a recording that can be read");
    refused("empty.wav", "", "the file is empty");
    std::ifstream in(write("short.wav", std::vector<float>(200, 0.1F)), std::ios::binary);
    const std::string whole{std::istreambuf_iterator<char>(in), {}};
    refused("cut.wav", whole.substr(0, 20), "not a recording that can be read");
    std::string noChannels = whole;
    noChannels[22] = 0;
    noChannels[23] = 0;
    refused("channels.wav", noChannels, "not a recording");
}

}  // namespace
}  // namespace orvel
