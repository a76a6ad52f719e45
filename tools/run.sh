#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and opens Orvel Modalune with the shipped catalogue.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-dependencies.sh
cmake --preset default
cmake --build --preset default --parallel "$(nproc)" --target orvel-modalune
exec build/default/bin/orvel-modalune
