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
        MainMenuBar::Instance().tools.fretboard->trigger();
        ASSERT_NE(tools->Fretboard(), nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(tools->Fretboard()));
    }

    Fretboard& Board() const { return tools->Fretboard()->Board(); }

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
    tools->Fretboard()->Panel().LabelChoice().setCurrentIndex(2);  // no labels
    for (const bool leftHanded : {false, true}) {
        SCOPED_TRACE(leftHanded ? "left-handed" : "right-handed");
        tools->Fretboard()->Panel().LeftHanded().setChecked(leftHanded);
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

std::vector<int> Ticked(const wdwMain& window) {
    std::vector<int> ticked;
    for (int i = 0; i < 12; ++i) {
        if (window.cbScale(i)->Value()) {
            ticked.push_back(i);
        }
    }
    return ticked;
}

TEST_F(FretboardWindow, ChordShapesTickExactlyTheirNotesWhateverTheRoot) {
    const auto clickAt = [&](int string, int fret) {
        QTest::mouseClick(&Board(), Qt::LeftButton, {}, Board().PlaceRect(string, fret).center());
    };
    const struct {
        const char* name;
        int rootIndex;                           // of the main window's popup
        std::vector<std::pair<int, int>> shape;  // string, fret
        std::vector<int> ticked;                 // positions above the root
    } shapes[] = {
        {"open C under C", 3, {{5, 3}, {4, 2}, {3, 0}, {2, 1}, {1, 0}}, {0, 4, 7}},
        {"open G under G", 10, {{6, 3}, {5, 2}, {4, 0}, {3, 0}, {2, 0}, {1, 3}}, {0, 4, 7}},
        {"open D under A", 0, {{4, 0}, {3, 2}, {2, 3}, {1, 2}}, {0, 5, 9}},
    };
    for (const auto& chord : shapes) {
        SCOPED_TRACE(chord.name);
        window->TickNotes({});
        ChooseRoot(chord.rootIndex);
        for (const auto& [string, fret] : chord.shape) {
            clickAt(string, fret);
        }
        EXPECT_EQ(Ticked(*window), chord.ticked);
        EXPECT_EQ(Board().Marked().size(), chord.shape.size()) << "every place stays played";
    }
    // Letting go of one of two places of a note keeps it; of both, drops it.
    window->TickNotes({});
    ChooseRoot(3);
    for (const auto& [string, fret] : {std::pair{5, 3}, {4, 2}, {3, 0}, {2, 1}}) {
        clickAt(string, fret);
    }
    clickAt(2, 1);
    EXPECT_EQ(Ticked(*window), (std::vector<int>{0, 4, 7})) << "C still played on string 5";
    clickAt(5, 3);
    EXPECT_EQ(Ticked(*window), (std::vector<int>{4, 7}));
    // An untick by hand lets go of that note's places; another instrument
    // of all of them.
    Click(*window->cbScale(4));
    EXPECT_EQ(Board().Marked().size(), 1u) << "only the open G";
    tools->Fretboard()->Panel().Instrument().setCurrentIndex(9);  // bass
    EXPECT_TRUE(Board().Marked().empty());
    tools->Fretboard()->Panel().Instrument().setCurrentIndex(0);

    tools->Fretboard()->Panel().LeftHanded().setChecked(true);
    EXPECT_NE(tools->Fretboard()->Hint().indexOf("right of the nut"), -1);
    ChooseRoot(5);  // root D: D is the first box
    clickAt(1, 5);  // E4 up five: A, on the mirrored neck
    EXPECT_TRUE(window->cbScale(7)->Value());
    EXPECT_GT(Board().PlaceRect(1, 5).center().x(), Board().PlaceRect(1, 6).center().x());
    EXPECT_EQ(Board().PlaceAt(Board().PlaceRect(4, 9).center())->key, 50 + 9);
}

TEST_F(FretboardWindow, ShowsTheTicksFromTheChosenRootAndLightsTheOctaveThatSounds) {
    ChooseRoot(5);                          // D
    for (const int position : {0, 4, 7}) {  // D F# A
        Click(*window->cbScale(position));
    }
    for (int note = 0; note < 12; ++note) {
        EXPECT_EQ(Board().IsMarked(PitchClass(note)), note == 2 || note == 6 || note == 9) << note;
    }
    Board().SetSounding({72});  // C5
    EXPECT_TRUE(Board().IsLit(1, 8));
    EXPECT_FALSE(Board().IsLit(2, 1)) << "C4 is not sounding";

    // Focus on the sixth string, then a four-string bass: the focus moves
    // onto a string it has.
    Board().setFocus();
    for (int step = 0; step < 5; ++step) {
        QTest::keyClick(&Board(), Qt::Key_Down);
    }
    ASSERT_EQ(Board().Focus().string, 6);
    tools->Fretboard()->Panel().Instrument().setCurrentIndex(9);  // bass
    ASSERT_EQ(Board().CurrentTuning().StringCount(), 4);
    EXPECT_EQ(Board().Focus().string, 4);
}

TEST_F(FretboardWindow, StringsAreNamedAsTunedWhateverTheScaleOrNone) {
    const auto nameOf = [&](int string) {
        return Board().grab(Board().NameRect(string)).toImage();
    };
    const auto inked = [](const QImage& image) {
        return testing_support::CountPixels(image, image.rect(), [&](QColor pixel) {
            return ContrastRatio(pixel, image.pixelColor(0, 0)) > 3;
        });
    };
    for (int string = 1; string <= 6; ++string) {
        EXPECT_GT(inked(nameOf(string)), 10) << "an empty neck names string " << string;
    }
    SelectFromCEG("Major");
    EXPECT_EQ(nameOf(1), nameOf(6)) << "both E strings read alike";
    EXPECT_NE(nameOf(1), nameOf(2)) << "E is not B";
}

TEST_F(FretboardWindow, TheRootMarkIsTheRowsRoot) {
    window->cbOther()->SetValue(true);
    SelectFromCEG("Major");
    const std::vector<std::vector<QString>> rows = RowsOf(*window->lbContaining());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row][1] == "Major" && rows[row][2] == "G") {
            ClickRow(*window->lbContaining(), static_cast<int>(row));
        }
    }
    const QImage neck = Board().grab().toImage();
    const auto colourOf = [&](int string, int fret) {
        const QRect mark = Board().MarkRect(string, fret);
        return neck.pixelColor(mark.left() + 4, mark.center().y());
    };
    EXPECT_EQ(colourOf(3, 0), Fretboard::kRootMark) << "G, the open third string";
    EXPECT_EQ(colourOf(2, 1), Fretboard::kScaleMark) << "C is no root in G major";
}

TEST_F(FretboardWindow, FollowsTheSelectedRowFromItsOwnRootAndTheKeyboard) {
    window->cbOther()->SetValue(true);
    SelectFromCEG("Major");
    ASSERT_TRUE(Board().IsMarked(PitchClass(11))) << "the first Major row is C's";
    // The row found under G: F♯, not F.
    const std::vector<std::vector<QString>> rows = RowsOf(*window->lbContaining());
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row][1] == "Major" && rows[row][2] == "G") {
            ClickRow(*window->lbContaining(), static_cast<int>(row));
        }
    }
    EXPECT_TRUE(Board().IsMarked(PitchClass(6)));
    EXPECT_FALSE(Board().IsMarked(PitchClass(5)));
    EXPECT_NE(tools->Fretboard()->Showing().indexOf("root G"), -1);
    EXPECT_EQ(Board().MarkLabel(PitchClass(6)), "F\u266F");
    tools->Fretboard()->Panel().LabelChoice().setCurrentIndex(1);
    EXPECT_EQ(Board().MarkLabel(PitchClass(6)), "7");
    EXPECT_EQ(Board().MarkLabel(PitchClass(7)), "1");

    Click(*window->cbScale(7));  // G off by hand: the selection goes, the ticks show
    EXPECT_TRUE(Board().IsMarked(PitchClass(4)));
    EXPECT_FALSE(Board().IsMarked(PitchClass(7)));
    EXPECT_FALSE(Board().IsMarked(PitchClass(6)));

    QApplication::setActiveWindow(tools->Fretboard());
    Board().setFocus();
    for (int step = 0; step < 3; ++step) {
        QTest::keyClick(&Board(), Qt::Key_Right);
    }
    QTest::keyClick(&Board(), Qt::Key_Down);
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 3, D");
    QTest::keyClick(&Board(), Qt::Key_Space);
    EXPECT_TRUE(window->cbScale(2)->Value());
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 3, D, played, ticked");
    QTest::keyClick(&Board(), Qt::Key_Left);
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 2, C# / Db") << "not in the notes";
    QTest::keyClick(&Board(), Qt::Key_Left);
    EXPECT_EQ(Board().accessibleDescription(), "String 2, fret 1, C, ticked");
}

TEST_F(FretboardWindow, TheDetailsNeckKeepsItsChoicesFromRowToRow) {
    SelectFromCEG("Major");
    window->ShowDetails(*window->lbContaining());
    FretboardPanel& neck = tools->Details()->Neck();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(tools->Details()));
    EXPECT_EQ(neck.Board().MarkLabel(PitchClass(11)), "B");
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
    neck.Instrument().setCurrentIndex(1);  // a preset after the refusal
    EXPECT_EQ(neck.TuningError(), "");
    neck.Instrument().setCurrentIndex(static_cast<int>(TuningPresets().size()));
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
    EXPECT_FALSE(neck.Board().IsMarked(PitchClass(2))) << "the Major Triad now: no D";
}

}  // namespace
}  // namespace orvel
