#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a C++ source of the repository is not as clang-format (with
# .clang-format) writes it, naming the places.
#   tools/check-format.sh
set -euo pipefail
cd "$(dirname "$0")/.."
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror
echo "every C++ source is clang-formatted"
