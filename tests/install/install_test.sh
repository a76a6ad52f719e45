#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a fresh prefix and uses it as a user would: runs the
# installed orvel-match through its link in bin/ from another working folder,
# and validates the desktop entry and the AppStream metainfo.
# Usage: install_test.sh BUILD_FOLDER SHORT_VERSION
set -euo pipefail
build=$1
version=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

for file in "lib/orvel-modalune/orvel-modalune" "lib/orvel-modalune/orvel-match" "lib/orvel-modalune/Orvel Scales.csv" \
            share/applications/org.orvel.Modalune.desktop share/metainfo/org.orvel.Modalune.metainfo.xml \
            share/icons/hicolor/16x16/apps/orvel-modalune.png share/icons/hicolor/32x32/apps/orvel-modalune.png \
            share/icons/hicolor/48x48/apps/orvel-modalune.png share/icons/hicolor/256x256/apps/orvel-modalune.png \
            share/icons/hicolor/scalable/apps/orvel-modalune.svg share/doc/orvel-modalune/copyright; do
    [ -f "$prefix/$file" ] || { echo "missing after install: $file"; exit 1; }
done
for program in orvel-modalune orvel-match; do
    [ -L "$prefix/bin/$program" ] || { echo "bin/$program is not a link"; exit 1; }
    [ "$(readlink -f "$prefix/bin/$program")" = "$(readlink -f "$prefix/lib/orvel-modalune/$program")" ] ||
        { echo "bin/$program points elsewhere"; exit 1; }
done

# From another folder, through the link: the catalogue beside the real program is found.
output=$(cd / && "$prefix/bin/orvel-match" C E G)
grep -q "^exact	Chords	Major Triad	C$" <<<"$output" || { echo "unexpected output: $output"; exit 1; }
[ "$(cd / && "$prefix/bin/orvel-match" --version)" = "orvel-match $version" ]

desktop-file-validate "$prefix/share/applications/org.orvel.Modalune.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/org.orvel.Modalune.metainfo.xml" >/dev/null
echo "installed, found its catalogue through the link, desktop entry and metainfo valid"
