// SPDX-License-Identifier: GPL-3.0-or-later
// Matching and loading over generated catalogues; lead sheets and melodies
// read and answered.
//
//   build/default/bin/orvel_core_bench
//
// Matching worst case: nothing ticked with "Include Other Roots" on, so every
// non-empty entry is listed twelve times. Loading reads a generated catalogue
// file as the programs do (warm file cache).

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "LeadSheet.h"
#include "Melodies.h"
#include "SyntheticCatalogue.h"
#include "matching/MatchScales.h"
#include "matching/NoteNameTable.h"
#include "matching/RankMelody.h"
#include "matching/RankScales.h"
#include "matching/ScaleRelations.h"
#include "musicfiles/MidiFile.h"
#include "musicfiles/MusicXml.h"
#include "scales/LoadScales.h"
#include "theory/Progression.h"
#include "theory/SpelledScale.h"

namespace orvel::bench {
namespace {

TScaleQuery WorstCaseQuery() {
    TScaleQuery query;
    query.QueryNotes = 0;
    query.RootIndex = NoteTableIndex(3);
    query.RootCaption = "C";
    query.Labels = StandardNoteNames();
    query.IncludeOtherRoots = true;
    return query;
}

void BM_MatchScalesWorstCase(benchmark::State& state) {
    const auto catalogue = SyntheticCatalogue(static_cast<std::size_t>(state.range(0)));
    const TScaleQuery query = WorstCaseQuery();
    std::size_t rows = 0;
    for (auto _ : state) {
        TMatchResult result = MatchScales(query, catalogue);
        rows = result.ContainingRows.size() + result.ExactRows.size();
        benchmark::DoNotOptimize(result);
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["rows/s"] = benchmark::Counter(static_cast<double>(rows) * state.iterations(),
                                                  benchmark::Counter::kIsRate);
    state.counters["bytes/row"] = static_cast<double>(TMatchRows::kBytesPerRow);
}
BENCHMARK(BM_MatchScalesWorstCase)
    ->Arg(10'000)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A sixteen-chord progression read and ranked on all twelve roots: over the
// shipped catalogue (argument 0) or a generated one of that many entries.
void BM_RankSixteenChords(benchmark::State& state) {
    const auto entries = static_cast<std::size_t>(state.range(0));
    std::ostringstream warnings;
    const std::vector<TScale> catalogue =
        entries == 0 ? LoadScales(ORVEL_CATALOGUE, warnings).scales : SyntheticCatalogue(entries);
    const std::string line =
        "| Cmaj7 | Am7 | Dm7 | G7 | Em7 | A7 | Dm7 | G7 | Cmaj7 | C7 | Fmaj7 | Fm6 | "
        "Em7 | A7b9 | Dm9 | G13 |";
    std::size_t rows = 0;
    for (auto _ : state) {
        const Progression progression = ReadProgression(line, ReadAs::Chords);
        const ChordScales ranked = RankProgression(catalogue, progression);
        rows = ranked.fits.size() + ranked.nearly.size();
        benchmark::DoNotOptimize(ranked);
    }
    state.counters["entries"] = static_cast<double>(catalogue.size());
    state.counters["rows"] = static_cast<double>(rows);
}
// A 300-chord lead sheet read, keyed and ranked over the shipped catalogue:
// the key, the best fits and every chord's chord-scales.
void BM_LeadSheetOf300Chords(benchmark::State& state) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    const std::string sheet = LeadSheetOf(300);
    const std::size_t played = ReadProgression(sheet, ReadAs::Chords).played.size();
    std::size_t rows = 0;
    for (auto _ : state) {
        const Progression progression = ReadProgression(sheet, ReadAs::Chords);
        const ChordScales ranked = RankProgression(catalogue, progression);
        rows = ranked.best.size();
        benchmark::DoNotOptimize(ranked);
    }
    state.counters["chords"] = static_cast<double>(played);
    state.counters["best"] = static_cast<double>(rows);
}
BENCHMARK(BM_LeadSheetOf300Chords)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_RankSixteenChords)
    ->Arg(0)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A MIDI file of 10,000 notes read from memory and answered over the
// shipped catalogue: the profile, the key, the best fits, the sections.
void BM_MidiFileReadAndAnswered(benchmark::State& state) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    const testing_support::Bytes file = MidiFileOf(static_cast<std::size_t>(state.range(0)));
    std::size_t sections = 0;
    for (auto _ : state) {
        const Melody melody = ReadMidiFile(file);
        const MelodyAnswer answer = RankMelody(catalogue, melody, {});
        sections = answer.sections.size();
        benchmark::DoNotOptimize(answer);
    }
    state.counters["sections"] = static_cast<double>(sections);
}
BENCHMARK(BM_MidiFileReadAndAnswered)
    ->Arg(10'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// A MusicXML score of 5 MB read from memory and answered the same way.
void BM_MusicXmlReadAndAnswered(benchmark::State& state) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    const std::string score = MusicXmlOf(static_cast<std::size_t>(state.range(0)));
    std::size_t notes = 0;
    for (auto _ : state) {
        const Melody melody = ReadMusicXml(score);
        const MelodyAnswer answer = RankMelody(catalogue, melody, {});
        notes = melody.notes.size();
        benchmark::DoNotOptimize(answer);
    }
    state.counters["bytes"] = static_cast<double>(score.size());
    state.counters["notes"] = static_cast<double>(notes);
}
BENCHMARK(BM_MusicXmlReadAndAnswered)
    ->Arg(5'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// The relations of D Dorian against the shipped catalogue: modes,
// neighbours, parallels, chords by degree and the set-class facts.
void BM_RelationsOfOneScale(benchmark::State& state) {
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    const PitchClassSet dorian = SetOf({0, 2, 3, 5, 7, 9, 10});
    const SpelledScale scale = SpellScale(dorian, NoteName{1, 0});
    std::size_t related = 0;
    for (auto _ : state) {
        const ScaleRelations relations = RelationsOf(catalogue, scale, dorian);
        related = relations.added.size() + relations.removed.size() + relations.moved.size() +
                  relations.parallel.size();
        benchmark::DoNotOptimize(relations);
    }
    state.counters["related"] = static_cast<double>(related);
}
BENCHMARK(BM_RelationsOfOneScale)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_LoadScales(benchmark::State& state) {
    const auto entries = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path file = std::filesystem::temp_directory_path() /
                                       ("orvel-bench-" + std::to_string(entries) + ".csv");
    const std::string text = CatalogueFileText(SyntheticCatalogue(entries));
    std::ofstream(file, std::ios::binary) << text;

    std::ostringstream warnings;
    for (auto _ : state) {
        std::vector<TScale> scale = LoadScales(file, warnings).scales;
        if (scale.size() != entries) {
            state.SkipWithError("catalogue did not load completely");
        }
        benchmark::DoNotOptimize(scale);
        // Releasing the catalogue is not part of loading it.
        state.PauseTiming();
        scale = {};
        state.ResumeTiming();
    }
    std::filesystem::remove(file);
    state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
    state.counters["lines/s"] = benchmark::Counter(
        static_cast<double>(entries) * state.iterations(), benchmark::Counter::kIsRate);
}
// The reference the loader is held against: the least a loader can do, a
// bare loop that reads lines, cuts them and keeps bank, name and set.
void BM_BareLineLoop(benchmark::State& state) {
    const auto entries = static_cast<std::size_t>(state.range(0));
    const std::filesystem::path file =
        std::filesystem::temp_directory_path() / "orvel-bench-bare.csv";
    const std::string text = CatalogueFileText(SyntheticCatalogue(entries));
    std::ofstream(file, std::ios::binary) << text;
    struct Record {
        std::string bank;
        std::string name;
        std::int64_t set = 0;
    };
    for (auto _ : state) {
        std::vector<Record> records;
        std::ifstream in(file, std::ios::binary);
        std::string line;
        std::getline(in, line);
        std::getline(in, line);
        while (std::getline(in, line)) {
            Record record;
            std::size_t start = 0;
            for (int field = 0; field < 14; ++field) {
                const std::size_t end = std::min(line.find(',', start), line.size());
                const std::string_view text(line.data() + start, end - start);
                if (field == 0) {
                    record.bank = text;
                } else if (field == 1) {
                    record.name = text;
                } else {
                    record.set = record.set * 2 + (text == "TRUE" ? 1 : 0);
                }
                start = end + 1;
            }
            records.push_back(std::move(record));
        }
        benchmark::DoNotOptimize(records);
        state.PauseTiming();
        records = {};
        state.ResumeTiming();
    }
    std::filesystem::remove(file);
    state.SetBytesProcessed(static_cast<std::int64_t>(text.size()) * state.iterations());
}
BENCHMARK(BM_BareLineLoop)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// Spelling every row of a result, as orvel-match --spell does; the window
// spells only the row it opens.
void BM_SpellEveryRow(benchmark::State& state) {
    const auto catalogue = SyntheticCatalogue(static_cast<std::size_t>(state.range(0)));
    const TMatchResult result = MatchScales(WorstCaseQuery(), catalogue);
    std::size_t rows = 0;
    for (auto _ : state) {
        rows = 0;
        for (const TMatchRows* list : {&result.ExactRows, &result.ContainingRows}) {
            for (std::size_t k = 0; k < list->size(); ++k) {
                const TMatchRow row = (*list)[k];
                benchmark::DoNotOptimize(
                    SpellScale(result.EntryNotes(row), result.RootPitchClass(row)));
                ++rows;
            }
        }
    }
    state.counters["rows"] = static_cast<double>(rows);
}
BENCHMARK(BM_SpellEveryRow)
    ->Arg(10'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

BENCHMARK(BM_LoadScales)
    ->Arg(1'000'000)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orvel::bench

BENCHMARK_MAIN();
