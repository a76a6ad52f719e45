// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>
#include <iterator>

#include "audio/AudioError.h"
#include "audio/Player.h"
#include "audio/Renderer.h"
#include "audio/WavFile.h"
#include "support/Pitch.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::HearNote;

std::vector<float> Left(const std::vector<float>& interleaved) {
    std::vector<float> left;
    for (std::size_t i = 0; i < interleaved.size(); i += 2) {
        left.push_back(interleaved[i]);
    }
    return left;
}

TEST(Performance, TimesEachNoteAsPlayersExpect) {
    const PitchClassSet triad = SetOfPositions([](int p) { return p == 0 || p == 4 || p == 7; });
    const auto run = ScaleRun(triad, 60, 60);  // an eighth is 500 ms at 60 BPM
    ASSERT_EQ(run.size(), 7u);
    EXPECT_EQ(run[1], (TimedNote{64, 500, 475}));
    EXPECT_EQ(run[6], (TimedNote{60, 3000, 475})) << "back down to the root";
    for (const TimedNote& note : Chord(triad, 62)) {
        EXPECT_EQ(note.startMs, 0) << note.key;
        EXPECT_EQ(note.lengthMs, 2000) << note.key;
    }
    EXPECT_EQ(EndMs({{60, 0, 2000}, {62, 1500, 100}}), 2000) << "not the last to start";
    EXPECT_EQ(EndMs({{60, 0, 100}, {62, 50, 500}}), 550) << "its length counts";
}

TEST(Renderer, AScaleRunSoundsEachNoteInTurnInTuneAndInTime) {
    Renderer renderer(Player::DefaultSoundfont());
    const PitchClassSet dorian = SetOfPositions(
        [](int p) { return p == 0 || p == 2 || p == 3 || p == 5 || p == 7 || p == 9 || p == 10; });
    const double bpm = 150;
    const auto notes = ScaleRun(dorian, KeyNearMiddleC(PitchClass(2)), bpm);  // D4 dorian
    const std::vector<float> sound = Left(renderer.RenderAll(notes));
    const auto eighth = static_cast<std::size_t>(Renderer::kSampleRate * 30.0 / bpm);
    EXPECT_GE(sound.size(), notes.size() * eighth) << "every note and its release";
    const std::vector<int> expected = {62, 64, 65, 67, 69, 71, 72, 74, 72, 71, 69, 67, 65, 64, 62};
    ASSERT_EQ(notes.size(), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        // The middle of each eighth note, where it alone should sound.
        const auto heard =
            HearNote(sound, i * eighth + eighth / 8, eighth * 3 / 4, Renderer::kSampleRate);
        EXPECT_EQ(heard.key, expected[i]) << "note " << i;
        EXPECT_LE(std::abs(heard.cents), 5) << "note " << i;
    }
}

TEST(Renderer, OneNoteAndTwelvePeakAsLoudWithoutClipping) {
    Renderer renderer(Player::DefaultSoundfont());
    const struct {
        const char* what;
        std::vector<TimedNote> notes;
    } performances[] = {
        {"one note", Chord(PositionBit(0), 60)},
        {"a twelve-note chord", Chord(kAllPositions, 60)},
        {"a scale run", ScaleRun(2773, 60, 120)},
        {"a low chord", Chord(kAllPositions, 24)},
    };
    for (const auto& performance : performances) {
        const std::vector<float> sound = renderer.RenderAll(performance.notes);
        float highest = 0.0F;
        float lowest = 0.0F;
        for (const float sample : sound) {
            highest = std::max(highest, sample);
            lowest = std::min(lowest, sample);
        }
        // Whichever way the wave swings further reaches -3 dBFS.
        const double peakDb = 20 * std::log10(std::max(highest, -lowest));
        EXPECT_NEAR(peakDb, -3.0, 0.1) << performance.what;
        EXPECT_LT(lowest, -0.25F) << performance.what << ": the wave swings both ways";
    }
}

TEST(Renderer, AKeyStruckAgainAsItEndsSoundsAgainAtFullStrength) {
    Renderer renderer(Player::DefaultSoundfont());
    const std::vector<float> sound =
        renderer.RenderAll({{.key = 60, .startMs = 0, .lengthMs = 500, .velocity = 90},
                            {.key = 60, .startMs = 500, .lengthMs = 500, .velocity = 90}});
    // The loudness of 100 ms of a note, from `startMs`.
    const auto strength = [&](int startMs) {
        double sum = 0;
        const std::size_t first =
            2 * static_cast<std::size_t>(startMs) * Renderer::kSampleRate / 1000;
        const std::size_t count = 2 * Renderer::kSampleRate / 10;
        for (std::size_t i = first; i < first + count; ++i) {
            sum += double(sound[i]) * sound[i];
        }
        return std::sqrt(sum / count);
    };
    ASSERT_GT(sound.size(), 2u * Renderer::kSampleRate);
    // The second note holds as the first did, not let go as it starts.
    EXPECT_GT(strength(500 + 350), 0.6 * strength(350));
}

TEST(WavFile, HoldsStereo16BitSamplesItsHeaderDescribes) {
    testing_support::TempFolder folder;
    const auto file = folder.Path() / "out.wav";
    WriteWavFile(file, {0.5F, -0.5F, 1.5F, -1.5F}, 44100);
    std::ifstream in(file, std::ios::binary);
    const std::string bytes((std::istreambuf_iterator<char>(in)), {});
    ASSERT_EQ(bytes.size(), 44u + 8u);
    const auto number = [&](std::size_t at, int size) {
        std::uint32_t value = 0;
        std::memcpy(&value, bytes.data() + at, static_cast<std::size_t>(size));
        return value;
    };
    EXPECT_EQ(bytes.substr(0, 4), "RIFF");
    EXPECT_EQ(number(4, 4), 36u + 8u);
    EXPECT_EQ(number(22, 2), 2u) << "channels";
    EXPECT_EQ(number(24, 4), 44100u) << "sample rate";
    EXPECT_EQ(number(28, 4), 44100u * 2 * 2) << "byte rate: frames of two 16-bit samples";
    EXPECT_EQ(number(32, 2), 4u) << "bytes per frame";
    EXPECT_EQ(number(40, 4), 8u) << "data bytes";
    const auto sample = [&](int i) {
        std::int16_t value = 0;
        std::memcpy(&value, bytes.data() + 44 + 2 * i, 2);
        return value;
    };
    EXPECT_EQ(sample(0), 16384);
    EXPECT_EQ(sample(1), -16384) << "the lower half of the wave";
    EXPECT_EQ(sample(2), 32767) << "beyond full scale, held there";
    EXPECT_EQ(sample(3), -32767);

    EXPECT_THROW(WriteWavFile("/dev/full", std::vector<float>(100'000), 44100), AudioError)
        << "the disk fills after the file opened";
    EXPECT_THROW(WriteWavFile(folder.Path() / "no/such/folder.wav", {0.0F}, 44100), AudioError);
}

TEST(Player, SaysWhatIsMissingAndCanBeTriedAgain) {
    const auto notes = ScaleRun(SetOfPositions([](int p) { return p % 4 == 0; }), 60, 120);
    Player withoutSoundfont("/nonexistent/GM.sf2");
    const auto noSoundfont = withoutSoundfont.Play(notes);
    ASSERT_TRUE(noSoundfont.has_value());
    EXPECT_TRUE(noSoundfont->starts_with("No soundfont: /nonexistent/GM.sf2")) << *noSoundfont;

    // The tests' environment names a sound server that is not there.
    Player player;
    for (int attempt = 0; attempt < 2; ++attempt) {
        const auto noOutput = player.Play(notes);
        if (!noOutput) {
            GTEST_SKIP() << "a sound device answers on this machine";
        }
        EXPECT_EQ(*noOutput, kNoAudioOutput);
        EXPECT_FALSE(player.IsPlaying());
    }
}

}  // namespace
}  // namespace orvel
