// SPDX-License-Identifier: GPL-3.0-or-later
// A MIDI keyboard playing into the main window: through a fake input, and
// end to end through a JACK server with the dummy driver, started here.

#include <gtest/gtest.h>

#include <QAbstractItemModel>
#include <QMenu>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <iostream>
#include <random>
#include <thread>

#include "MainWindowFixture.h"
#include "matching/NoteNameTable.h"
#include "midi/LoadedMidiInput.h"
#include "support/EventLoopGaps.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;

class MidiWindow : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Diatonic", "Major", {0, 2, 4, 5, 7, 9, 11}),
                    CatalogueLine("Chords", "Major Triad", {0, 4, 7})});
    }

    // The boxes ticked, by position above the root.
    std::vector<int> Ticked() const {
        std::vector<int> ticked;
        for (int position = 0; position < kPositionCount; ++position) {
            if (window->cbScale(position)->Value()) {
                ticked.push_back(position);
            }
        }
        return ticked;
    }

    // The entries of Tools > MIDI Input as it opens.
    QList<QAction*> MidiMenu() const {
        QMenu& menu = *MainMenuBar::Instance().tools.midiInput->menu();
        emit menu.aboutToShow();
        return menu.actions();
    }
};

TEST_F(MidiWindow, AChordTicksItsNotesWithOneRefill) {
    midi->Start();
    ASSERT_NE(midiInput, nullptr);
    QSignalSpy refills(window->lbContaining()->model(), &QAbstractItemModel::modelReset);
    // The first note, then two turns of the window's event loop, as a cable
    // brings the next: the chord is still taken as one. (Turns, not a spell
    // of time: a busy machine must not stretch the gap past the gather.)
    midiInput->Play({0x90, 60, 90});
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    for (const unsigned char key : {64, 67, 72}) {
        midiInput->Play({0x90, key, 90});
    }
    midiInput->Play({0x91, 48, 90});  // another channel
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Ticked().empty(); }, 2000));
    QTest::qWait(50);
    EXPECT_EQ(Ticked(), (std::vector<int>{0, 4, 7}));
    EXPECT_EQ(refills.count(), 1) << "one refill for the chord";
    EXPECT_EQ(window->lbExact()->Cell(0, 1), "Major Triad");

    for (const unsigned char key : {60, 64, 67, 72}) {
        midiInput->Play({0x80, key, 0});
    }
    midiInput->Play({0x91, 48, 0});
    QTest::qWait(20);
    EXPECT_EQ(Ticked(), (std::vector<int>{0, 4, 7})) << "the query stays once all are up";
    midiInput->Play({0x90, 62, 90});  // D starts a new query
    EXPECT_TRUE(QTest::qWaitFor([&] { return Ticked() == std::vector<int>{2}; }, 2000));
}

TEST_F(MidiWindow, TheLowestNoteSetsTheRootWhenAsked) {
    midi->Start();
    MainMenuBar::Instance().tools.lowestNoteRoot->setChecked(true);
    for (const unsigned char key : {71, 52, 55}) {  // B4, E3, G3: E the lowest
        midiInput->Play({0x90, key, 90});
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Ticked().empty(); }, 2000));
    EXPECT_EQ(window->pmRoot()->ListIndex(), NoteTableIndex::Of(PitchClass(4)).Value());
    EXPECT_EQ(window->cbScale(0)->Caption(), "E");
    EXPECT_EQ(Ticked(), (std::vector<int>{0, 3, 7}));

    MainMenuBar::Instance().tools.lowestNoteRoot->setChecked(false);
    midiInput->Play({0x80, 71, 0});
    midiInput->Play({0x80, 52, 0});
    midiInput->Play({0x80, 55, 0});
    midiInput->Play({0x90, 60, 90});  // C, ticked under E, the root kept
    ASSERT_TRUE(QTest::qWaitFor([&] { return Ticked() == std::vector<int>{8}; }, 2000));
    EXPECT_EQ(window->pmRoot()->ListIndex(), NoteTableIndex::Of(PitchClass(4)).Value());
}

TEST_F(MidiWindow, TheMenuListsTheInputsOrSaysWhyThereAreNone) {
    QList<QAction*> entries = MidiMenu();
    ASSERT_EQ(entries.size(), 1) << "before the input starts, and with no MIDI system";
    EXPECT_EQ(entries[0]->text(), "No MIDI system found");
    EXPECT_FALSE(entries[0]->isEnabled());

    midi->Start();
    midiInput->sources = {"Keystation 49:Keystation 49 MIDI 1", "Piano"};
    entries = MidiMenu();
    ASSERT_EQ(entries.size(), 4);
    EXPECT_EQ(entries[0]->text(), "All Inputs");
    EXPECT_TRUE(entries[0]->isChecked());
    EXPECT_EQ(entries[1]->text(), "Keystation 49:Keystation 49 MIDI 1");
    EXPECT_EQ(entries[3]->text(), "Off");
    entries[2]->trigger();
    ASSERT_FALSE(midiInput->listened.empty());
    EXPECT_EQ(midiInput->listened.back(),
              (MidiInput::Choice{MidiInput::Choice::Kind::OneInput, "Piano"}));
    midiInput->sources.push_back("Drums");  // plugged in: the menu shows it next time
    entries = MidiMenu();
    ASSERT_EQ(entries.size(), 5);
    EXPECT_TRUE(entries[2]->isChecked());
    EXPECT_FALSE(entries[0]->isChecked());
    entries[4]->trigger();
    EXPECT_EQ(midiInput->listened.back().kind, MidiInput::Choice::Kind::Off);

    midiInput->state = MidiInput::State::NoSystem;
    entries = MidiMenu();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0]->text(), "No MIDI system found");
}

TEST_F(MidiWindow, WhatTheWindowCannotTakeInTimeIsDroppedNotHeld) {
    midi->Start();
    for (std::size_t k = 0; k < MidiKeyboard::kMostQueued; ++k) {
        midiInput->Play({0x90, 60, 90});  // the window busy, taking none
    }
    midiInput->Play({0x90, 64, 90});  // beyond the limit
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Ticked().empty(); }, 2000));
    EXPECT_EQ(Ticked(), std::vector<int>{0});
}

TEST_F(MidiWindow, AFloodKeepsTheWindowAnsweringInBoundedMemory) {
    midi->Start();
    const auto residentKiB = [] {
        std::ifstream status("/proc/self/status");
        std::string line;
        while (std::getline(status, line)) {
            if (line.rfind("VmRSS:", 0) == 0) {
                return std::stol(line.substr(6));
            }
        }
        return 0L;
    };
    const long before = residentKiB();
    std::atomic<bool> done = false;
    std::thread flood([&, input = midiInput] {
        std::mt19937 random(7);
        const auto start = std::chrono::steady_clock::now();
        for (long event = 0; event < 50'000; ++event) {  // 10,000 a second for 5 s
            const auto key = static_cast<unsigned char>(36 + random() % 48);
            input->Play({static_cast<unsigned char>(event % 2 == 0 ? 0x90 : 0x80), key, 80});
            std::this_thread::sleep_until(start + std::chrono::microseconds(100 * event));
        }
        done = true;
    });
    testing_support::EventLoopGaps gaps;
    EXPECT_TRUE(QTest::qWaitFor([&] { return done.load(); }, 20000));
    flood.join();
    gaps.Stop();
    const qint64 longest = gaps.Longest();
    const long grown = residentKiB() - before;
    std::cout << "flood: longest event-loop gap " << longest << " ms, memory grew " << grown
              << " KiB\n";
    EXPECT_LT(longest, testing_support::kFrozenMs);
    EXPECT_LT(grown, 32 * 1024);
    QTest::qWait(20);
    const bool ticked = window->cbScale(1)->Value();
    Click(*window->cbScale(1));  // and a tick by hand still counts
    EXPECT_NE(window->cbScale(1)->Value(), ticked);
}

// A JACK server of this test's own, with the dummy driver: no sound card.
class JackServer {
  public:
    JackServer() : name_(QString("orvel-test-%1").arg(QCoreApplication::applicationPid())) {
        qputenv("JACK_DEFAULT_SERVER", name_.toUtf8());
        server_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server_.start("jackd",
                      {"-n", name_, "--no-realtime", "-d", "dummy", "-r", "48000", "-p", "256"});
        ready_ = server_.waitForStarted(5000) &&
                 QProcess::execute("jack_wait", {"--wait", "--timeout", "10"}) == 0;
    }
    ~JackServer() { Stop(); }
    bool Ready() const { return ready_; }
    void Stop() {
        server_.terminate();
        server_.waitForFinished(5000);
    }

  private:
    QString name_;
    QProcess server_;
    bool ready_ = false;
};

TEST_F(MidiWindow, AChordSentThroughJackTicksTheWindowAndALostServerIsSaid) {
    JackServer jack;
    ASSERT_TRUE(jack.Ready()) << "jackd with the dummy driver did not start";
    MidiKeyboard keyboard(LoadMidiInput, nullptr);
    window = nullptr;
    window = std::make_unique<wdwMain>(wdwMain::Services{
        [] {
            std::istringstream stream("Title\nBank,Scale,1,b2,2,b3,3,4,b5,5,b6,6,b7,7\n" +
                                      CatalogueLine("Chords", "Major Triad", {0, 4, 7}) + "\n");
            return ParseCatalogue(stream, "test catalogue", std::cerr);
        },
        [this](QWidget*, const QString& message, const QString&) {
            messages.push_back(message.toStdString());
        },
        playback.get(), &keyboard, "test catalogue"});
    window->Open();
    keyboard.Start();
    ASSERT_EQ(keyboard.State(), MidiInput::State::Listening);
    EXPECT_EQ(keyboard.SystemName(), "JACK");
    QSignalSpy refills(window->lbContaining()->model(), &QAbstractItemModel::modelReset);

    QProcess sender;
    sender.start(ORVEL_MIDI_SENDER, {"90 3C 64", "90 40 64", "90 43 64"});  // C4 E4 G4
    ASSERT_TRUE(QTest::qWaitFor([&] { return sender.state() == QProcess::NotRunning; }, 10000));
    EXPECT_EQ(sender.exitCode(), 0) << sender.readAllStandardError().toStdString();
    ASSERT_TRUE(QTest::qWaitFor([&] { return Ticked() == std::vector<int>{0, 4, 7}; }, 3000));
    EXPECT_GE(refills.count(), 1);
    EXPECT_EQ(window->lbExact()->Cell(0, 1), "Major Triad");

    QSignalSpy lost(&keyboard, &MidiKeyboard::inputLost);
    jack.Stop();
    ASSERT_TRUE(lost.wait(3 * MidiKeyboard::kRefreshMilliseconds));
    const QList<QAction*> entries = MidiMenu();
    ASSERT_EQ(entries.size(), 1);
    EXPECT_EQ(entries[0]->text(), "MIDI input lost: the JACK system went away");
    Click(*window->cbScale(4));  // the window goes on
    EXPECT_EQ(Ticked(), (std::vector<int>{0, 7}));
    window = nullptr;
}

}  // namespace
}  // namespace orvel
