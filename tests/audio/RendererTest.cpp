// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "audio/Player.h"
#include "audio/Renderer.h"
#include "support/Pitch.h"

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

TEST(Renderer, AScaleRunSoundsEachNoteInTurnInTuneAndInTime) {
    Renderer renderer(Player::DefaultSoundfont());
    const PitchClassSet dorian = SetOfPositions(
        [](int p) { return p == 0 || p == 2 || p == 3 || p == 5 || p == 7 || p == 9 || p == 10; });
    const double bpm = 150;
    const auto notes = ScaleRun(dorian, KeyNearMiddleC(2), bpm);  // D4 dorian
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
        EXPECT_TRUE(noOutput->starts_with("No audio output:")) << *noOutput;
        EXPECT_FALSE(player.IsPlaying());
    }
}

}  // namespace
}  // namespace orvel
