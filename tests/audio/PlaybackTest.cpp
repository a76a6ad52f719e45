// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QSignalSpy>
#include <QTest>

#include "audio/Playback.h"
#include "audio/Tempo.h"
#include "support/FakePlayer.h"

namespace orvel {
namespace {

using testing_support::FakePlayers;
using testing_support::FakeSound;

class PlaybackTest : public testing::Test {
  protected:
    ~PlaybackTest() override { sound->Release(); }

    void SetFailure(std::optional<std::string> message) {
        const std::lock_guard lock(sound->mutex);
        sound->failWith = std::move(message);
    }

    std::shared_ptr<FakeSound> sound = std::make_shared<FakeSound>();
    Playback playback{FakePlayers(sound)};
    const std::vector<TimedNote> notes = Chord(2192, 60);
};

TEST_F(PlaybackTest, ASecondPressStopsWhatTheFirstStarted) {
    QSignalSpy playing(&playback, &Playback::playingChanged);
    playback.PlayOrStop(notes);
    EXPECT_TRUE(playback.IsPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 1; }, 2000));
    EXPECT_EQ(sound->Played()[0], notes);
    playback.PlayOrStop(notes);
    EXPECT_FALSE(playback.IsPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Stops() == 1; }, 2000));
    EXPECT_EQ(sound->Played().size(), 1u) << "the second press only stops";
    ASSERT_EQ(playing.count(), 2);
    EXPECT_TRUE(playing[0][0].toBool());
    EXPECT_FALSE(playing[1][0].toBool());
}

TEST_F(PlaybackTest, APlayOverAnotherEndsTheFirstAndGoesOn) {
    playback.Play(notes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 1; }, 2000));
    playback.Play(Chord(1, 60));
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 2; }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(sound->Stops(), 1) << "the first";
    EXPECT_TRUE(playback.IsPlaying()) << "the end of the first is not the end of the second";
}

TEST_F(PlaybackTest, AFailedPlaySaysWhyAndALaterOneTriesAgain) {
    SetFailure("No soundfont: test");
    QSignalSpy failed(&playback, &Playback::failed);
    playback.Play(notes);
    ASSERT_TRUE(failed.wait(2000));
    EXPECT_EQ(failed[0][0].toString(), "No soundfont: test");
    EXPECT_FALSE(playback.IsPlaying());

    SetFailure(std::nullopt);
    playback.Play(notes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 2; }, 2000));
    QTest::qWait(50);
    EXPECT_TRUE(playback.IsPlaying());
    EXPECT_EQ(failed.count(), 1);
}

TEST_F(PlaybackTest, AStalledServerFailsInTimeAndTheNextPlayStartsAfresh) {
    sound->hangingPlays = 1;
    QSignalSpy failed(&playback, &Playback::failed);
    QElapsedTimer clock;
    clock.start();
    playback.Play(notes);
    ASSERT_TRUE(failed.wait(5000));
    EXPECT_LE(clock.elapsed(), 3000);
    EXPECT_EQ(failed[0][0].toString(), kNoAudioOutput);
    EXPECT_FALSE(playback.IsPlaying());

    playback.Play(notes);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 1; }, 2000))
        << "played by a new thread while the old one still hangs";
    EXPECT_EQ(sound->playersMade, 2);
    EXPECT_TRUE(playback.IsPlaying());
    sound->Release();
    QTest::qWait(SoundThread::kStartWithin.count() + 100);
    EXPECT_EQ(failed.count(), 1) << "nothing more is said of the abandoned play";
    EXPECT_TRUE(playback.IsPlaying());
}

TEST_F(PlaybackTest, TheSoundEndsWithThePlaybackAndTheTempoStaysInItsRange) {
    {
        Playback ending(FakePlayers(sound));
        ending.Play(notes);
        ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 1; }, 2000));
    }
    EXPECT_EQ(sound->Stops(), 1);

    QSignalSpy tempo(&playback, &Playback::tempoChanged);
    EXPECT_EQ(playback.Tempo(), kDefaultTempo);
    playback.SetTempo(3000);
    EXPECT_EQ(playback.Tempo(), kMaxTempo);
    playback.SetTempo(1);
    EXPECT_EQ(playback.Tempo(), kMinTempo);
    EXPECT_EQ(tempo.count(), 2);
}

}  // namespace
}  // namespace orvel
