#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the icon's PNG sizes from its hand-drawn SVGs: 16 and 32 px from
# their own pixel-grid drawings, 48 and 256 px from the full drawing. The PNGs
# are committed; run this after changing an SVG (needs librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/desktop/icons"
rsvg-convert -w 16 -h 16 orvel-modalune-16.svg -o orvel-modalune-16.png
rsvg-convert -w 32 -h 32 orvel-modalune-32.svg -o orvel-modalune-32.png
rsvg-convert -w 48 -h 48 orvel-modalune.svg -o orvel-modalune-48.png
rsvg-convert -w 256 -h 256 orvel-modalune.svg -o orvel-modalune-256.png
