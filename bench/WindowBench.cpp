// SPDX-License-Identifier: GPL-3.0-or-later
// From a click on a check box to both lists refilled and painted, in the real
// main window over a generated catalogue, offscreen:
//
//   build/default/bin/orvel_window_bench
//
// Worst case: nothing ticked with "Include Other Roots" on, so every entry is
// listed twelve times. Each timed click unticks the root box (ticked again,
// untimed, between clicks).

#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "LeadSheet.h"
#include "Melodies.h"
#include "QtBenchMain.h"
#include "SyntheticCatalogue.h"
#include "audio/SoundPlayer.h"
#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicXml.h"
#include "scales/LoadScales.h"
#include "support/FakeMidiInput.h"
#include "theory/KeySignature.h"
#include "window/Fretboard.h"
#include "window/StaffView.h"
#include "window/ToolWindows.h"
#include "window/wdwChords.h"
#include "window/wdwMain.h"
#include "window/wdwMelody.h"

namespace orvel::bench {
namespace {

void Click(CheckBox& box) {
    QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(8, box.height() / 2));
}

// The window's services over a synthetic catalogue of `entries` scales; no
// benchmark here plays, so the playback is never asked for a player, and the
// MIDI keyboard finds no MIDI system.
wdwMain::Services ServicesOver(std::size_t entries) {
    static Playback silence([] { return std::unique_ptr<SoundPlayer>(); });
    static MidiKeyboard keyboard([](MidiInput::Receiver) { return nullptr; }, nullptr);
    return {[entries] {
                return ScaleLoad{SyntheticCatalogue(entries), std::nullopt};
            },
            [](QWidget*, const QString&, const QString&) {}, &silence, &keyboard,
            "synthetic catalogue"};
}

void BM_ClickRefillsBothLists(benchmark::State& state) {
    const auto entries = static_cast<std::size_t>(state.range(0));
    wdwMain window(ServicesOver(entries));
    window.Open();
    QCoreApplication::processEvents();
    Click(*window.cbOther());
    CheckBox& root = *window.cbScale(0);
    for (auto _ : state) {
        state.PauseTiming();
        Click(root);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        Click(root);
        QCoreApplication::processEvents();
        window.lbExact()->viewport()->repaint();
        window.lbContaining()->viewport()->repaint();
    }
    state.counters["rows"] =
        static_cast<double>(window.lbContaining()->RowCount() + window.lbExact()->RowCount());
}
BENCHMARK(BM_ClickRefillsBothLists)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Seven notes from outside (a chord, a MIDI keyboard) through the window's
// one road for them, against one tick by hand above: the lists refill once.
void BM_TickNotesRefillsBothListsOnce(benchmark::State& state) {
    const auto entries = static_cast<std::size_t>(state.range(0));
    wdwMain window(ServicesOver(entries));
    window.Open();
    QCoreApplication::processEvents();
    Click(*window.cbOther());
    QSignalSpy refills(window.lbContaining()->model(), &QAbstractItemModel::modelReset);
    // Bit c for pitch class c, so the strings read from B down to C.
    const auto major = PitchClassesAboveC::FromBits(0b101010110101);   // C D E F G A B
    const auto dorian = PitchClassesAboveC::FromBits(0b011010101101);  // C D Eb F G A Bb
    bool flip = false;
    refills.clear();
    for (auto _ : state) {
        window.TickNotes((flip = !flip) ? major : dorian);
        QCoreApplication::processEvents();
        window.lbExact()->viewport()->repaint();
        window.lbContaining()->viewport()->repaint();
    }
    state.counters["refills per call"] =
        static_cast<double>(refills.count()) / static_cast<double>(state.iterations());
}
BENCHMARK(BM_TickNotesRefillsBothListsOnce)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Typing one more key in the chord window, over the shipped catalogue: the
// line read, the key found, the scales ranked and the lists filled (the
// longest a key press holds up the window). A lone C chord, which the most
// scales hold, fills the lists most; argument 2 is a pasted lead sheet of
// 300 chords.
void BM_ChordWindowRefresh(benchmark::State& state) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    wdwChords chords(catalogue, nullptr);
    chords.show();
    const std::string sheet = state.range(0) == 0   ? "Dm7 G7 Cmaj7 A7b9 Dm9 G13"
                              : state.range(0) == 1 ? "C"
                                                    : LeadSheetOf(300);
    chords.Line().setPlainText(QString::fromStdString(sheet));
    for (auto _ : state) {
        chords.Refresh();
        chords.repaint();
    }
    state.counters["rows"] =
        chords.Fits().model()->rowCount() + chords.Nearly().model()->rowCount();
}
BENCHMARK(BM_ChordWindowRefresh)
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// What opening a melody holds up the melody window with: the file is read
// on another thread, then the window ranks and shows it, here timed to its
// repaint. A MIDI file of 10,000 notes (0) and a MusicXML score of 5 MB (1).
void BM_MelodyWindowShowsAFile(benchmark::State& state) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    wdwMelody window(catalogue, nullptr, nullptr);
    window.show();
    const Melody melody = state.range(0) == 0 ? ReadMidiFile(MidiFileOf(10'000))
                                              : ReadMusicXml(MusicXmlOf(5'000'000));
    for (auto _ : state) {
        window.ShowMelody(melody, "tune");
        window.repaint();
    }
    state.counters["notes"] = static_cast<double>(melody.notes.size());
    state.counters["sections"] = window.Sections().count();
}
BENCHMARK(BM_MelodyWindowShowsAFile)
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The staff painted: a scale up and down in the treble clef with four
// flats of signature and accidentals besides (E♭ harmonic minor's D♮).
void BM_StaffPaint(benchmark::State& state) {
    StaffView staff;
    const PitchClassSet harmonicMinor = SetOf({0, 2, 3, 5, 7, 8, 11});
    const SpelledScale scale = SpellScale(harmonicMinor, NoteName{2, -1});
    staff.Show(ScalePitches(scale, Clef::Treble, true), Clef::Treble,
               SignatureOf(harmonicMinor, scale), {});
    staff.resize(staff.sizeHint());
    QImage image(staff.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        staff.render(&image);
    }
}
BENCHMARK(BM_StaffPaint)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// Each export of the details window, D Lydian shown, to a file.
void BM_DetailsExport(benchmark::State& state) {
    const wdwMain::Services services = ServicesOver(1'000);
    auto window = std::make_unique<wdwMain>(services);
    auto* tools = new ToolWindows(*window, *services.playback, services.showMessage);
    window->Open();
    TScale lydian;
    lydian.Bank = "Major Modes";
    lydian.Scale = "Lydian";
    lydian.Notes = SetOf({0, 2, 4, 6, 7, 9, 11});
    tools->ShowDetails(ScaleRow{
        .entry = lydian, .root = PitchClass(2), .ticks = std::nullopt, .rootLetter = std::nullopt});
    wdwDetails& details = *tools->Details();
    QCoreApplication::processEvents();
    const auto format = static_cast<wdwDetails::ExportFormat>(state.range(0));
    const QString path = QDir::temp().filePath("orvel-bench-export");
    for (auto _ : state) {
        const auto error = details.ExportTo(path, format);
        if (error) {
            state.SkipWithError(error->toStdString().c_str());
            break;
        }
    }
    QFile::remove(path);
}
BENCHMARK(BM_DetailsExport)
    ->DenseRange(0, 5)
    ->ArgNames({"format"})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// From a double-click on a row to the details window's first paint, the
// window made on that first open as a user meets it.
void BM_DoubleClickOpensDetails(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        const wdwMain::Services services = ServicesOver(1'000);
        auto window = std::make_unique<wdwMain>(services);
        auto* tools = new ToolWindows(*window, *services.playback, services.showMessage);
        window->Open();
        Click(*window->cbScale(0));
        QCoreApplication::processEvents();
        ListBox& list = *window->lbContaining();
        const QPoint row = list.visualRect(list.model()->index(0, 1)).center();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
        tools->Details()->repaint();
        state.PauseTiming();
        window.reset();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DoubleClickOpensDetails)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A four-note chord struck at once on a MIDI keyboard: from its messages
// taken in, through the short wait for the rest of a chord, to both lists
// refilled and painted, other roots included. Over the shipped catalogue
// (0) and one of a million entries.
void BM_MidiChordRefillsBothLists(benchmark::State& state) {
    testing_support::FakeMidiInput* input = nullptr;
    MidiKeyboard keyboard(
        [&](MidiInput::Receiver receiver) {
            auto made = std::make_unique<testing_support::FakeMidiInput>(std::move(receiver));
            input = made.get();
            return made;
        },
        nullptr);
    wdwMain::Services services = ServicesOver(static_cast<std::size_t>(state.range(0)));
    if (state.range(0) == 0) {
        services.loadCatalogue = [] {
            std::ostringstream warnings;
            return LoadScales(ORVEL_CATALOGUE, warnings);
        };
    }
    services.midi = &keyboard;
    wdwMain window(services);
    window.Open();
    QCoreApplication::processEvents();
    Click(*window.cbOther());
    keyboard.Start();
    QSignalSpy refills(window.lbContaining()->model(), &QAbstractItemModel::modelReset);
    const auto playAndWait = [&](const std::array<int, 4>& keys) {
        const qsizetype before = refills.count();
        for (const int key : keys) {
            input->Play({0x90, static_cast<unsigned char>(key), 90});
        }
        QElapsedTimer waited;
        waited.start();
        while (refills.count() == before && waited.elapsed() < 2000) {
            QCoreApplication::processEvents();
        }
    };
    bool flip = false;
    qsizetype chords = 0;
    const qsizetype start = refills.count();
    for (auto _ : state) {
        const std::array<int, 4> chord =
            (flip = !flip) ? std::array{60, 64, 67, 71} : std::array{62, 65, 69, 72};
        playAndWait(chord);
        window.lbExact()->viewport()->repaint();
        window.lbContaining()->viewport()->repaint();
        ++chords;
        state.PauseTiming();
        for (const int key : chord) {  // released: no refill, the query stays
            input->Play({0x80, static_cast<unsigned char>(key), 0});
        }
        // Run the loop itself rather than QTest::qWait, which sleeps through
        // the gather and would leave its timer due when the next chord comes.
        QElapsedTimer released;
        released.start();
        while (released.elapsed() < 10) {
            QCoreApplication::processEvents();
        }
        state.ResumeTiming();
    }
    state.counters["refills per chord"] =
        static_cast<double>(refills.count() - start) / static_cast<double>(chords);
}
BENCHMARK(BM_MidiChordRefillsBothLists)
    ->Arg(0)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// One paint of the neck at its widest: eight strings, 24 frets, every mark
// labelled; a seven-note scale, and all twelve notes (a mark on every place).
void BM_PaintFretboard(benchmark::State& state) {
    Fretboard board;
    board.SetTuning(ReadTuning("guitar8"), kMostFrets);
    board.SetLabels(Fretboard::Labels::Notes);
    const PitchClassSet notes = state.range(0) == 7 ? 0xAD5 : 0xFFF;
    board.Show(SpellScale(notes, kC), {});
    board.resize(board.sizeHint());
    QImage image(board.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        board.render(&image);
    }
    int marks = 0;
    for (int string = 1; string <= board.CurrentTuning().StringCount(); ++string) {
        for (int fret = 0; fret <= kMostFrets; ++fret) {
            marks += board.IsMarked(PitchClass::OfKey(board.CurrentTuning().KeyAt(string, fret)))
                         ? 1
                         : 0;
        }
    }
    state.counters["marks"] = marks;
}
BENCHMARK(BM_PaintFretboard)
    ->Arg(7)
    ->Arg(12)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orvel::bench

ORVEL_QT_BENCHMARK_MAIN()
