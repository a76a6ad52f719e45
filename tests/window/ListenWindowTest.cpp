// SPDX-License-Identifier: GPL-3.0-or-later
// The listen window as a user meets it: opened from the Tools menu with the
// real listening module, recordings dropped on it and heard as a melody or
// as chords, and the microphone listening to a PulseAudio null sink's
// monitor while a melody is played into the sink.

#include <gtest/gtest.h>

#include <QTest>
#include <iostream>
#include <thread>

#include "MainWindowFixture.h"
#include "support/EventLoopGaps.h"
#include "support/NullSinkServer.h"
#include "support/Recordings.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;

// Scarborough Fair's phrase moved up a fourth: in G Dorian.
std::vector<int> InGDorian() {
    std::vector<int> keys = testing_support::kDorianTune;
    for (int& key : keys) {
        key += 5;
    }
    return keys;
}

class ListenWindow : public testing_support::MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Major Modes", "Major", {0, 2, 4, 5, 7, 9, 11}),
                    CatalogueLine("Major Modes", "Dorian", {0, 2, 3, 5, 7, 9, 10})});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Opened from the menu once the sound server, if any, is there to ask.
    void OpenListen() {
        MainMenuBar::Instance().tools.listen->trigger();
        listen = tools->Listen();
        ASSERT_NE(listen, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(listen));
        ASSERT_TRUE(QTest::qWaitFor([&] { return listen->InputsKnown(); }, 5000));
    }

    void Drop(const std::filesystem::path& file) {
        ASSERT_TRUE(DropOn(*listen, file));
        WaitUntilHeard();
    }

    void WaitUntilHeard() {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !listen->Hearing(); }, 10000));
    }

    QString FirstBestFit() const {
        return listen->Answers().BestFits().model()->index(0, 0).data().toString();
    }

    testing_support::TempFolder folder;
    wdwListen* listen = nullptr;
};

TEST_F(ListenWindow, RecordingsAreHeardAsAMelodyOrAsChordsWithoutAnyAudioInput) {
    ::setenv("PULSE_SERVER", "unix:/nonexistent/orvel-test", 1);
    OpenListen();
    EXPECT_EQ(listen->Inputs().currentText(), "No audio input");
    EXPECT_FALSE(listen->StartButton().isEnabled());
    EXPECT_TRUE(listen->Status().text().startsWith("No audio input was found"))
        << listen->Status().text().toStdString();

    Drop(testing_support::Rendered(folder.Path() / "tune.wav",
                                   testing_support::TuneOf(0.4, InGDorian())));
    EXPECT_TRUE(listen->Source().text().startsWith("tune.wav: 8."))
        << listen->Source().text().toStdString();
    EXPECT_EQ(listen->Answers().KeyLabel().PlainText(), "Key: G Dorian");
    EXPECT_EQ(FirstBestFit(), "G Dorian");
    EXPECT_TRUE(listen->RecentNotes().text().endsWith("C  D  G"))
        << listen->RecentNotes().text().toStdString();
    EXPECT_TRUE(listen->Status().text().startsWith("18 notes"))
        << listen->Status().text().toStdString();
    QTest::mouseClick(&listen->Answers().ShowInMainButton(), Qt::LeftButton);
    EXPECT_EQ(window->CurrentTicks().chosenRoot, PitchClass(7));
    EXPECT_EQ(window->CurrentTicks().notes, listen->Answer().kept);

    // The same recording heard as chords, by choosing the mode again.
    Drop(
        testing_support::Rendered(folder.Path() / "chords.wav", testing_support::TwoFiveOnes(1.0)));
    listen->ModeChoice().setCurrentIndex(1);
    WaitUntilHeard();
    EXPECT_EQ(listen->LastHeard().mode, ListenMode::Chords);
    EXPECT_EQ(listen->Answers().KeyLabel().PlainText(), "Key: B\u266D major");
    EXPECT_EQ(FirstBestFit(), "B\u266D Major");

    Drop(folder.Write("notes.wav", "C D E F G"));
    EXPECT_TRUE(listen->Status().text().startsWith("Cannot hear notes.wav: it is not a recording"))
        << listen->Status().text().toStdString();
}

TEST_F(ListenWindow, TheMicrophoneHearsAMelodyPlayedIntoTheSoundServer) {
    const testing_support::NullSinkServer server;
    ASSERT_TRUE(server.Ready()) << "see " << server.Log();
    OpenListen();
    ASSERT_TRUE(listen->StartButton().isEnabled()) << listen->Status().text().toStdString();
    EXPECT_EQ(listen->Inputs().currentData().toString(), "orvel.monitor");
    const auto recording = testing_support::Rendered(folder.Path() / "tune.wav",
                                                     testing_support::TuneOf(0.4, InGDorian()));

    QTest::mouseClick(&listen->StartButton(), Qt::LeftButton);
    ASSERT_TRUE(listen->Listening());
    testing_support::EventLoopGaps gaps;
    bool played = false;
    std::thread player([&] { played = server.Play(recording); });
    int loudest = listen->Level().minimum();
    QStringList notesSeen;
    while (!QTest::qWaitFor([&] { return played; }, 20)) {
        loudest = std::max(loudest, listen->Level().value());
        notesSeen << listen->NoteNow().text();
    }
    player.join();
    QTest::qWait(300);
    gaps.Stop();
    std::cout << "listening: longest event-loop gap " << gaps.Longest() << " ms\n";
    EXPECT_LT(gaps.Longest(), testing_support::kFrozenMs);
    EXPECT_EQ(listen->Answers().KeyLabel().PlainText(), "Key: G Dorian") << "while listening";

    QTest::mouseClick(&listen->StartButton(), Qt::LeftButton);
    EXPECT_FALSE(listen->Listening());
    EXPECT_EQ(listen->Answers().KeyLabel().PlainText(), "Key: G Dorian");
    EXPECT_GT(loudest, -30) << "the level meter moved";
    EXPECT_TRUE(notesSeen.filter(QRegularExpression("^G4 [+-]?\\d+ cents$")).size() > 5)
        << notesSeen.join(", ").toStdString();
    EXPECT_TRUE(listen->RecentNotes().text().endsWith("C  D  G"))
        << listen->RecentNotes().text().toStdString();
}

}  // namespace
}  // namespace orvel
