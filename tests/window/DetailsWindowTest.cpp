// SPDX-License-Identifier: GPL-3.0-or-later
// The details window as a user meets it: what it says and draws for a row
// from its own root under the root the user chose, and what lights up as
// the scale sounds.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTest>
#include <fstream>
#include <tuple>

#include "MainWindowFixture.h"
#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicXml.h"
#include "platform/AccidentalsLabel.h"
#include "support/Glyphs.h"
#include "support/Pixels.h"
#include "support/TempFolder.h"
#include "window/MarkColours.h"
#include "window/PianoKeyboard.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::ExpectSignsReadLikeLetters;
using testing_support::GlyphsOf;
using testing_support::MainWindowFixture;

class DetailsWindow : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Modes", "Phrygian Dominant", {0, 1, 4, 5, 7, 8, 10}),
                    CatalogueLine("Modes", "Lydian", {0, 2, 4, 6, 7, 9, 11}),
                    CatalogueLine("Chords", "Diminished Seventh", {0, 3, 6, 9})});
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Ticks these boxes, then opens the containing row whose scale and root
    // cells are these.
    wdwDetails& Open(std::initializer_list<int> boxes, const QString& scale, const QString& root) {
        for (const int box : boxes) {
            Click(*window->cbScale(box));
        }
        ListBox& list = *window->lbContaining();
        for (std::size_t row = 0; row < list.RowCount(); ++row) {
            if (list.Cell(row, 1) == scale && list.Cell(row, 2) == root) {
                ClickRow(list, static_cast<int>(row));
                window->ShowDetails(list);
                break;
            }
        }
        EXPECT_NE(tools->Details(), nullptr)
            << scale.toStdString() << " from " << root.toStdString();
        return *tools->Details();
    }

    QColor KeyBody(PianoKeyboard& keys, int key) {
        const QImage image = keys.grab().toImage();
        return image.pixelColor((keys.KeyRect(key).center() - QPoint(0, 10)) *
                                image.devicePixelRatio());
    }
    QColor KeyDot(PianoKeyboard& keys, int key) {
        const QImage image = keys.grab().toImage();
        return image.pixelColor(keys.DotRect(key).center() * image.devicePixelRatio());
    }
};

TEST_F(DetailsWindow, SharpsAndFlatsReadAsTallAndAsDarkAsTheLetters) {
    wdwDetails& details = Open({0}, "Phrygian Dominant", "C");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&details));
    const auto notesLabel = [&] {
        for (QLabel* child : details.findChildren<QLabel*>()) {
            auto* label = dynamic_cast<AccidentalsLabel*>(child);
            if (label != nullptr && label->PlainText() == details.NotesText()) {
                return label;
            }
        }
        return static_cast<AccidentalsLabel*>(nullptr);
    };
    // Each sign against the letter it follows, in the notes and on the neck.
    for (const auto& [scale, text, signs] :
         {std::tuple{"Phrygian Dominant", QString("C D\u266D E F G A\u266D B\u266D"),
                     std::vector<int>{2, 7, 9}},
          std::tuple{"Lydian", QString("C D E F\u266F G A B"), std::vector<int>{4}},
          std::tuple{"Diminished Seventh", QString("C E\u266D G\u266D B\U0001D12B"),
                     std::vector<int>{2, 4, 6}}}) {
        Open({}, scale, "C");
        ASSERT_EQ(details.NotesText(), text);
        AccidentalsLabel* label = notesLabel();
        ASSERT_NE(label, nullptr);
        const QImage image = label->grab().toImage();
        ExpectSignsReadLikeLetters(
            GlyphsOf(image, image.pixelColor(0, 0).lightness()),
            static_cast<std::size_t>(QString(text).remove(' ').toUcs4().size()), signs,
            text.toStdString());
    }
    // D flat's mark on the neck, white on green: string 2, fret 2.
    Open({}, "Phrygian Dominant", "C");
    Fretboard& neck = details.Neck().Board();
    ASSERT_EQ(neck.MarkLabel(PitchClass(1)), "D\u266D");
    const QRect mark = neck.MarkRect(2, 2);
    const QImage strip =
        neck.grab(QRect(mark.left() + 3, mark.center().y() - 5, mark.width() - 6, 11)).toImage();
    ExpectSignsReadLikeLetters(GlyphsOf(strip, Fretboard::kScaleMark.lightness()), 2, {1},
                               "D\u266D on the neck");
}

TEST_F(DetailsWindow, EveryLineShowsWholeInAStyleThatKeepsFieldsNarrow) {
    const QString before = QApplication::style()->name();
    QApplication::setStyle("Adwaita-Dark");
    ASSERT_EQ(QApplication::style()->name().toLower(), "adwaita-dark") << "adwaita-qt6 installed";
    wdwDetails& details = Open({0}, "Phrygian Dominant", "C");
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&details));
    int lines = 0;
    for (const QLabel* child : details.findChildren<QLabel*>()) {
        const auto* label = dynamic_cast<const AccidentalsLabel*>(child);
        if (label != nullptr && label->isVisible() && !label->PlainText().isEmpty()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()))
                << label->PlainText().toStdString();
            ++lines;
        }
    }
    EXPECT_GE(lines, 5) << "title, notes, intervals, triads, beyond";
    QApplication::setStyle(before);
}

TEST_F(DetailsWindow, PlaySaysStopAndLightsEachKeyAndPlaceAsItSounds) {
    wdwDetails& details = Open({0}, "Phrygian Dominant", "C");
    PianoKeyboard& keys = details.Keyboard();
    Fretboard& neck = details.Neck().Board();
    auto* play = details.findChild<QPushButton*>();
    ASSERT_NE(play, nullptr);
    ASSERT_EQ(play->text(), "&Play");
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(play->text(), "Sto&p");
    // The run starts at middle C: the first key, and the neck's C4s.
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.IsLit(0); }, 2000));
    EXPECT_EQ(KeyBody(keys, 0), PianoKeyboard::kSounding);
    EXPECT_EQ(KeyBody(keys, 1), PianoKeyboard::kScaleBlack) << "Db is yet to sound";
    const auto litPlaces = [&] {
        std::vector<int> lit;
        for (int string = 1; string <= neck.CurrentTuning().StringCount(); ++string) {
            for (int fret = 0; fret <= neck.Frets(); ++fret) {
                if (neck.IsLit(string, fret)) {
                    lit.push_back(neck.CurrentTuning().KeyAt(string, fret));
                }
            }
        }
        return lit;
    };
    EXPECT_EQ(litPlaces(), (std::vector<int>{60, 60, 60, 60})) << "C4 on four strings of a guitar";
    // The ring round a lit mark, just outside its left edge.
    const auto ringAt = [&](int string, int fret) {
        const QImage image = neck.grab().toImage();
        const QRect mark = neck.MarkRect(string, fret);
        int gold = 0;
        for (int dx = -3; dx <= 0; ++dx) {
            const QColor pixel = image.pixelColor(QPoint(mark.left() + dx, mark.center().y()) *
                                                  image.devicePixelRatio());
            gold += pixel.red() > 200 && pixel.green() > 150 && pixel.blue() < 120 ? 1 : 0;
        }
        return gold > 0;
    };
    EXPECT_TRUE(ringAt(2, 1)) << "C4: string 2, fret 1";
    EXPECT_FALSE(ringAt(2, 3)) << "D: not sounding";

    // An eighth later (at 120 BPM), the second note has taken over.
    now += std::chrono::milliseconds(250);
    ASSERT_TRUE(QTest::qWaitFor([&] { return keys.IsLit(1); }, 2000));
    EXPECT_FALSE(keys.IsLit(0));
    EXPECT_EQ(KeyBody(keys, 1), PianoKeyboard::kSounding);
    EXPECT_EQ(KeyBody(keys, 0), PianoKeyboard::kScaleWhite);

    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_EQ(play->text(), "&Play");
    EXPECT_FALSE(keys.IsLit(1)) << "stopped, nothing is lit";
    EXPECT_TRUE(litPlaces().empty());
}

TEST_F(DetailsWindow, ARowFromAnotherRootUnderAnotherChosenRoot) {
    // D chosen and D, F# ticked; the row found from D. Everything the window
    // shows counts from D: the keys, their colours, the dots and the notes.
    ChooseRoot(5);
    wdwDetails& details = Open({0, 4}, "Phrygian Dominant", "D");
    EXPECT_EQ(details.NotesText(), "D E\u266D F\u266F G A B\u266D C");
    EXPECT_EQ(details.IntervalsText(), "1 \u266D2 3 4 5 \u266D6 \u266D7");
    EXPECT_EQ(details.BeyondText(), "E\u266D G A B\u266D C") << "the notes not ticked";
    PianoKeyboard& keys = details.Keyboard();
    EXPECT_EQ(KeyBody(keys, 0), PianoKeyboard::kScaleWhite) << "D";
    EXPECT_EQ(KeyBody(keys, 1), PianoKeyboard::kScaleBlack) << "Eb";
    EXPECT_EQ(KeyBody(keys, 2), QColor(Qt::white)) << "E is not in the scale";
    EXPECT_EQ(KeyBody(keys, 4), PianoKeyboard::kScaleBlack) << "F#";
    EXPECT_EQ(KeyDot(keys, 0), PianoKeyboard::kTicked) << "D ticked";
    EXPECT_EQ(KeyDot(keys, 4), PianoKeyboard::kTicked) << "F# ticked";
    EXPECT_NE(KeyDot(keys, 10), PianoKeyboard::kTicked) << "C is not";
    auto* play = details.findChild<QPushButton*>();
    ASSERT_NE(play, nullptr);
    QTest::mouseClick(play, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return keys.IsLit(0); }, 2000)) << "the run starts on D";
    QTest::mouseClick(play, Qt::LeftButton);
    keys.SetSounding({60, 98});  // C4 and D7, beyond the keys from D4 to D6
    EXPECT_TRUE(keys.IsLit(10)) << "C5";
    EXPECT_TRUE(keys.IsLit(24)) << "D6";

    QAction* copyNotes = nullptr;
    for (QAction* entry : window->lbContaining()->actions()) {
        copyNotes = entry->text() == "Copy Notes" ? entry : copyNotes;
    }
    ASSERT_NE(copyNotes, nullptr);
    // Other roots: a row from F# while D stays chosen copies from F#.
    Click(*window->cbOther());
    ListBox& list = *window->lbContaining();
    std::optional<int> fromFSharp;
    for (std::size_t row = 0; row < list.RowCount(); ++row) {
        if (list.Cell(row, 1) == "Phrygian Dominant" && list.Cell(row, 2) == "F# / Gb") {
            fromFSharp = static_cast<int>(row);
        }
    }
    ASSERT_TRUE(fromFSharp);
    ClickRow(list, *fromFSharp);
    copyNotes->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "F# G A# B C# D E");
}

TEST_F(DetailsWindow, ARootOnABlackKeyHasAWhiteKeyBeforeIt) {
    ChooseRoot(4);  // C# / Db
    wdwDetails& details = Open({0}, "Lydian", "C# / Db");
    EXPECT_EQ(details.IntervalsText(), "1 2 3 \u266F4 5 6 7");
    PianoKeyboard& keys = details.Keyboard();
    EXPECT_GT(keys.KeyRect(0).left(), 0) << "the root's black key sits on a white one";
    const QImage image = keys.grab().toImage();
    EXPECT_EQ(image.pixelColor(QPoint(3, keys.height() - 6) * image.devicePixelRatio()),
              QColor(Qt::white))
        << "the C before D flat, outside the scale";
    EXPECT_GT(testing_support::CountPixels(image, keys.NameRect(-1),
                                           [](QColor pixel) { return pixel.lightness() < 100; }),
              10)
        << "its name, " << keys.KeyName(-1).toStdString();
    EXPECT_EQ(KeyBody(keys, 0), PianoKeyboard::kScaleBlack);

    // On a dark palette the keys stay apart: dark lines between white keys.
    QPalette dark = details.palette();
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(235, 235, 235));
    details.setPalette(dark);
    const QImage darkImage = keys.grab().toImage();
    const QPoint betweenEAndF(keys.KeyRect(3).right(), keys.height() - 6);
    EXPECT_LT(darkImage.pixelColor(betweenEAndF * darkImage.devicePixelRatio()).lightness(), 100);
    EXPECT_EQ(KeyBody(keys, 3), QColor(Qt::white)) << "E, not in the scale";
    EXPECT_EQ(KeyBody(keys, 4), PianoKeyboard::kScaleWhite) << "F, in it";
}

}  // namespace
}  // namespace orvel

namespace orvel {
namespace {

class StaffDetails : public DetailsWindow {
  protected:
    // D Lydian: the notes of A major, three sharps, G♯ its own.
    wdwDetails& OpenLydianOnD() {
        ChooseRoot(5);  // D
        return Open({0}, "Lydian", "D");
    }
};

TEST_F(StaffDetails, TheStaffWritesTheScaleWithItsSignatureInTheClefChosen) {
    wdwDetails& details = OpenLydianOnD();
    StaffView& staff = details.Staff();
    ASSERT_TRUE(staff.isVisible());
    EXPECT_EQ(details.ClefChoice().currentText(), "Treble 8vb") << "a guitar neck's clef";
    details.ClefChoice().setCurrentText("Treble");
    ASSERT_EQ(staff.Pitches().size(), 8u);
    EXPECT_EQ(staff.Pitches().front().Ascii(), "D4");
    EXPECT_EQ(staff.SignatureRects().size(), 3);
    for (std::size_t i = 0; i < staff.Pitches().size(); ++i) {
        EXPECT_TRUE(staff.AccidentalRect(i).isEmpty()) << i << ": the signature gives every sharp";
    }
    EXPECT_TRUE(staff.accessibleDescription().contains("G\u266F4, sharp fourth"))
        << staff.accessibleDescription().toStdString();
    details.KeySignatureChoice().setChecked(false);
    EXPECT_TRUE(staff.SignatureRects().isEmpty());
    int written = 0;
    for (std::size_t i = 0; i < staff.Pitches().size(); ++i) {
        written += staff.AccidentalRect(i).isEmpty() ? 0 : 1;
    }
    EXPECT_EQ(written, 3) << "F♯, G♯ and C♯ written";
    details.ClefChoice().setCurrentText("Bass");
    EXPECT_EQ(staff.Pitches().front().Ascii(), "D3");
    details.DescendingChoice().setChecked(true);
    EXPECT_EQ(staff.Pitches().size(), 15u);
    details.Neck().Instrument().setCurrentText("Ukulele");
    EXPECT_EQ(details.ClefChoice().currentText(), "Bass") << "a ukulele leaves the clef chosen";
    details.Neck().Instrument().setCurrentText("Bass");
    EXPECT_EQ(details.ClefChoice().currentText(), "Treble 8vb");
}

TEST_F(StaffDetails, AClickedNoteSoundsAndLights) {
    wdwDetails& details = OpenLydianOnD();
    StaffView& staff = details.Staff();
    QTest::mouseClick(&staff, Qt::LeftButton, {}, staff.HeadRect(2).center().toPoint());
    ASSERT_TRUE(QTest::qWaitFor([&] { return staff.IsLit(2); }, 2000));
    EXPECT_FALSE(staff.IsLit(1));
    const QImage image = staff.grab().toImage();
    EXPECT_EQ(image.pixelColor((staff.HeadRect(2).center() * image.devicePixelRatio()).toPoint()),
              QColor(kSoundingColour));
}

// The rows where the staff's ink runs most of the width.
int InkRows(const QImage& image, bool darkInk) {
    int rows = 0;
    for (int y = 0; y < image.height(); ++y) {
        int ink = 0;
        for (int x = 0; x < image.width(); ++x) {
            const int lightness = image.pixelColor(x, y).lightness();
            ink += darkInk ? lightness < 80 : lightness > 180;
        }
        rows += ink > image.width() / 3 ? 1 : 0;
    }
    return rows;
}

TEST_F(StaffDetails, CrispAtTwiceTheScaleAndReadableInTheDark) {
    wdwDetails& details = OpenLydianOnD();
    StaffView& staff = details.Staff();
    for (const bool dark : {false, true}) {
        QPalette palette = staff.palette();
        palette.setColor(QPalette::Window, dark ? QColor(40, 40, 40) : QColor(Qt::white));
        palette.setColor(QPalette::WindowText, dark ? QColor(238, 238, 236) : QColor(Qt::black));
        staff.setPalette(palette);
        for (const int scale : {1, 2}) {
            QImage image(staff.size() * scale, QImage::Format_ARGB32);
            image.setDevicePixelRatio(scale);
            image.fill(palette.color(QPalette::Window));
            staff.render(&image);
            // Five lines, each exactly as many rows as the scale, none smeared.
            EXPECT_EQ(InkRows(image, !dark), 5 * scale)
                << (dark ? "dark, " : "light, ") << scale << "x";
            if (dark && scale == 2) {
                image.save(QString::fromStdString(testing::TempDir()) + "/staff-dark-200.png");
            }
        }
    }
}

TEST_F(StaffDetails, ExportWritesEachFormatWholeOrSaysWhy) {
    wdwDetails& details = OpenLydianOnD();
    details.ClefChoice().setCurrentText("Treble");
    testing_support::TempFolder folder;
    const auto read = [&](const std::string& name) {
        std::ifstream in(folder.Path() / name, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    };
    using Format = wdwDetails::ExportFormat;
    const struct {
        Format format;
        const char* name;
        const char* starts;
    } exports[] = {
        {Format::MusicXml, "d.musicxml", "<?xml"},
        {Format::Midi, "d.mid", "MThd"},
        {Format::Svg, "d.svg", "<?xml"},
        {Format::Png, "d.png", "\x89PNG"},
        {Format::Pdf, "d.pdf", "%PDF"},
        {Format::Text, "d.txt", "D Lydian"},
    };
    for (const auto& e : exports) {
        const auto error =
            details.ExportTo(QString::fromStdString((folder.Path() / e.name).string()), e.format);
        ASSERT_FALSE(error.has_value()) << error->toStdString();
        EXPECT_EQ(read(e.name).rfind(e.starts, 0), 0u) << e.name;
    }
    const std::string text = read("d.txt");
    EXPECT_NE(text.find("Notes: D E F# G# A B C#"), std::string::npos) << text;
    const Melody score = ReadMusicXml(read("d.musicxml"));
    ASSERT_EQ(score.notes.size(), 8u);
    EXPECT_EQ(score.notes[3].written->Ascii(), "G#");
    EXPECT_EQ(score.keys.at(0).fifths, 3);
    const std::string midiText = read("d.mid");
    const Melody clip = ReadMidiFile(std::vector<std::uint8_t>(midiText.begin(), midiText.end()));
    ASSERT_EQ(clip.notes.size(), 9u) << "the run, then the ticked D";
    EXPECT_EQ(clip.notes.front().midiKey, 62);
    EXPECT_EQ(clip.parts.at(0).name, "D Lydian");
    EXPECT_NEAR(clip.notes[1].startSeconds, 0.25, 1e-3) << "eighths at 120 BPM";
    const QString dragged = details.Staff().DraggedFile();
    EXPECT_TRUE(dragged.endsWith("D Lydian.mid")) << dragged.toStdString();
    std::ifstream draggedFile(dragged.toStdString(), std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(draggedFile), {}), midiText)
        << "the drag drops the same clip";
    const std::string svg = read("d.svg");
    EXPECT_NE(svg.find("<svg"), std::string::npos);

    const std::filesystem::path pipe = folder.Path() / "pipe";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const auto refused = details.ExportTo(QString::fromStdString(pipe.string()), Format::Midi);
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->toStdString(),
              "Cannot write " + pipe.string() + ": it is not a regular file");
    const auto nowhere = details.ExportTo(
        QString::fromStdString((folder.Path() / "gone" / "d.mid").string()), Format::Midi);
    ASSERT_TRUE(nowhere.has_value());
    EXPECT_TRUE(nowhere->contains("there is no folder"));
}

}  // namespace
}  // namespace orvel

namespace orvel {
namespace {

class RelationsDetails : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow({CatalogueLine("Major Modes", "Major", {0, 2, 4, 5, 7, 9, 11}),
                    CatalogueLine("Major Modes", "Dorian", {0, 2, 3, 5, 7, 9, 10}),
                    CatalogueLine("Major Modes", "Mixolydian", {0, 2, 4, 5, 7, 9, 10}),
                    CatalogueLine("Major Modes", "Lydian", {0, 2, 4, 6, 7, 9, 11}),
                    CatalogueLine("Chords", "Major Triad", {0, 4, 7})});
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        ChooseRoot(6);  // E♭
        Click(*window->cbScale(0));
        ListBox& list = *window->lbContaining();
        ClickRow(list, 0);
        window->ShowDetails(list);
        ASSERT_NE(tools->Details(), nullptr);
    }
};

TEST_F(RelationsDetails, TheRelationsShowAndEveryScaleThereOpensItsOwnDetails) {
    wdwDetails& details = *tools->Details();
    ASSERT_EQ(details.NotesText(), "E\u266D F G A\u266D B\u266D C D");
    EXPECT_FALSE(details.Relations().isVisible());
    QTest::mouseClick(&details.RelationsButton(), Qt::LeftButton);
    ASSERT_TRUE(details.Relations().isVisible());
    QTableView& modes = details.Relations().Modes();
    ASSERT_EQ(modes.model()->rowCount(), 7);
    EXPECT_EQ(modes.model()->index(1, 0).data().toString(), "F");
    EXPECT_EQ(modes.model()->index(1, 1).data().toString(), "Dorian");
    EXPECT_EQ(modes.model()->index(3, 3).data().toString(), "1 (brightest)") << "A♭ Lydian";
    EXPECT_TRUE(details.Relations().SetClassText().text().startsWith("Forte 7-35"));
    QTableView& neighbours = details.Relations().Neighbours();
    ASSERT_GE(neighbours.model()->rowCount(), 2);
    EXPECT_EQ(neighbours.model()->index(0, 0).data().toString(), "D \u2192 D\u266D");
    EXPECT_EQ(neighbours.model()->index(0, 1).data().toString(), "E\u266D Mixolydian");
    EXPECT_EQ(neighbours.model()->index(1, 0).data().toString(), "A\u266D \u2192 A") << "E♭ Lydian";

    // A mode opens in the same window, from its own root.
    details.Relations().setCurrentWidget(&modes);
    const QPoint dorian = modes.visualRect(modes.model()->index(1, 1)).center();
    QTest::mouseClick(modes.viewport(), Qt::LeftButton, {}, dorian);
    QTest::mouseDClick(modes.viewport(), Qt::LeftButton, {}, dorian);
    EXPECT_EQ(details.NotesText(), "F G A\u266D B\u266D C D E\u266D");
    EXPECT_TRUE(details.Relations().isVisible()) << "the relations stay open";

    // A chord sounds on a click.
    QTableView& chords = details.Relations().Chords();
    details.Relations().setCurrentWidget(&chords);
    EXPECT_EQ(chords.model()->index(3, 2).data().toString(), "B\u266D7") << "IV7 of F Dorian";
    QTest::mouseClick(chords.viewport(), Qt::LeftButton, {},
                      chords.visualRect(chords.model()->index(3, 2)).center());
    ASSERT_TRUE(QTest::qWaitFor([&] { return details.Keyboard().IsLit(5); }, 2000))
        << "B♭, a fourth above F";
}

}  // namespace
}  // namespace orvel
