// SPDX-License-Identifier: GPL-3.0-or-later
// Melodies and chords the tests make themselves, rendered through the
// program's own synthesiser or as tones, written to files and heard back.

#include <gtest/gtest.h>
#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <numbers>
#include <random>
#include <thread>

#include "audio/WavFile.h"
#include "listening/HearRecording.h"
#include "listening/PulseMicrophone.h"
#include "matching/RankMelody.h"
#include "support/NullSinkServer.h"
#include "support/Recordings.h"
#include "support/ShippedCatalogue.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::Played;
using testing_support::Rendered;
using testing_support::Tones;
using testing_support::ToneShape;
using testing_support::TwoFiveOnes;

// The share of the played notes heard with the right pitch class, an
// onset within 50 ms and, where asked, a length within `lengthWithin`.
double Found(const Heard& heard, const std::vector<Played>& played, double lengthWithin = 1e9) {
    int found = 0;
    for (const Played& note : played) {
        for (const HeardNote& h : heard.notes) {
            if (std::abs(h.start - note.start) <= 0.05 && (h.midiKey - note.key) % 12 == 0 &&
                std::abs(h.length - note.length) <= lengthWithin) {
                ++found;
                break;
            }
        }
    }
    return static_cast<double>(found) / static_cast<double>(played.size());
}

std::string KeyOf(const Heard& heard) {
    const MelodyAnswer answer =
        RankMelody(testing_support::ShippedCatalogue(), heard.AsMelody(), {});
    const Key& key = answer.scales.keys.at(0);
    return key.tonic.Ascii() + " " + std::string(key.ModeName());
}

TEST(HearMelody, RenderedMelodiesAreHeardNoteByNoteAtSeveralTempos) {
    const testing_support::TempFolder folder;
    for (const double beat : {0.5, 0.3}) {
        const std::vector<Played> tune =
            testing_support::TuneOf(beat, testing_support::kDorianTune);
        const Heard heard =
            HearRecording(Rendered(folder.Path() / "tune.wav", tune), ListenMode::Melody);
        EXPECT_GE(Found(heard, tune), 0.95)
            << beat << " s a beat, " << heard.notes.size() << " notes heard";
        EXPECT_EQ(KeyOf(heard), "D Dorian") << beat;
        EXPECT_NEAR(heard.tuningCents, 0, 10);
    }
}

TEST(HearMelody, TonesWithVibratoAndNoiseDetunedAndAtAnyRate) {
    const testing_support::TempFolder folder;
    const std::vector<Played> tune = testing_support::TuneOf(0.4, testing_support::kDorianTune);
    for (const ToneShape shape :
         {ToneShape{44100, 0, true, 0.01}, ToneShape{44100, -30, false, 0.01},
          ToneShape{8000, 0, false, 0.005}, ToneShape{96000, -30, true, 0.005},
          ToneShape{22050, -40, true, 0.005, 15}}) {
        SCOPED_TRACE(std::to_string(shape.rate) + " Hz, " + std::to_string(shape.cents) + " cents");
        const Heard heard =
            HearRecording(Tones(folder.Path() / "tones.wav", tune, shape), ListenMode::Melody);
        EXPECT_GE(Found(heard, tune), 0.95) << heard.notes.size() << " notes heard";
        EXPECT_NEAR(heard.tuningCents, shape.cents, 8);
        EXPECT_EQ(KeyOf(heard), "D Dorian");
    }
    // Staccato: each note ends where its sound does, not at the next.
    const std::vector<Played> staccato =
        testing_support::TuneOf(0.4, testing_support::kDorianTune, 0.5);
    const Heard heard =
        HearRecording(Tones(folder.Path() / "staccato.wav", staccato, {}), ListenMode::Melody);
    EXPECT_GE(Found(heard, staccato, 0.05), 0.95) << heard.notes.size() << " notes heard";
}

// Tones' stereo `sound` written as `format`, in mono or, with two
// `channels`, panned hard left.
std::filesystem::path Written(const std::filesystem::path& file, const std::vector<float>& sound,
                              int rate, int format, int channels) {
    SF_INFO info{0, rate, channels, format, 0, 0};
    SNDFILE* into = sf_open(file.c_str(), SFM_WRITE, &info);
    EXPECT_NE(into, nullptr) << sf_strerror(nullptr);
    std::vector<float> frames;
    for (std::size_t i = 0; i < sound.size(); i += 2) {
        frames.push_back(sound[i]);
        if (channels == 2) {
            frames.push_back(0);
        }
    }
    sf_writef_float(into, frames.data(), static_cast<sf_count_t>(sound.size() / 2));
    sf_close(into);
    return file;
}

TEST(HearMelody, FlacOggAndMp3InMonoOrStereoFrom8To192kHz) {
    const testing_support::TempFolder folder;
    const std::vector<Played> tune = testing_support::TuneOf(0.4, testing_support::kDorianTune);
    struct Case {
        const char* name;
        int rate;
        int format;
        int channels;
    };
    for (const Case& form : {Case{"tune.flac", 48000, SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 1},
                             Case{"tune.ogg", 44100, SF_FORMAT_OGG | SF_FORMAT_VORBIS, 2},
                             Case{"tune.mp3", 44100, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 2},
                             Case{"high.wav", 192000, SF_FORMAT_WAV | SF_FORMAT_FLOAT, 1}}) {
        SCOPED_TRACE(form.name);
        const Heard heard =
            HearRecording(Written(folder.Path() / form.name,
                                  testing_support::ToneSound(tune, {.rate = form.rate}), form.rate,
                                  form.format, form.channels),
                          ListenMode::Melody);
        EXPECT_GE(Found(heard, tune), 0.95) << heard.notes.size() << " notes heard";
        EXPECT_EQ(KeyOf(heard), "D Dorian");
    }
    for (const int rate : {4000, 384000}) {
        const auto wav = Tones(folder.Path() / "tones.wav", tune, {.rate = rate});
        EXPECT_THROW(HearRecording(wav, ListenMode::Chords), ListenError) << rate;
    }
}

TEST(HearChords, ChordsRenderedOrAsTonesGiveTheirKeyAndNoOtherNotes) {
    const testing_support::TempFolder folder;
    // C D E♭ F G A B♭, bit c for c semitones above C.
    const auto bFlatMajor = PitchClassesAboveC::FromBits(0b0110'1010'1101);
    const auto file = [&](const char* name) { return folder.Path() / name; };
    const struct {
        const char* what;
        std::filesystem::path path;
        double cents;
    } cases[] = {
        {"rendered, a chord a second", Rendered(file("1.wav"), TwoFiveOnes(1.0)), 0},
        {"rendered, a chord every 0.6 s", Rendered(file("2.wav"), TwoFiveOnes(0.6)), 0},
        {"sawtooth, 40 cents flat, each note 15 cents apart",
         Tones(file("3.wav"), TwoFiveOnes(1.0), {44100, -40, true, 0.005, 15}), -40},
        {"sine at 8 kHz", Tones(file("4.wav"), TwoFiveOnes(1.0), {8000, 0, false, 0.005}), 0},
        {"sawtooth at 96 kHz", Tones(file("5.wav"), TwoFiveOnes(1.0), {96000, 20, true, 0.005}),
         20},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Heard heard = HearRecording(c.path, ListenMode::Chords);
        EXPECT_EQ(KeyOf(heard), "Bb major");
        const MelodyAnswer answer =
            RankMelody(testing_support::ShippedCatalogue(), heard.AsMelody(), {});
        EXPECT_EQ(answer.kept, bFlatMajor);
        EXPECT_NEAR(heard.tuningCents, c.cents, 8);
        EXPECT_GT(heard.clearShare, 0.9);
    }
}

// Whatever comes in, each ear hears notes of its sound or says it heard no
// clear pitch; a file it cannot read is refused with the reason.
TEST(Hearing, SilenceNoiseAClippedSquareAndBadFilesSayWhatWasHeard) {
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
    // A second of A3 as a square wave driven past full scale.
    std::vector<float> square(44100 * 2);
    for (std::size_t i = 0; i < square.size(); ++i) {
        square[i] = std::clamp(
            std::sin(2 * std::numbers::pi * 220 * static_cast<double>(i / 2) / 44100) > 0 ? 3.0F
                                                                                          : -3.0F,
            -1.0F, 1.0F);
    }
    const auto silence = write("silence.wav", std::vector<float>(44100 * 2, 0.0F));
    const auto hiss = write("noise.wav", noise);
    const auto clipped = write("square.wav", square);
    for (const ListenMode mode : {ListenMode::Melody, ListenMode::Chords}) {
        for (const auto& path : {silence, hiss}) {
            const Heard heard = HearRecording(path, mode);
            EXPECT_FALSE(heard.Clear())
                << path.filename() << ": " << heard.notes.size() << " notes";
        }
        const Heard heard = HearRecording(clipped, mode);
        ASSERT_TRUE(heard.Clear());
        EXPECT_NEAR(heard.seconds, 1, 0.05);
        for (const HeardNote& note : heard.notes) {
            EXPECT_EQ(note.midiKey % 12, 9) << "A";
        }
    }
    const auto refused = [&](const std::string& name, const std::string& bytes,
                             const std::string& says) {
        std::ofstream(folder.Path() / name, std::ios::binary) << bytes;
        try {
            HearRecording(folder.Path() / name, ListenMode::Melody);
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
    std::string noRate = whole;
    std::fill(noRate.begin() + 24, noRate.begin() + 28, '\0');
    refused("rate.wav", noRate, "not a recording");
}

// The microphone's whole path: a rendered melody played into a PulseAudio
// null sink and heard at its monitor, the default input.
TEST(HearTheMicrophone, AMelodyPlayedIntoTheSoundServerIsHeardAtItsMonitor) {
    const testing_support::NullSinkServer server;
    ASSERT_TRUE(server.Ready()) << "see " << server.Log();
    const std::vector<AudioInput> inputs = PulseInputs();
    ASSERT_FALSE(inputs.empty());
    EXPECT_EQ(inputs.front().name, "orvel.monitor") << "the default input comes first";

    const testing_support::TempFolder folder;
    const std::vector<Played> tune = testing_support::TuneOf(0.4, testing_support::kDorianTune);
    const auto recording = Rendered(folder.Path() / "tune.wav", tune);
    const PulseMicrophone microphone("", ListenMode::Melody);
    ASSERT_TRUE(server.Play(recording));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_EQ(microphone.Failure(), std::nullopt);
    const Heard heard = microphone.SoFar();
    EXPECT_EQ(KeyOf(heard), "D Dorian");
    ASSERT_FALSE(heard.notes.empty());
    // The microphone heard from before the sound began: times from its first note.
    const double lead = heard.notes.front().start;
    std::vector<Played> shifted = tune;
    for (Played& note : shifted) {
        note.start += lead;
    }
    EXPECT_GE(Found(heard, shifted), 0.95) << heard.notes.size() << " notes heard";

    ::setenv("PULSE_SERVER", "unix:/nonexistent/orvel-test", 1);
    const PulseMicrophone nowhere("", ListenMode::Chords);
    for (int tries = 0; tries < 100 && !nowhere.Failure(); ++tries) {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    EXPECT_NE(nowhere.Failure().value_or("").find("no audio input"), std::string::npos);
    EXPECT_TRUE(PulseInputs().empty());
}

}  // namespace
}  // namespace orvel
