// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools windows as a user meets them: opened from the Tools menu, typed
// into, and their answers sent on to the main window.

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>
#include <QApplication>
#include <QClipboard>
#include <QRadioButton>
#include <QTest>
#include <fstream>

#include "MainWindowFixture.h"
#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicXml.h"
#include "support/Glyphs.h"
#include "support/TempFolder.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;

class ChordWindow : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Diatonic", "Major", {0, 2, 4, 5, 7, 9, 11}),
                    CatalogueLine("Diatonic", "Mixolydian", {0, 2, 4, 5, 7, 9, 10}),
                    CatalogueLine("Chords", "Major Triad", {0, 4, 7})});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        MainMenuBar::Instance().tools.chords->trigger();
        chords = tools->Chords();
        ASSERT_NE(chords, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chords));
    }

    void Type(const QString& text) {
        QTest::keyClicks(&chords->Line(), text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return chords->Read().items.size() > 0; }, 2000));
    }

    wdwChords* chords = nullptr;
};

QString Cell(const QTableView& table, int row, int column) {
    return table.model()->index(row, column).data().toString();
}

QStringList Column(const QTableView& table, int column) {
    QStringList cells;
    for (int row = 0; row < table.model()->rowCount(); ++row) {
        cells << Cell(table, row, column);
    }
    return cells;
}

TEST_F(ChordWindow, TypingRanksTheScalesAndMarksWhatCannotBeRead) {
    Type("Dm7 G7 Cmaj8 Cmaj7");
    EXPECT_EQ(Column(chords->Fits(), 1), (QStringList{"Major", "Mixolydian"}));
    EXPECT_EQ(Column(chords->Fits(), 2), (QStringList{"C", "G"}));
    EXPECT_EQ(chords->ChordList().count(), 4);
    const QListWidgetItem& bad = *chords->ChordList().item(2);
    EXPECT_TRUE(bad.text().contains("cannot read \"8\"")) << bad.text().toStdString();
    EXPECT_FALSE(bad.flags() & Qt::ItemIsSelectable);
    EXPECT_NE(bad.foreground().color(), chords->ChordList().item(0)->foreground().color());
    EXPECT_EQ(Column(chords->Nearly(), 3).first(), "B") << "C Mixolydian misses the B";

    chords->ChordList().setCurrentRow(1);  // G7
    EXPECT_EQ(Column(chords->ChordScaleList(), 1), (QStringList{"Mixolydian"}));
    EXPECT_EQ(Column(chords->ChordScaleList(), 3), (QStringList{"A C E"}));
    EXPECT_EQ(Column(chords->ChordScaleList(), 4), (QStringList{"yes"}));
}

TEST_F(ChordWindow, FlatsInTheTablesReadLikeTheLetters) {
    Type("Bbm7");
    QTableView& fits = chords->Fits();
    ASSERT_EQ(Cell(fits, 0, 2), "D\u266D");
    const QImage cell = fits.viewport()->grab(fits.visualRect(fits.model()->index(0, 2))).toImage();
    testing_support::ExpectSignsReadLikeLetters(
        testing_support::GlyphsOf(cell, cell.pixelColor(0, 0).lightness()), 2, {1}, "D\u266D");
}

TEST_F(ChordWindow, NotesAreOneSetAndNeverChords) {
    Type("C F G");
    // The I, IV and V chords: C E G, F A C, G B D, all of C major.
    EXPECT_EQ(Column(chords->Fits(), 1), (QStringList{"Major", "Mixolydian"}));
    for (QRadioButton* button : chords->findChildren<QRadioButton*>()) {
        if (button->text() == "&Notes") {
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    // Three notes: every major and Mixolydian scale that holds C, F and G.
    EXPECT_EQ(Column(chords->Fits(), 2), (QStringList{"C", "E\u266D", "F", "A\u266D", "B\u266D",
                                                      "C", "E\u266D", "F", "G", "B\u266D"}));
    EXPECT_EQ(chords->ChordScaleList().model()->rowCount(), 0) << "notes have no chord-scales";
}

TEST_F(ChordWindow, ShowInMainWindowAndDetailsGoThroughTheMainWindow) {
    Type("G7 C");
    QTableView& fits = chords->Fits();
    ASSERT_GT(fits.model()->rowCount(), 0);
    fits.setFocus();
    ASSERT_EQ(Cell(fits, 1, 1), "Mixolydian");
    fits.selectRow(1);
    QPushButton* show = nullptr;
    for (QPushButton* button : chords->findChildren<QPushButton*>()) {
        show = button->text() == "&Show in Main Window" ? button : show;
    }
    ASSERT_NE(show, nullptr);
    ASSERT_TRUE(show->isEnabled());
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(window->cbScale(0)->Caption(), "G") << "the scale's root";
    std::vector<int> ticked;
    for (int i = 0; i < 12; ++i) {
        if (window->cbScale(i)->Value()) {
            ticked.push_back(i);
        }
    }
    // G B D F and C E G, from the root G: G B C D E F.
    EXPECT_EQ(ticked, (std::vector<int>{0, 4, 5, 7, 9, 10}));

    QTest::keyClick(&fits, Qt::Key_Return);
    ASSERT_NE(tools->Details(), nullptr);
    EXPECT_TRUE(tools->Details()->isVisible());
    EXPECT_EQ(tools->Details()->NotesText(), "G A B C D E F");
}

TEST_F(ChordWindow, RetypingKeepsTheChordAndALaterChordShowsItsOwnScales) {
    Type("G7 C");
    chords->ChordList().setCurrentRow(0);  // G7
    QTest::keyClicks(&chords->Line(), " Am");
    chords->Refresh();
    EXPECT_EQ(chords->ChordList().currentRow(), 0) << "G7 still selected";
    EXPECT_TRUE(Column(chords->ChordScaleList(), 2).contains("G"));

    chords->Line().setPlainText("Cmaj8 D");
    chords->Refresh();
    chords->ChordList().setCurrentRow(1);  // D, after the unreadable chord
    ASSERT_GT(chords->ChordScaleList().model()->rowCount(), 0);
    for (const QString& root : Column(chords->ChordScaleList(), 2)) {
        EXPECT_EQ(root, "D");
    }
}

TEST_F(ChordWindow, APastedLeadSheetShowsItsKeyAndBestFitsFirst) {
    // Pasted as lead sheets are: several lines, bar lines, a repeated bar.
    const std::pair<QString, QString> sheets[] = {
        {"| Em7 | A7 |\n| % |\n| Dmaj7 |", "Key: D major"},
        {"| Bbmaj7 | Eb |\n| F7 | Bb |", "Key: B\u266D major"},
        {"| F#m | D | A | E |", "Key: F\u266F minor (or A major)"},
    };
    for (const auto& [sheet, key] : sheets) {
        QApplication::clipboard()->setText(sheet);
        chords->Line().selectAll();
        chords->Line().paste();
        chords->Refresh();
        EXPECT_EQ(chords->KeyLabel().PlainText().toStdString(), key.toStdString());
        EXPECT_TRUE(chords->KeyLabel().isVisible());
        ASSERT_TRUE(chords->BestFits().isVisible());
        ASSERT_GT(chords->BestFits().model()->rowCount(), 0);
    }
    EXPECT_EQ(Cell(chords->BestFits(), 0, 0).toStdString(), "A Major") << "F# minor's notes";
    EXPECT_EQ(Cell(chords->BestFits(), 0, 2).toStdString(), "none: holds every note");
    // The details open on the root as the key names it: F# major, not Gb.
    chords->Line().setPlainText("G#m7 C#7 F#maj7");
    chords->Refresh();
    chords->BestFits().setFocus();
    chords->BestFits().setCurrentIndex(chords->BestFits().model()->index(0, 0));
    QTest::keyClick(&chords->BestFits(), Qt::Key_Return);
    ASSERT_NE(tools->Details(), nullptr);
    EXPECT_EQ(tools->Details()->NotesText().toStdString(),
              "F\u266F G\u266F A\u266F B C\u266F D\u266F E\u266F");
    chords->Line().setPlainText("Dm7 G7 Cmaj7 A7");
    chords->Refresh();
    EXPECT_EQ(Cell(chords->BestFits(), 0, 0).toStdString(), "C Major");
    EXPECT_EQ(Cell(chords->BestFits(), 0, 2).toStdString(), "C\u266F of A7");
    chords->BestFits().setFocus();
    chords->BestFits().setCurrentIndex(chords->BestFits().model()->index(0, 0));
    QTest::keyClick(&chords->BestFits(), Qt::Key_Return);
    ASSERT_NE(tools->Details(), nullptr);
    EXPECT_EQ(tools->Details()->NotesText(), "C D E F G A B");
}

TEST(ToolTableModel, PassesTheModelTesterThroughResetsAndHasNoRowCap) {
    struct Numbered final : ListRows {
        std::size_t rows;
        explicit Numbered(std::size_t count) : rows(count) {}
        std::size_t RowCount() const override { return rows; }
        QString Cell(std::size_t row, int column) const override {
            return QString("%1.%2").arg(row).arg(column);
        }
    };
    TableModel model({"Bank", "Scale", "Root"}, nullptr);
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    for (const std::size_t rows : {0u, 3u, 5000u, 1u}) {
        model.SetRows(std::make_shared<Numbered>(rows));
        EXPECT_EQ(model.rowCount(), static_cast<int>(rows));
    }
    EXPECT_EQ(model.index(0, 2).data().toString(), "0.2");
    EXPECT_EQ(model.index(0, 2).data(Qt::ToolTipRole).toString(), "0.2");
    EXPECT_EQ(model.headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "Scale");
    model.SetRows(nullptr);
    EXPECT_EQ(model.rowCount(), 0);
}

class FindScaleWindow : public MainWindowFixture {};

TEST_F(FindScaleWindow, OpensOnTheMainRootAndListsEveryScaleWithNothingTyped) {
    std::vector<std::string> lines;
    for (int i = 0; i < 700; ++i) {
        lines.push_back(CatalogueLine("Bank", "Scale " + std::to_string(i), {0, i % 12}));
    }
    MakeWindow(lines);
    MainMenuBar::Instance().tools.findScale->trigger();
    wdwFindScale& find = *tools->FindScale();
    EXPECT_EQ(find.Root(), kC) << "the main window's root, before any tick";
    find.close();
    ChooseRoot(10);  // G
    MainMenuBar::Instance().tools.findScale->trigger();
    EXPECT_EQ(find.Root(), PitchClass(7)) << "the main window's root";
    EXPECT_EQ(find.Found().model()->rowCount(), 700) << "every scale, none held back";
    QTest::keyClicks(&find.Line(), "69 SCALE");
    const QStringList found = Column(find.Found(), 1);
    EXPECT_EQ(found.size(), 17) << "69, 169 ... 669 and 690 ... 699";
    EXPECT_EQ(found.first(), "Scale 69");
}

TEST_F(FindScaleWindow, APartOfANameFindsTheScaleWithItsAliases) {
    MakeWindow({CatalogueLine("Pentatonic", "Hirajoshi", {0, 2, 3, 7, 8}),
                CatalogueLine("Pentatonic", "Kata-kumoi", {0, 2, 3, 7, 8}),
                CatalogueLine("Pentatonic", "Iwato", {0, 1, 5, 6, 10}),
                CatalogueLine("Exotic", "Japanese Hira", {0, 2, 3, 7, 8})});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    MainMenuBar::Instance().tools.findScale->trigger();
    wdwFindScale& find = *tools->FindScale();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&find));
    QTest::keyClicks(&find.Line(), "HIRA");
    QTableView& found = find.Found();
    ASSERT_EQ(found.model()->rowCount(), 2);
    EXPECT_EQ(Cell(found, 0, 1), "Hirajoshi");
    EXPECT_EQ(Cell(found, 0, 2), "Kata-kumoi") << "the same set in the same bank";
    EXPECT_EQ(Cell(found, 1, 1), "Japanese Hira");
    EXPECT_EQ(Cell(found, 1, 2), "") << "another bank is no alias";

    Click(*window->cbScale(0));           // C, in the main window
    find.RootPopup().setCurrentIndex(0);  // A
    QTest::keyClick(&find.Line(), Qt::Key_Return);
    ASSERT_NE(tools->Details(), nullptr);
    EXPECT_EQ(tools->Details()->NotesText(), "A B C E F") << "Hirajoshi from A";
    EXPECT_EQ(tools->Details()->BeyondText(), "A B E F") << "against the main window's ticks";

    QPushButton* show = nullptr;
    for (QPushButton* button : find.findChildren<QPushButton*>()) {
        show = button->text() == "&Show in Main Window" ? button : show;
    }
    ASSERT_NE(show, nullptr);
    QTest::mouseClick(show, Qt::LeftButton);
    EXPECT_EQ(window->cbScale(0)->Caption(), "A");
    std::vector<int> ticked;
    for (int i = 0; i < 12; ++i) {
        if (window->cbScale(i)->Value()) {
            ticked.push_back(i);
        }
    }
    EXPECT_EQ(ticked, (std::vector<int>{0, 2, 3, 7, 8}));
}

}  // namespace
}  // namespace orvel

namespace orvel {
namespace {

TEST_F(ChordWindow, ExportWritesTheProgressionAndTheFirstBestFit) {
    testing_support::TempFolder folder;
    const auto path = [&](const char* name) {
        return QString::fromStdString((folder.Path() / name).string());
    };
    using Format = wdwChords::ExportFormat;
    EXPECT_EQ(chords->ExportTo(path("none.mid"), Format::ProgressionMidi),
              QString("There are no chords to export"));
    Type("| Bb7 | Eb7 | Bb7 F7 |");
    ASSERT_FALSE(chords->ExportTo(path("p.mid"), Format::ProgressionMidi).has_value());
    ASSERT_FALSE(chords->ExportTo(path("b.musicxml"), Format::BestFitMusicXml).has_value());
    const auto read = [&](const char* name) {
        std::ifstream in(folder.Path() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    const std::string midi = read("p.mid");
    const Melody clip = ReadMidiFile(std::vector<std::uint8_t>(midi.begin(), midi.end()));
    ASSERT_EQ(clip.notes.size(), 16u);
    EXPECT_EQ(clip.notes.front().midiKey, 58) << "B♭3";
    EXPECT_DOUBLE_EQ(clip.notes[4].start, 4) << "E♭7 in bar 2";
    EXPECT_DOUBLE_EQ(clip.notes[12].length, 2) << "F7 shares bar 3";
    const Melody best = ReadMusicXml(read("b.musicxml"));
    ASSERT_FALSE(best.notes.empty());
    EXPECT_EQ(best.notes.front().written->Ascii(), "Bb") << "the first best fit on B♭";
    const auto refused = chords->ExportTo(path("gone/b.mid"), Format::BestFitMidi);
    ASSERT_TRUE(refused.has_value());
    EXPECT_TRUE(refused->startsWith("Cannot write " + path("gone/b.mid") + ": there is no folder"));
}

}  // namespace
}  // namespace orvel
