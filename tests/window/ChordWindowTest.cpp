// SPDX-License-Identifier: GPL-3.0-or-later
// The Tools windows as a user meets them: opened from the Tools menu, typed
// into, and their answers sent on to the main window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QRadioButton>
#include <QTest>

#include "MainWindowFixture.h"
#include "support/Glyphs.h"

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
        window->ToolsChords()->trigger();
        chords = window->Chords();
        ASSERT_NE(chords, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(chords));
    }

    void Type(const QString& text) {
        QTest::keyClicks(&chords->Line(), text);
        ASSERT_TRUE(QTest::qWaitFor([&] { return chords->Read().items.size() > 0; }, 2000));
    }

    static QStringList Column(const QTableWidget& table, int column) {
        QStringList cells;
        for (int row = 0; row < table.rowCount(); ++row) {
            cells << table.item(row, column)->text();
        }
        return cells;
    }

    wdwChords* chords = nullptr;
};

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
    QTableWidget& fits = chords->Fits();
    ASSERT_EQ(fits.item(0, 2)->text(), "D\u266D");
    const QImage cell = fits.viewport()->grab(fits.visualItemRect(fits.item(0, 2))).toImage();
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
    EXPECT_EQ(chords->ChordScaleList().rowCount(), 0) << "notes have no chord-scales";
}

TEST_F(ChordWindow, ShowInMainWindowAndDetailsGoThroughTheMainWindow) {
    Type("G7 C");
    QTableWidget& fits = chords->Fits();
    ASSERT_GT(fits.rowCount(), 0);
    fits.setFocus();
    ASSERT_EQ(fits.item(1, 1)->text(), "Mixolydian");
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
    ASSERT_NE(window->Details(), nullptr);
    EXPECT_TRUE(window->Details()->isVisible());
    EXPECT_EQ(window->Details()->NotesText(), "G A B C D E F");
}

class FindScaleWindow : public MainWindowFixture {};

TEST_F(FindScaleWindow, APartOfANameFindsTheScaleWithItsAliases) {
    MakeWindow({CatalogueLine("Pentatonic", "Hirajoshi", {0, 2, 3, 7, 8}),
                CatalogueLine("Pentatonic", "Kata-kumoi", {0, 2, 3, 7, 8}),
                CatalogueLine("Pentatonic", "Iwato", {0, 1, 5, 6, 10}),
                CatalogueLine("Exotic", "Japanese Hira", {0, 2, 3, 7, 8})});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->ToolsFindScale()->trigger();
    wdwFindScale& find = *window->FindScale();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&find));
    QTest::keyClicks(&find.Line(), "HIRA");
    QTableWidget& found = find.Found();
    ASSERT_EQ(found.rowCount(), 2);
    EXPECT_EQ(found.item(0, 1)->text(), "Hirajoshi");
    EXPECT_EQ(found.item(0, 2)->text(), "Kata-kumoi") << "the same set in the same bank";
    EXPECT_EQ(found.item(1, 1)->text(), "Japanese Hira");
    EXPECT_EQ(found.item(1, 2)->text(), "") << "another bank is no alias";

    Click(*window->cbScale(0));      // C, in the main window
    find.Root().setCurrentIndex(0);  // A
    QTest::keyClick(&find.Line(), Qt::Key_Return);
    ASSERT_NE(window->Details(), nullptr);
    EXPECT_EQ(window->Details()->NotesText(), "A B C E F") << "Hirajoshi from A";
    EXPECT_EQ(window->Details()->BeyondText(), "A B E F") << "against the main window's ticks";

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
