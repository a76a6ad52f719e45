#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds only the target orvel-modalune, as tools/run.sh does, in a fresh
# build folder, and passes when the modules the program loads at run time
# (sound, MIDI and listening) lie beside it.
# Usage: program_target_test.sh SOURCE_FOLDER
set -euo pipefail
source_folder=$1
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
# Unoptimised, without tests and benchmarks: the quickest build of the program.
cmake -S "$source_folder" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DORVEL_BUILD_TESTS=OFF \
    -DORVEL_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target orvel-modalune >/dev/null
status=0
for module in orvel-modalune liborvel-player.so liborvel-midi.so liborvel-listening.so; do
    if [ -e "$build/bin/$module" ]; then
        echo "built: $module"
    else
        echo "missing beside the program: $module"
        status=1
    fi
done
exit $status
