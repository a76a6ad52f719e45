#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Start-up to the first painted window, timed as whole processes, offscreen:
# the real application (with the catalogue beside it) against the same kinds
# of widgets at the same places built directly with Qt (StartUpPlainQt.cpp),
# alternating, 30 runs each; prints the medians and their ratio.
#   bench/startup.sh [build folder]     (default build/default)
set -euo pipefail
bin=${1:-build/default}/bin
export QT_QPA_PLATFORM=offscreen
python3 - "$bin" <<'PY'
import statistics, subprocess, sys, time
bin = sys.argv[1]
def run(program):
    start = time.perf_counter()
    subprocess.run([f"{bin}/{program}"], check=True, stderr=subprocess.DEVNULL)
    return (time.perf_counter() - start) * 1000
for program in ("orvel_startup_app", "orvel_startup_plain_qt"):
    run(program)  # warm the file cache
times = {"orvel_startup_app": [], "orvel_startup_plain_qt": []}
for _ in range(30):
    for program in times:
        times[program].append(run(program))
app = statistics.median(times["orvel_startup_app"])
plain = statistics.median(times["orvel_startup_plain_qt"])
print(f"start-up to first paint, median of 30: application {app:.1f} ms, plain Qt window {plain:.1f} ms, ratio {app / plain:.2f}")
PY
