// SPDX-License-Identifier: GPL-3.0-or-later
// The melody window as a user meets it: opened from the Tools menu, a file
// dropped on it or a phrase played in, a section clicked, and its answers
// sent on to the main window and the details window.

#include <gtest/gtest.h>

#include <QTest>

#include "MainWindowFixture.h"
#include "support/EventLoopGaps.h"
#include "support/MidiFileWriter.h"
#include "support/Pixels.h"
#include "support/TempFolder.h"
#include "support/Tunes.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::TuneOf;

// Eight bars in B♭ major on a first track, then eight in F major on a second.
constexpr const char* kInBFlat =
    "Bb3 D4 F4 D4 | Eb4 C4 A3 C4 | Bb3 D4 F4 Bb4 | G4 Eb4 C4 Eb4 | D4 Bb3 F4 D4 | Eb4 G4 C4 A3 | "
    "C4 Eb4 F4 A3 | Bb3/4";
constexpr const char* kInF =
    "F4 A4 C5 A4 | Bb4 G4 E4 G4 | F4 A4 C5 F5 | D5 Bb4 G4 Bb4 | A4 F4 C5 A4 | Bb4 D5 G4 E4 | G4 "
    "Bb4 C5 E4 | F4/4";

class MelodyWindow : public testing_support::MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Major Modes", "Major", {0, 2, 4, 5, 7, 9, 11}),
                    CatalogueLine("Major Modes", "Dorian", {0, 2, 3, 5, 7, 9, 10}),
                    CatalogueLine("Pentatonic", "Major Pentatonic", {0, 2, 4, 7, 9})});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        MainMenuBar::Instance().tools.melody->trigger();
        melody = tools->MelodyWindow();
        ASSERT_NE(melody, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(melody));
    }

    std::filesystem::path WriteTune() {
        Melody second = TuneOf(kInF);
        for (MelodyNote& note : second.notes) {
            note.start += 32;
        }
        const testing_support::Bytes file = testing_support::MidiFile(
            {testing_support::NoteTrack(TuneOf(kInBFlat)), testing_support::NoteTrack(second, 1)});
        return folder.Write("two keys.mid", std::string(file.begin(), file.end()));
    }

    void Drop(const std::filesystem::path& file) {
        ASSERT_TRUE(DropOn(*melody, file));
        ASSERT_TRUE(QTest::qWaitFor([&] { return !melody->Reading(); }, 5000));
    }

    static QString Cell(const QTableView& table, int row, int column) {
        return table.model()->index(row, column).data().toString();
    }

    void ClickSection(int row) {
        QListWidget& sections = melody->Sections();
        QTest::mouseClick(sections.viewport(), Qt::LeftButton, {},
                          sections.visualItemRect(sections.item(row)).center());
    }

    testing_support::TempFolder folder;
    wdwMelody* melody = nullptr;
};

TEST_F(MelodyWindow, ADroppedFileFillsItAndASectionClickedChangesTheAnswer) {
    Drop(WriteTune());
    EXPECT_EQ(melody->Source().text(), "two keys.mid");
    ASSERT_EQ(melody->Parts().count(), 2);
    EXPECT_EQ(melody->Parts().item(1)->text(), "Track 2 (29 notes)");
    EXPECT_EQ(melody->KeyLabel().PlainText(), "Key: B\u266D major");
    ASSERT_EQ(melody->Sections().count(), 3);
    EXPECT_EQ(melody->Sections().item(0)->text(), "Whole Piece");
    EXPECT_EQ(melody->Sections().item(1)->text(), "Bars 1\u20138: B\u266D major");
    EXPECT_EQ(melody->Sections().item(2)->text(), "Bars 9\u201316: F major");
    EXPECT_EQ(Cell(melody->BestFits(), 0, 0), "B\u266D Major");

    ClickSection(2);
    EXPECT_EQ(melody->KeyLabel().PlainText(), "Bars 9\u201316, key: F major");
    EXPECT_EQ(Cell(melody->BestFits(), 0, 0), "F Major");
    EXPECT_EQ(Cell(melody->BestFits(), 0, 1), "F G A B\u266D C D E");
    EXPECT_FALSE(melody->Answer().kept.Has(PitchClass(3))) << "no E flat in bars 9 to 16";
    ClickSection(0);
    EXPECT_EQ(melody->KeyLabel().PlainText(), "Key: B\u266D major");

    // The second track alone is in F.
    melody->Parts().item(0)->setCheckState(Qt::Unchecked);
    EXPECT_EQ(melody->KeyLabel().PlainText(), "Key: F major");
}

TEST_F(MelodyWindow, TheProfileDrawsKeptNotesGreenOverTheirKeys) {
    Drop(WriteTune());
    melody->Threshold().setValue(10);
    ProfileBars& profile = melody->Profile();
    const QImage image = profile.grab().toImage();
    const auto colourAt = [&](int c) {
        const QRect bar = profile.BarRect(c);
        return image.pixelColor(bar.center().x(), bar.bottom() - 1);
    };
    EXPECT_EQ(colourAt(10), ProfileBars::kKept) << "B flat, the tonic";
    EXPECT_EQ(colourAt(4), ProfileBars::kLeftOut) << "E, only in bars 9 to 16";
    EXPECT_GT(profile.BarRect(10).height(), profile.BarRect(4).height());
    EXPECT_TRUE(profile.BarRect(1).isEmpty()) << "no C sharp";
    const QColor blackKey = image.pixelColor(profile.KeyRect(10).topLeft() + QPoint(3, 3));
    const QColor whiteKey = image.pixelColor(profile.KeyRect(11).topLeft() + QPoint(3, 3));
    EXPECT_LT(blackKey.lightness(), 80);
    EXPECT_GT(whiteKey.lightness(), 200);
    EXPECT_GT(profile.ThresholdY(), profile.BarRect(10).top());
}

TEST_F(MelodyWindow, ShowInMainWindowTicksTheKeptNotesOnTheTonic) {
    Drop(WriteTune());
    ClickSection(2);
    QTest::mouseClick(&melody->ShowInMainButton(), Qt::LeftButton);
    const Ticks ticks = window->CurrentTicks();
    EXPECT_EQ(ticks.chosenRoot, PitchClass(5));
    EXPECT_EQ(ticks.notes, melody->Answer().kept);
    EXPECT_TRUE(ticks.notes.Has(PitchClass(4)));
}

TEST_F(MelodyWindow, ADoubleClickedFitOpensItsDetails) {
    Drop(WriteTune());
    QTableView& best = melody->BestFits();
    const QPoint first = best.visualRect(best.model()->index(0, 0)).center();
    QTest::mouseClick(best.viewport(), Qt::LeftButton, {}, first);
    QTest::mouseDClick(best.viewport(), Qt::LeftButton, {}, first);
    ASSERT_NE(tools->Details(), nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools->Details()));
    EXPECT_EQ(tools->Details()->NotesText(), "B\u266D C D E\u266D F G A");
}

TEST_F(MelodyWindow, AFileThatCannotBeReadIsSaidAndTheTuneShownStays) {
    Drop(WriteTune());
    Drop(folder.Write("broken.mid", std::string_view("MThd\0\0\0\6\0\1\0\1", 12)));
    EXPECT_TRUE(melody->Status().text().startsWith("Cannot read broken.mid: "))
        << melody->Status().text().toStdString();
    EXPECT_EQ(melody->Source().text(), "two keys.mid");
    EXPECT_EQ(melody->KeyLabel().PlainText(), "Key: B\u266D major");
}

TEST_F(MelodyWindow, APhrasePlayedInIsRecordedUntilStop) {
    midi->Start();
    ASSERT_NE(midiInput, nullptr);
    QTest::mouseClick(&melody->RecordButton(), Qt::LeftButton);
    EXPECT_EQ(melody->RecordButton().text(), "&Stop");
    // E minor: E G B A G F# E, each note held a little.
    for (const unsigned char key : {64, 67, 71, 69, 67, 66, 64}) {
        midiInput->Play({0x90, key, 80});
        QTest::qWait(20);
        midiInput->Play({0x80, key, 0});
    }
    midiInput->Play({0x90, 52, 80});  // the last, held down at Stop
    QTest::qWait(60);
    QTest::mouseClick(&melody->RecordButton(), Qt::LeftButton);
    EXPECT_EQ(melody->Source().text(), "Played phrase");
    EXPECT_EQ(melody->KeyLabel().PlainText(), "Key: E minor");
    EXPECT_EQ(melody->Parts().item(0)->text(), "Played (8 notes)");
}

TEST_F(MelodyWindow, ReadingALongFileLeavesTheWindowAnswering) {
    Melody longTune;
    longTune.parts.push_back({"Long", 0});
    for (int i = 0; i < 200'000; ++i) {
        MelodyNote note;
        note.midiKey = 60 + (i * 7) % 12;
        note.start = i * 0.25;
        note.length = 0.25;
        longTune.notes.push_back(note);
    }
    const testing_support::Bytes file =
        testing_support::MidiFile({testing_support::NoteTrack(longTune)});
    const auto path = folder.Write("long.mid", std::string(file.begin(), file.end()));
    testing_support::EventLoopGaps gaps;
    melody->Open(QString::fromStdString(path.string()));
    EXPECT_TRUE(melody->Busy().isVisible() || !melody->Reading());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !melody->Reading(); }, 20000));
    gaps.Stop();
    std::cout << "reading a 200,000-note file: longest event-loop gap " << gaps.Longest()
              << " ms\n";
    EXPECT_LT(gaps.Longest(), testing_support::kFrozenMs);
    EXPECT_FALSE(melody->Busy().isVisible());
    EXPECT_EQ(melody->Source().text(), "long.mid");
}

}  // namespace
}  // namespace orvel
