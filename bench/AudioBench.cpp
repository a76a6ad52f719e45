// SPDX-License-Identifier: GPL-3.0-or-later
// Sound: loading the soundfont on the first play, and from a Play press to
// the first block the sound server takes (once the soundfont is loaded).
//
//   build/default/bin/orvel_audio_bench
//
// The second needs a sound server; without one it reports the error.

#include <benchmark/benchmark.h>

#include <thread>

#include "audio/Player.h"
#include "audio/Renderer.h"

namespace orvel::bench {
namespace {

const std::vector<TimedNote> kScale = ScaleRun(2773, KeyNearMiddleC(kC), 120);

void BM_LoadSoundfont(benchmark::State& state) {
    for (auto _ : state) {
        Renderer renderer(Player::DefaultSoundfont());
        benchmark::DoNotOptimize(renderer);
    }
}
BENCHMARK(BM_LoadSoundfont)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void BM_PlayToFirstBlock(benchmark::State& state) {
    Player player;
    if (const auto missing = player.Play(kScale)) {
        state.SkipWithError(missing->c_str());
        return;
    }
    player.Stop();
    for (auto _ : state) {
        const auto pressed = std::chrono::steady_clock::now();
        if (const auto missing = player.Play(kScale)) {
            state.SkipWithError(missing->c_str());
            return;
        }
        while (player.FirstBlockTime() < pressed) {
            std::this_thread::yield();
        }
        state.SetIterationTime(
            std::chrono::duration<double>(player.FirstBlockTime() - pressed).count());
        state.PauseTiming();
        player.Stop();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_PlayToFirstBlock)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(20)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace orvel::bench

BENCHMARK_MAIN();
