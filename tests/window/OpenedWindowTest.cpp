// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as a user meets it: opened, shown and exposed, then used
// with the mouse, the keyboard and a screen reader.

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <iostream>
#include <map>
#include <optional>

#include "MainWindowFixture.h"
#include "audio/LoadedPlayer.h"
#include "platform/Contrast.h"
#include "support/EventLoopGaps.h"
#include "support/Pixels.h"
#include "support/StalledSoundServer.h"
#include "window/PianoKeyboard.h"

namespace orvel {
namespace {

using testing_support::CatalogueLine;
using testing_support::MainWindowFixture;

const QString kLongBank = "Harmonic Minor Modes and a Few More";

class OpenedWindow : public MainWindowFixture {
  protected:
    void SetUp() override {
        MakeWindow(
            {CatalogueLine("Chromatic", "Chromatic", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}),
             CatalogueLine(kLongBank.toStdString(), "Phrygian Dominant", {0, 1, 4, 5, 7, 8, 10}),
             CatalogueLine("Chords", "Major Triad", {0, 4, 7}),
             CatalogueLine("Empty", "Nothing", {})});
        QApplication::setActiveWindow(window.get());
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    }

    // Ticks the root and selects the chromatic row: all twelve stars show.
    void ShowAllStars() {
        Click(*window->cbScale(0));
        ClickRow(*window->lbContaining(), 0);
        ASSERT_EQ(window->lbContaining()->Cell(0, 1), "Chromatic");
        ASSERT_EQ(Stars().size(), 12u);
    }

    QString ToolTipAt(ListBox& list, int row, int column) {
        QToolTip::hideText();
        const QPoint at = list.visualRect(list.model()->index(row, column)).center();
        QHelpEvent event(QEvent::ToolTip, at, list.viewport()->mapToGlobal(at));
        QApplication::sendEvent(list.viewport(), &event);
        return QToolTip::text();
    }
};

// The green pixels of a star as drawn in the window: their bounding box.
QRect GreenGlyph(const QImage& image, const QRect& area) {
    QRect glyph;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (pixel.green() > 2 * (pixel.red() + pixel.blue()) + 40) {
                glyph |= QRect(x, y, 1, 1);
            }
        }
    }
    return glyph;
}

TEST_F(OpenedWindow, AllTwelveStarsDrawTheSameLargeGreenGlyph) {
    ShowAllStars();
    const QImage image = window->grab().toImage();
    const qreal scale = image.devicePixelRatio();
    std::vector<QRect> glyphs;
    for (int i = 0; i < 12; ++i) {
        const StarLabel& star = *window->lbStar(i);
        const QRect area(star.mapTo(window.get(), QPoint(0, 0)) * scale, star.size() * scale);
        glyphs.push_back(GreenGlyph(image, area));
        EXPECT_GE(glyphs.back().height(), 8 * scale) << "star " << i << " draws a large glyph";
        EXPECT_EQ(image.pixelColor(glyphs.back().center()), star.TextColor()) << "star " << i;
    }
    for (int i = 1; i < 12; ++i) {
        EXPECT_EQ(glyphs[i].size(), glyphs[0].size()) << "star " << i << " is drawn like star 0";
    }
}

// The darkest or lightest pixel of an area, whichever stands out more from
// the background pixel at its corner, and their contrast.
double TextContrastIn(const QImage& image, const QRect& area) {
    const QColor background = image.pixelColor(area.topLeft());
    double best = 1;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            best = std::max(best, ContrastRatio(image.pixelColor(x, y), background));
        }
    }
    return best;
}

TEST_F(OpenedWindow, CaptionsAndStarsReadOnALightAndADarkPalette) {
    const QPalette original = QApplication::palette();
    QPalette dark;
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Window, QColor(45, 45, 45));
        dark.setColor(group, QPalette::WindowText, QColor(238, 238, 236));
        dark.setColor(group, QPalette::Base, QColor(30, 30, 30));
        dark.setColor(group, QPalette::Text, QColor(238, 238, 236));
    }
    ShowAllStars();
    for (const QPalette& palette : {original, dark}) {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents();
        const QImage image = window->grab().toImage();
        const qreal scale = image.devicePixelRatio();
        const auto areaOf = [&](const QWidget& widget) {
            return QRect(widget.mapTo(window.get(), QPoint(0, 0)) * scale, widget.size() * scale);
        };
        const bool isDark = palette.color(QPalette::Window).lightness() < 128;
        for (Label* caption :
             {window->Label1(), window->Label2(), window->Label3(), window->Label4()}) {
            EXPECT_GE(TextContrastIn(image, areaOf(*caption)), 7.0)
                << caption->Caption().toStdString() << (isDark ? ", dark" : ", light");
        }
        for (int i = 0; i < 12; ++i) {
            const QRect glyph = GreenGlyph(image, areaOf(*window->lbStar(i)));
            ASSERT_FALSE(glyph.isEmpty()) << "star " << i;
            const QColor green = image.pixelColor(glyph.center());
            EXPECT_GE(ContrastRatio(green, palette.color(QPalette::Window)), 4.5)
                << "star " << i << (isDark ? ", dark" : ", light");
            EXPECT_EQ(green.hslHue(), QColor(0, 129, 0).hslHue());
        }
    }
    QApplication::setPalette(original);
}

TEST_F(OpenedWindow, RefilledListsStartAtTheTop) {
    Click(*window->cbOther());
    ListBox& list = *window->lbContaining();
    list.scrollToBottom();
    ASSERT_GT(list.verticalScrollBar()->value(), 0);
    Click(*window->cbRinL());
    EXPECT_EQ(list.verticalScrollBar()->value(), 0);
}

TEST_F(OpenedWindow, ListsFromTheKeyboard) {
    ListBox& exact = *window->lbExact();
    Click(*window->cbOther());
    Click(*window->cbOther());
    ASSERT_EQ(exact.RowCount(), 1u) << "only the empty scale has nothing ticked";
    exact.setFocus();
    QTest::keyClick(&exact, Qt::Key_Down);
    EXPECT_EQ(exact.ListIndex(), 0) << "the first Down selects the one row";

    ListBox& containing = *window->lbContaining();
    containing.setFocus();
    QTest::keyClick(&containing, Qt::Key_End);
    EXPECT_EQ(containing.ListIndex(), static_cast<std::int64_t>(containing.RowCount()) - 1);
    QTest::keyClick(&containing, Qt::Key_Home);
    EXPECT_EQ(containing.ListIndex(), 0);

    QApplication::clipboard()->clear();
    QTest::keyClick(&containing, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Chromatic\tChromatic\tC") << "the whole row";
}

TEST_F(OpenedWindow, TabFollowsTheScreen) {
    window->pmRoot()->setFocus();
    QStringList visited;
    for (int press = 0; press < 18; ++press) {
        auto* control = dynamic_cast<Control*>(QApplication::focusWidget());
        ASSERT_NE(control, nullptr);
        visited << control->Name() + (control->Index() == Control::kNoIndex
                                          ? ""
                                          : QString::number(control->Index()));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    QStringList expected = {"pmRoot", "cbOther", "cbRinL"};
    for (int i = 0; i < 12; ++i) {
        expected << "cbScale" + QString::number(i);
    }
    expected << "lbExact"
             << "lbContaining"
             << "pmRoot";
    EXPECT_EQ(visited, expected);
}

TEST_F(OpenedWindow, CutOffCellsShowTheirTextAsTooltip) {
    Click(*window->cbOther());
    ListBox& list = *window->lbContaining();
    ASSERT_EQ(list.Cell(1, 0), kLongBank);
    EXPECT_EQ(ToolTipAt(list, 1, 0), kLongBank);
    EXPECT_EQ(ToolTipAt(list, 1, 2), list.HelpTag()) << "a cell that fits shows the help tag";
}

TEST_F(OpenedWindow, ScreenReadersNameEveryControl) {
    const auto name = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name).toStdString();
    };
    EXPECT_EQ(name(window->lbExact()), "Exact Match");
    EXPECT_EQ(name(window->lbContaining()), "Containing All Notes");
    EXPECT_EQ(name(window->cbScale(1)), "C# / Db");
    // On Linux a popup's name is its item; its label comes as a relation.
    const auto labels =
        QAccessible::queryAccessibleInterface(window->pmRoot())->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(labels[0].first->text(QAccessible::Name), "Root Note");

    ShowAllStars();
    QAccessibleInterface* list = QAccessible::queryAccessibleInterface(window->lbContaining());
    ASSERT_NE(list->tableInterface(), nullptr);
    EXPECT_EQ(list->tableInterface()->rowCount(),
              static_cast<int>(window->lbContaining()->RowCount()));
    const auto description = [](QWidget* widget) {
        return QAccessible::queryAccessibleInterface(widget)
            ->text(QAccessible::Description)
            .toStdString();
    };
    EXPECT_EQ(description(window->cbScale(10)), "in the selected scale");
    Click(*window->cbScale(4));
    EXPECT_EQ(description(window->cbScale(10)), window->cbScale(10)->HelpTag().toStdString())
        << "the stars are gone: back to the help tag";
}

// Alt and a letter reaches one control in each window: a letter shared by
// two only moves the focus between them, and the button is never pressed.
TEST_F(OpenedWindow, EveryToolWindowsMnemonicsAreItsOwn) {
    ::setenv("PULSE_SERVER", "unix:/nonexistent/orvel-test", 1);
    const MainMenuBar::ToolsEntries& entries = MainMenuBar::Instance().tools;
    entries.chords->trigger();
    entries.melody->trigger();
    entries.listen->trigger();
    entries.findScale->trigger();
    entries.fretboard->trigger();
    for (QWidget* tool :
         std::initializer_list<QWidget*>{tools->Chords(), tools->MelodyWindow(), tools->Listen(),
                                         tools->FindScale(), tools->Fretboard()}) {
        ASSERT_NE(tool, nullptr);
        std::map<QChar, QString> taken;
        const auto take = [&](const QString& text) {
            const qsizetype at = text.indexOf(QRegularExpression("&[^&]"));
            if (at < 0) {
                return;
            }
            const QChar letter = text[at + 1].toLower();
            EXPECT_EQ(taken.count(letter), 0u)
                << tool->objectName().toStdString() << ": " << text.toStdString() << " and "
                << taken[letter].toStdString();
            taken[letter] = text;
        };
        for (const QAbstractButton* button : tool->findChildren<QAbstractButton*>()) {
            take(button->text());
        }
        for (const QLabel* label : tool->findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                take(label->text());
            }
        }
    }
}

TEST_F(OpenedWindow, RowsOpenTheirDetailsSpelledFromTheirOwnRoot) {
    for (const int position : {0, 4, 7}) {
        Click(*window->cbScale(position));
    }
    ListBox& containing = *window->lbContaining();
    ASSERT_EQ(containing.Cell(1, 1), "Phrygian Dominant");
    const QPoint row = containing.visualRect(containing.model()->index(1, 1)).center();
    QTest::mouseClick(containing.viewport(), Qt::LeftButton, {}, row);  // a double-click's first
    QTest::mouseDClick(containing.viewport(), Qt::LeftButton, {}, row);
    ASSERT_NE(tools->Details(), nullptr);
    EXPECT_TRUE(tools->Details()->isVisible());
    EXPECT_EQ(tools->Details()->NotesText(), "C D\u266D E F G A\u266D B\u266D");

    // Enter on the other list's row shows it in the same window.
    ListBox& exact = *window->lbExact();
    exact.setFocus();
    QTest::keyClick(&exact, Qt::Key_Down);
    QTest::keyClick(&exact, Qt::Key_Return);
    EXPECT_EQ(tools->Details()->NotesText(), "C E G");

    QAction* copyNotes = nullptr;
    for (QAction* entry : containing.actions()) {
        copyNotes = entry->text() == "Copy Notes" ? entry : copyNotes;
    }
    ASSERT_NE(copyNotes, nullptr);
    copyNotes->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "C Db E F G Ab Bb");
}

TEST_F(OpenedWindow, AChordRowShowsItsChordTonesSpelledAsTheUserAsks) {
    ChooseRoot(4);  // C# / Db
    for (const int position : {0, 4, 7}) {
        Click(*window->cbScale(position));
    }
    ListBox& exact = *window->lbExact();
    ASSERT_EQ(exact.Cell(0, 1), "Major Triad");
    ClickRow(exact, 0);
    window->ShowDetails(exact);
    wdwDetails& details = *tools->Details();
    const auto shownLabel = [&](const QString& text) {
        for (QLabel* label : details.findChildren<QLabel*>()) {
            if (label->text() == text) {
                return label->isVisibleTo(&details);
            }
        }
        return false;
    };
    EXPECT_EQ(details.NotesText(), "D\u266D F A\u266D");
    EXPECT_TRUE(shownLabel("Chord tones:"));
    EXPECT_FALSE(shownLabel("Intervals:"));
    EXPECT_FALSE(shownLabel("Triads:"));

    auto* spelling = details.findChild<QComboBox*>();
    ASSERT_NE(spelling, nullptr);
    spelling->setCurrentIndex(spelling->findText("Sharps"));
    EXPECT_EQ(details.NotesText(), "C\u266F E\u266F G\u266F");
    exact.setFocus();
    QAction* copyNotes = nullptr;
    for (QAction* entry : exact.actions()) {
        copyNotes = entry->text() == "Copy Notes" ? entry : copyNotes;
    }
    ASSERT_NE(copyNotes, nullptr);
    copyNotes->trigger();
    EXPECT_EQ(QApplication::clipboard()->text(), "C# E# G#") << "Copy Notes follows the choice";
}

QPushButton* ButtonOf(QWidget& window, const QString& text) {
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (button->text() == text) {
            return button;
        }
    }
    return nullptr;
}

TEST_F(OpenedWindow, DetailsPlayAtTheirTempoAndStopWhenClosed) {
    ChooseRoot(5);  // D
    for (const int position : {0, 4, 7}) {
        Click(*window->cbScale(position));
    }
    ClickRow(*window->lbExact(), 0);  // the major triad
    window->ShowDetails(*window->lbExact());
    wdwDetails& details = *tools->Details();
    auto* tempo = details.findChild<QSpinBox*>();
    ASSERT_NE(tempo, nullptr);
    tempo->setFocus();
    tempo->selectAll();
    QTest::keyClicks(tempo, "60");
    QTest::keyClick(tempo, Qt::Key_Enter);
    EXPECT_EQ(playback->Tempo(), 60);

    QPushButton* play = ButtonOf(details, "&Play");
    ASSERT_NE(play, nullptr);
    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 1; }, 2000));
    const std::vector<TimedNote> run = sound->Played()[0];
    ASSERT_EQ(run.size(), 7u);
    EXPECT_EQ(run[0].key, 62) << "from the row's root, D";
    EXPECT_EQ(run[1].startMs, 500) << "an eighth at 60 BPM";
    EXPECT_TRUE(play->isChecked());
    EXPECT_EQ(play->text(), "Sto&p");

    QTest::mouseClick(play, Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Stops() == 1; }, 2000));
    EXPECT_FALSE(play->isChecked());
    EXPECT_EQ(play->text(), "&Play");

    QTest::mouseClick(ButtonOf(details, "Play C&hord"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return sound->Played().size() == 2; }, 2000));
    std::vector<int> chord;
    const auto played = sound->Played();
    for (const TimedNote& note : played[1]) {
        chord.push_back(note.key);
    }
    EXPECT_EQ(chord, (std::vector<int>{62, 66, 69})) << "the ticked notes from D";
    details.close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return sound->Stops() == 2; }, 2000))
        << "closing the window stops its sound";
}

TEST_F(OpenedWindow, APlayThatFailsSaysWhyAndTheWindowGoesOn) {
    {
        const std::lock_guard lock(sound->mutex);
        sound->failWith = kNoAudioOutput;
    }
    Click(*window->cbScale(0));
    ListBox& list = *window->lbContaining();
    ClickRow(list, 0);
    QTest::keyClick(&list, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 2000));
    EXPECT_EQ(messages, (std::vector<std::string>{kNoAudioOutput}));
    ASSERT_EQ(sound->Played().size(), 1u);
    EXPECT_EQ(sound->Played()[0].size(), 25u) << "the chromatic row's run, up and down";
    EXPECT_EQ(messagesOver, (std::vector<QWidget*>{window.get()}));

    // Said over the details window when Play is pressed there.
    window->ShowDetails(list);
    wdwDetails& details = *tools->Details();
    QTest::mouseClick(ButtonOf(details, "&Play"), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitFor([&] { return messages.size() == 2; }, 2000));
    EXPECT_EQ(messagesOver.back(), &details);

    Click(*window->cbScale(4));
    EXPECT_GT(list.RowCount(), 0u) << "the window still works";
}

// The real player, its sound server stalled: it takes the connection and
// never answers.
class StalledSoundServerWindow : public MainWindowFixture {};

TEST_F(StalledSoundServerWindow, KeepsAnsweringAndSaysSoInTime) {
    testing_support::StalledSoundServer server;
    const std::optional<QByteArray> before = qEnvironmentVariableIsSet("PULSE_SERVER")
                                                 ? std::optional(qgetenv("PULSE_SERVER"))
                                                 : std::nullopt;
    qputenv("PULSE_SERVER", QByteArray::fromStdString(server.Address()));
    players = [] { return std::make_unique<LoadedPlayer>(); };
    MakeWindow({CatalogueLine("Chords", "Major Triad", {0, 4, 7})});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    Click(*window->cbScale(0));
    ListBox& list = *window->lbContaining();
    ClickRow(list, 0);

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longestGap = 0;
    QTimer beat;
    QObject::connect(&beat, &QTimer::timeout, [&] {
        longestGap = std::max(longestGap, clock.elapsed() - last);
        last = clock.elapsed();
    });
    beat.start(5);
    clock.start();
    QTest::keyClick(&list, Qt::Key_Space);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !messages.empty(); }, 5000));
    const qint64 answered = clock.elapsed();
    QTest::qWait(20);
    std::cout << "longest gap between events " << longestGap << " ms, message after " << answered
              << " ms\n";
    EXPECT_LT(longestGap, testing_support::kFrozenMs) << "ms without an event";
    EXPECT_LE(answered, 3000) << "ms to the message";
    EXPECT_EQ(messages, (std::vector<std::string>{kNoAudioOutput}));
    if (before) {
        qputenv("PULSE_SERVER", *before);
    } else {
        qunsetenv("PULSE_SERVER");
    }
}

TEST_F(OpenedWindow, HelpAboutNamesTheVersionTheCatalogueAndTheLicence) {
    QString shown;
    QTimer::singleShot(0, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->text();
            box->accept();
        }
    });
    MainMenuBar::Instance().help.about->trigger();
    EXPECT_TRUE(shown.startsWith("Orvel Modalune " ORVEL_EXPECTED_SHORT_VERSION "\n"))
        << shown.toStdString();
    EXPECT_TRUE(shown.contains("Catalogue: test catalogue\n4 scales")) << shown.toStdString();
    EXPECT_TRUE(shown.contains("GPL-3.0-or-later")) << shown.toStdString();
}

TEST_F(OpenedWindow, TheDetailsWindowFollowsTheTicksAndClosesFromTheKeyboard) {
    Click(*window->cbScale(0));
    ClickRow(*window->lbContaining(), 1);  // Phrygian Dominant from C
    window->ShowDetails(*window->lbContaining());
    wdwDetails& details = *tools->Details();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&details));
    PianoKeyboard& keys = details.Keyboard();
    const auto dotOfE = [&] {
        const QImage image = keys.grab().toImage();
        return image.pixelColor(keys.DotRect(4).center() * image.devicePixelRatio());
    };
    EXPECT_NE(dotOfE(), PianoKeyboard::kTicked);
    Click(*window->cbScale(4));
    EXPECT_EQ(dotOfE(), PianoKeyboard::kTicked) << "E ticked in the main window";
    EXPECT_EQ(details.NotesText(), "C D\u266D E F G A\u266D B\u266D") << "the same row";

    QTest::keyClick(&details, Qt::Key_Escape);
    EXPECT_FALSE(details.isVisible());
    ClickRow(*window->lbContaining(), 0);
    window->ShowDetails(*window->lbContaining());
    ASSERT_TRUE(details.isVisible());
    QApplication::setActiveWindow(&details);
    QTest::keyClick(&details, Qt::Key_W, Qt::ControlModifier);
    EXPECT_FALSE(details.isVisible());
}

TEST_F(OpenedWindow, TheDetailsKeyboardMarksTheScaleAndTheTickedNotes) {
    Click(*window->cbScale(0));
    Click(*window->cbScale(4));
    ClickRow(*window->lbContaining(), 1);  // Phrygian Dominant from C
    window->ShowDetails(*window->lbContaining());
    PianoKeyboard& keys = tools->Details()->Keyboard();
    const QImage image = keys.grab().toImage();
    const auto colourAt = [&](QPoint at) {
        return image.pixelColor(at * image.devicePixelRatio());
    };
    const auto bodyOf = [&](int key) { return keys.KeyRect(key).center() - QPoint(0, 10); };
    for (const int key : {0, 12, 24}) {
        EXPECT_EQ(colourAt(keys.DotRect(key).center()), PianoKeyboard::kTicked) << "C " << key;
    }
    EXPECT_EQ(colourAt(keys.DotRect(4).center()), PianoKeyboard::kTicked) << "E is ticked";
    EXPECT_EQ(colourAt(bodyOf(5)), PianoKeyboard::kScaleWhite) << "F is in the scale";
    EXPECT_EQ(colourAt(keys.DotRect(5).center()), PianoKeyboard::kScaleWhite) << "not ticked";
    EXPECT_EQ(colourAt(bodyOf(1)), PianoKeyboard::kScaleBlack) << "Db is in the scale";
    EXPECT_EQ(colourAt(bodyOf(2)), QColor(Qt::white)) << "D is not";
    // Each C carries its name; no other key does.
    const auto darkIn = [&](QRect area) {
        return testing_support::CountPixels(image, area,
                                            [](QColor pixel) { return pixel.lightness() < 100; });
    };
    for (const int key : {0, 12, 24}) {
        EXPECT_GT(darkIn(keys.NameRect(key)), 10) << "C, key " << key;
    }
    EXPECT_EQ(darkIn(keys.NameRect(2)), 0) << "D";
    EXPECT_EQ(colourAt(bodyOf(3)), QColor(Qt::black)) << "Eb is not";
    EXPECT_EQ(keys.KeyName(0), "C4") << "middle C, where the scale sounds";
    EXPECT_EQ(keys.KeyName(24), "C6");
    keys.Show(PitchClass(2), {}, {});  // from D4: the first C is C5
    EXPECT_EQ(keys.KeyName(10), "C5");
    EXPECT_EQ(keys.KeyName(0), "");
}

}  // namespace
}  // namespace orvel
