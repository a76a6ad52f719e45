#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang and libFuzzer and runs each for the given
# number of seconds (default 60) from its seed corpus in tests/fuzz/corpus/,
# which it reads but never changes. Fails on any finding; the crashing input
# is left in build/fuzz/ and the log in build/fuzz/<target>.log.
#   tools/fuzz.sh [seconds]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
tools/install-dependencies.sh
cmake --preset fuzz
# The targets as tests/fuzz/CMakeLists.txt names them.
mapfile -t pairs <build/fuzz/fuzz-targets.txt
targets=()
for pair in "${pairs[@]}"; do
    targets+=("${pair%% *}")
done
cmake --build --preset fuzz --parallel "$(nproc)" --target "${targets[@]}"

for pair in "${pairs[@]}"; do
    target=${pair%% *}
    corpus=${pair##* }
    rm -rf "build/fuzz/work-$target"
    mkdir -p "build/fuzz/work-$target"
    log="build/fuzz/$target.log"
    echo "== fuzzing $target for $seconds s"
    status=0
    (cd build/fuzz && "bin/$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
        "work-$target" "../../tests/fuzz/corpus/$corpus") >"$log" 2>&1 || status=$?
    grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec)' "$log" || true
    if [ "$status" -ne 0 ]; then
        echo "$target found a fault (exit $status):"
        tail -n 40 "$log"
        exit 1
    fi
done
