#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds everything (programs, tests, benchmarks) and runs all tests.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)"
ctest --preset default --parallel "$(nproc)"
