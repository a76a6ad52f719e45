// SPDX-License-Identifier: GPL-3.0-or-later
// The fretboard as a player meets it: in its own window beside the main
// one, and in the details window.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <cmath>

#include "MainWindowFixture.h"
#include "matching/NoteNameTable.h"
#include "platform/Contrast.h"
#include "support/Pixels.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;

// A standard guitar's open strings, string 1 first.
constexpr int kGuitar[] = {64, 59, 55, 50, 45, 40};

class FretboardWindow : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Diatonic", "Major", {0, 2, 4, 5, 7, 9, 11}),
                    CatalogueLine("Chords", "Major Triad", {0, 4, 7})});
        QApplication::setActiveWindow(window.get());
        window->ToolsFretboard()->trigger();
        ASSERT_NE(window->FretboardWindow(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window->FretboardWindow()));
    }

    Fretboard& Board() const { return window->FretboardWindow()->Board(); }

    // Ticks C, E and G under the root C and selects the row of `scale`.
    void SelectFromCEG(const QString& scale) {
        for (const int position : {0, 4, 7}) {
            Click(*window->cbScale(position));
        }
        const std::vector<std::vector<QString>> rows = RowsOf(*window->lbContaining());
        for (std::size_t row = 0; row < rows.size(); ++row) {
            if (rows[row][1] == scale) {
                ClickRow(*window->lbContaining(), static_cast<int>(row));
            }
        }
    }
};

// The middles of the fret wires and of the nut along one line of a grabbed
// board, nut first, then up the neck: where the wires' and the nut's
// colours run.
std::vector<double> WiresAlong(const QImage& image, int y) {
    std::vector<double> wires;
    double nut = -1;  // the nut's edge that faces the neck
    double nutLeft = -1;
    for (int x = 0; x < image.width();) {
        const QColor pixel = image.pixelColor(x, y);
        const bool wire = pixel.red() > 180 && pixel.red() < 215 && pixel.blue() > 170;
        const bool isNut = pixel.red() > 225 && pixel.green() > 220 && pixel.blue() < 225;
        int end = x;
        while (end < image.width() && (wire || isNut) && image.pixelColor(end, y) == pixel) {
            ++end;
        }
        if (end > x) {
            if (isNut) {
                nutLeft = x;
                nut = end - 1;
            } else {
                wires.push_back((x + end - 1) / 2.0);
            }
            x = end;
        } else {
            ++x;
        }
    }
    // Only the wires on the neck's side of the nut: a grey background may
    // pass for one beside the open strings.
    const auto beyond =
        std::count_if(wires.begin(), wires.end(), [&](double x) { return x > nut; });
    const bool leftHanded = 2 * beyond < static_cast<long>(wires.size());
    std::erase_if(wires, [&](double x) { return (x > nut) == leftHanded; });
    if (leftHanded) {
        std::reverse(wires.begin(), wires.end());
        nut = nutLeft;
    }
    wires.insert(wires.begin(), nut);
    return wires;
}

TEST_F(FretboardWindow, MarksLieBetweenWiresSpacedByTheTwelfthRootOfTwo) {
    SelectFromCEG("Major");  // C major: the root C, and D E F G A B
    window->FretboardWindow()->Panel().LabelChoice().setCurrentIndex(2);  // no labels
    for (const bool leftHanded : {false, true}) {
        SCOPED_TRACE(leftHanded ? "left-handed" : "right-handed");
        window->FretboardWindow()->Panel().LeftHanded().setChecked(leftHanded);
        const QImage image = Board().grab().toImage();
        ASSERT_EQ(image.devicePixelRatio(), 1.0);
        const int y1 = Board().MarkRect(1, 0).center().y();
        const int y2 = Board().MarkRect(2, 0).center().y();
        const std::vector<double> wires = WiresAlong(image, (y1 + y2) / 2);
        ASSERT_EQ(wires.size(), 1u + kDefaultFrets);
        EXPECT_EQ(wires[1] < wires[0], leftHanded) << "the nut on the right, left-handed";
        const double length = std::abs(wires.back() - wires.front());
        for (int fret = 1; fret < kDefaultFrets; ++fret) {
            const double expected = (1 - std::pow(2.0, -fret / 12.0)) /
                                    (1 - std::pow(2.0, -kDefaultFrets / 12.0)) * length;
            EXPECT_NEAR(std::abs(wires[static_cast<std::size_t>(fret)] - wires.front()), expected,
                        1.5)
                << "wire " << fret;
        }
        const double outward = wires[1] > wires[0] ? -1 : 1;  // from the nut to the open strings
        for (int string = 1; string <= 6; ++string) {
            for (int fret = 0; fret <= kDefaultFrets; ++fret) {
                const auto f = static_cast<std::size_t>(fret);
                const double x =
                    fret == 0 ? wires[0] + outward * 18 : (wires[f - 1] + wires[f]) / 2;
                const QColor pixel =
                    image.pixelColor(static_cast<int>(x), Board().MarkRect(string, 0).center().y());
                const int pitchClass = (kGuitar[string - 1] + fret) % 12;
                const bool inScale = (0xAB5 >> pitchClass) & 1;  // C D E F G A B
                const QColor expected = pitchClass == 0 ? Fretboard::kRootMark
                                        : inScale       ? Fretboard::kScaleMark
                                                        : QColor();
                if (expected.isValid()) {
                    EXPECT_EQ(pixel, expected) << "string " << string << " fret " << fret;
                } else {
                    EXPECT_NE(pixel, Fretboard::kScaleMark)
                        << "string " << string << " fret " << fret;
                    EXPECT_NE(pixel, Fretboard::kRootMark)
                        << "string " << string << " fret " << fret;
                }
            }
        }
    }
}

TEST_F(FretboardWindow, ClickingAPlaceTogglesItsNoteInTheMainWindow) {
    const auto clickAt = [&](int string, int fret) {
        QTest::mouseClick(&Board(), Qt::LeftButton, {}, Board().PlaceRect(string, fret).center());
    };
    clickAt(2, 3);  // B3 up three: D
    EXPECT_TRUE(window->cbScale(2)->Value());
    clickAt(6, 0);  // the open low E, left of the nut
    EXPECT_TRUE(window->cbScale(4)->Value());
    EXPECT_EQ(RowsOf(*window->lbContaining()).size(), 1u) << "matched: C major holds D and E";
    clickAt(3, 7);  // G3 up seven: D again, another place
    EXPECT_FALSE(window->cbScale(2)->Value());
    EXPECT_TRUE(window->cbScale(4)->Value());

    window->FretboardWindow()->Panel().LeftHanded().setChecked(true);
    ChooseRoot(TableIndexOf(2));  // root D: D is the first box
    clickAt(1, 5);                // E4 up five: A, on the mirrored neck
    EXPECT_TRUE(window->cbScale(7)->Value());
    EXPECT_GT(Board().PlaceRect(1, 5).center().x(), Board().PlaceRect(1, 6).center().x());
    EXPECT_EQ(Board().PlaceAt(Board().PlaceRect(4, 9).center())->key, 50 + 9);
}

TEST_F(FretboardWindow, FollowsTheSelectedRowFromItsOwnRootAndTheKeyboard) {
    window->cbOther()->SetValue(true);
    SelectFromCEG("Major");
    ASSERT_TRUE(Board().IsMarked(11)) << "the first Major row is C's";
    // The row found under G: F♯, not F.
    const std::vector<std::vector<QString>> rows = RowsOf(*window->lbContaining());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row][1] == "Major" && rows[row][2] == "G") {
            ClickRow(*window->lbContaining(), static_cast<int>(row));
        }
    }
    EXPECT_TRUE(Board().IsMarked(6));
    EXPECT_FALSE(Board().IsMarked(5));
    EXPECT_NE(window->FretboardWindow()->Showing().indexOf("root G"), -1);
    EXPECT_EQ(Board().MarkLabel(6), "F\u266F");
    window->FretboardWindow()->Panel().LabelChoice().setCurrentIndex(1);
    EXPECT_EQ(Board().MarkLabel(6), "7");
    EXPECT_EQ(Board().MarkLabel(7), "1");

    Click(*window->cbScale(7));  // G off by hand: the selection goes, the ticks show
    EXPECT_TRUE(Board().IsMarked(4));
    EXPECT_FALSE(Board().IsMarked(7));
    EXPECT_FALSE(Board().IsMarked(6));

    QApplication::setActiveWindow(window->FretboardWindow());
    Board().setFocus();
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(&Board(), Qt::Key_Right);
    }
    QTest::keyClick(&Board(), Qt::Key_Down);
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 3, D");
    QTest::keyClick(&Board(), Qt::Key_Space);
    EXPECT_TRUE(window->cbScale(2)->Value());
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 3, D, ticked");
    QTest::keyClick(&Board(), Qt::Key_Left);
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 2, C# / Db") << "not in the notes";
    QTest::keyClick(&Board(), Qt::Key_Left);
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 1, C, ticked");
}

TEST_F(FretboardWindow, TheDetailsNeckKeepsItsChoicesFromRowToRow) {
    SelectFromCEG("Major");
    window->ShowDetails(*window->lbContaining());
    FretboardPanel& neck = window->Details()->Neck();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window->Details()));
    EXPECT_EQ(neck.Board().MarkLabel(11), "B");
    neck.Instrument().setCurrentIndex(static_cast<int>(TuningPresets().size()));  // Custom
    ASSERT_TRUE(neck.CustomTuning().isVisible());
    neck.CustomTuning().setText("D2 H2");
    emit neck.CustomTuning().editingFinished();
    EXPECT_NE(neck.TuningError().indexOf("\"H2\""), -1);
    for (QLabel* label : neck.findChildren<QLabel*>()) {
        if (label->text() == neck.TuningError()) {  // said in a red that reads
            QCoreApplication::processEvents();      // laid out, as shown
            const QImage said = label->grab().toImage();
            EXPECT_GT(testing_support::CountPixels(said, label->rect(),
                                                   [&](QColor pixel) {
                                                       return pixel.red() > pixel.green() + 100 &&
                                                              ContrastRatio(
                                                                  pixel, said.pixelColor(0, 0)) >=
                                                                  kReadableContrast;
                                                   }),
                      20);
        }
    }
    EXPECT_EQ(neck.Board().CurrentTuning().AsciiPitches(), "E2 A2 D3 G3 B3 E4")
        << "the neck stays as it was";
    neck.CustomTuning().setText("D2 A2 D3");
    emit neck.CustomTuning().editingFinished();
    EXPECT_EQ(neck.TuningError(), "");
    neck.FretCount().setValue(24);
    neck.LeftHanded().setChecked(true);

    ClickRow(*window->lbExact(), 0);
    window->ShowDetails(*window->lbExact());
    EXPECT_EQ(neck.Board().CurrentTuning().AsciiPitches(), "D2 A2 D3");
    EXPECT_EQ(neck.Board().Frets(), 24);
    EXPECT_TRUE(neck.Board().LeftHanded());
    EXPECT_FALSE(neck.Board().IsMarked(2)) << "the Major Triad now: no D";
}

}  // namespace
}  // namespace orvel
