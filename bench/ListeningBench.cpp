// SPDX-License-Identifier: GPL-3.0-or-later
// Listening:
//   - a 3-minute recording (rendered by the synthesiser) heard and answered,
//     as a melody and as chords;
//   - from a note's start to the note heard, fed 10 ms at a time as the
//     microphone gives it: the detector's delay in sound, and the time to
//     hear each block;
//   - recordings of 3 minutes and 3 hours (8 kHz) heard whole: the time,
//     and how much the peak memory grew.
//
//   build/default/bin/orvel_listening_bench
//
// The window adds at most 10 ms (a block from the sound server) and 20 ms
// (how often it looks) to the detector's delay.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <fstream>
#include <numbers>
#include <sstream>

#include "audio/Renderer.h"
#include "listening/HearRecording.h"
#include "listening/MelodyEar.h"
#include "matching/RankMelody.h"
#include "scales/LoadScales.h"
#include "support/Recordings.h"

namespace orvel::bench {
namespace {

constexpr double kThreeMinutes = 180;

std::filesystem::path Scratch(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("orvel-listening-bench-" + name);
}

// The pattern again and again, for `seconds`.
std::vector<testing_support::Played> Repeated(const std::vector<testing_support::Played>& pattern,
                                              double period, double seconds) {
    std::vector<testing_support::Played> notes;
    for (double offset = 0; offset + period <= seconds; offset += period) {
        for (testing_support::Played note : pattern) {
            note.start += offset;
            notes.push_back(note);
        }
    }
    return notes;
}

const std::filesystem::path& ThreeMinutes(ListenMode mode) {
    static const std::filesystem::path melody = testing_support::Rendered(
        Scratch("melody.wav"),
        Repeated(testing_support::TuneOf(0.4, testing_support::kDorianTune), 7.2, kThreeMinutes));
    static const std::filesystem::path chords = testing_support::Rendered(
        Scratch("chords.wav"), Repeated(testing_support::TwoFiveOnes(1.0), 8, kThreeMinutes));
    return mode == ListenMode::Melody ? melody : chords;
}

void BM_HearThreeMinutes(benchmark::State& state) {
    const auto mode = static_cast<ListenMode>(state.range(0));
    const auto& file = ThreeMinutes(mode);
    std::ostringstream warnings;
    const std::vector<TScale> catalogue = LoadScales(ORVEL_CATALOGUE, warnings).scales;
    std::size_t notes = 0;
    for (auto _ : state) {
        const Heard heard = HearRecording(file, mode);
        const MelodyAnswer answer = RankMelody(catalogue, heard.AsMelody(), {});
        notes = heard.notes.size();
        benchmark::DoNotOptimize(answer);
    }
    state.counters["notes"] = static_cast<double>(notes);
    state.SetLabel(mode == ListenMode::Melody ? "melody" : "chords");
}
BENCHMARK(BM_HearThreeMinutes)
    ->Arg(static_cast<int>(ListenMode::Melody))
    ->Arg(static_cast<int>(ListenMode::Chords))
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

// Half a second of silence, then a note: sung (a sine with vibrato) or
// struck on the synthesiser's piano.
std::vector<float> SilenceThenNote(bool sung) {
    constexpr int kRate = Renderer::kSampleRate;
    std::vector<float> mono(kRate / 2, 0.0F);
    if (sung) {
        for (int i = 0; i < kRate; ++i) {
            const double t = static_cast<double>(i) / kRate;
            mono.push_back(
                static_cast<float>(0.3 * std::min(1.0, t / 0.02) *
                                   std::sin(2 * std::numbers::pi * 293.66 * t +
                                            0.6 * std::sin(2 * std::numbers::pi * 5.5 * t))));
        }
        return mono;
    }
    Renderer renderer(Player::DefaultSoundfont());
    const std::vector<float> stereo = renderer.RenderAll({{62, 500, 1000, 100}});
    mono.assign(stereo.size() / 2, 0.0F);
    for (std::size_t i = 0; i < mono.size(); ++i) {
        mono[i] = (stereo[2 * i] + stereo[2 * i + 1]) / 2;
    }
    return mono;
}

void BM_SoundToNote(benchmark::State& state) {
    const bool sung = state.range(0) == 1;
    const std::vector<float> sound = SilenceThenNote(sung);
    constexpr std::size_t kBlock = Renderer::kSampleRate / 100;  // 10 ms
    double heardAfterMs = -1;
    std::size_t blocks = 0;
    for (auto _ : state) {
        MelodyEar ear(Renderer::kSampleRate);
        heardAfterMs = -1;
        blocks = 0;
        for (std::size_t at = 0; at + kBlock <= sound.size(); at += kBlock) {
            ear.Hear(std::span(sound).subspan(at, kBlock));
            ++blocks;
            const auto pitch = ear.Now().pitch;
            if (heardAfterMs < 0 && pitch && std::lround(*pitch) == 62) {
                heardAfterMs =
                    static_cast<double>(at + kBlock) / Renderer::kSampleRate * 1000 - 500;
            }
        }
    }
    state.counters["heard_after_ms"] = heardAfterMs;
    state.counters["per_block_us"] =
        benchmark::Counter(static_cast<double>(blocks * state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
    state.SetLabel(sung ? "sung D4" : "piano D4");
}
BENCHMARK(BM_SoundToNote)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The process's peak memory, in kB, since ResetPeak.
long PeakKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

long CurrentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::stol(line.substr(6));
        }
    }
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

// A melody of sine tones, a note every 0.4 s, for `seconds`, at 8 kHz in
// 16-bit samples, written a block at a time.
std::filesystem::path LongRecording(double seconds) {
    constexpr int kRate = 8000;
    const auto path = Scratch("long-" + std::to_string(static_cast<int>(seconds)) + ".wav");
    const auto samples = static_cast<std::uint32_t>(seconds * kRate);
    std::ofstream out(path, std::ios::binary);
    const auto put = [&](std::uint32_t value, int bytes) {
        for (int i = 0; i < bytes; ++i) {
            out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
        }
    };
    out << "RIFF";
    put(36 + samples * 2, 4);
    out << "WAVEfmt ";
    put(16, 4);
    put(1, 2);
    put(1, 2);
    put(kRate, 4);
    put(kRate * 2, 4);
    put(2, 2);
    put(16, 2);
    out << "data";
    put(samples * 2, 4);
    const std::vector<int>& tune = testing_support::kDorianTune;
    for (std::uint32_t i = 0; i < samples; ++i) {
        const double t = static_cast<double>(i) / kRate;
        const auto note = static_cast<std::size_t>(t / 0.4);
        const double within = t - static_cast<double>(note) * 0.4;
        const double hz = 440 * std::pow(2, (tune[note % tune.size()] - 69) / 12.0);
        const double sample =
            within < 0.36 ? 0.3 * std::sin(2 * std::numbers::pi * hz * within) : 0;
        put(static_cast<std::uint16_t>(static_cast<std::int16_t>(sample * 32767)), 2);
    }
    return path;
}

// How far memory grows while a recording of some minutes is heard: as
// much for three hours as for three minutes, but for the notes kept.
void BM_HearLongRecording(benchmark::State& state) {
    const auto mode = static_cast<ListenMode>(state.range(0));
    const auto file = LongRecording(static_cast<double>(state.range(1)) * 60);
    std::size_t notes = 0;
    long growth = 0;
    for (auto _ : state) {
        const long before = CurrentKilobytes();
        ResetPeak();
        notes = HearRecording(file, mode).notes.size();
        growth = PeakKilobytes() - before;
    }
    std::filesystem::remove(file);
    state.counters["peak_growth_MB"] = static_cast<double>(growth) / 1024;
    state.counters["notes"] = static_cast<double>(notes);
    state.SetLabel(mode == ListenMode::Melody ? "melody" : "chords");
}
BENCHMARK(BM_HearLongRecording)
    ->ArgNames({"chords", "minutes"})
    ->Args({static_cast<int>(ListenMode::Melody), 3})
    ->Args({static_cast<int>(ListenMode::Melody), 180})
    ->Args({static_cast<int>(ListenMode::Chords), 3})
    ->Args({static_cast<int>(ListenMode::Chords), 180})
    ->Unit(benchmark::kSecond)
    ->Iterations(1);

}  // namespace
}  // namespace orvel::bench

BENCHMARK_MAIN();
