#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the default build, checks its file list and
# dependencies, installs it with apt-get, and uses the installed programs:
# orvel-match from /usr/bin, and the window in a virtual X display.
# Needs root (or sudo) for the installation; removes the package afterwards.
#   tools/package.sh
set -euo pipefail
cd "$(dirname "$0")/.."
as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)

cmake --preset default >/dev/null
cmake --build --preset default --parallel "$(nproc)" --target orvel-modalune orvel-match
(cd build/default && rm -f ./*.deb && cpack -G DEB >/dev/null)
package=$(ls build/default/orvel-modalune_*_*.deb)
echo "== $package"
dpkg-deb -f "$package" Package Version Depends

listing=$(dpkg-deb -c "$package" | awk '{ $1=$2=$3=$4=$5=""; sub(/^ +/, ""); print }')
for expected in "./usr/bin/orvel-modalune -> ../lib/orvel-modalune/orvel-modalune" \
                "./usr/bin/orvel-match -> ../lib/orvel-modalune/orvel-match" \
                "./usr/lib/orvel-modalune/orvel-modalune" "./usr/lib/orvel-modalune/orvel-match" \
                "./usr/lib/orvel-modalune/liborvel-player.so" \
                "./usr/lib/orvel-modalune/liborvel-midi.so" \
                "./usr/lib/orvel-modalune/liborvel-listening.so" \
                "./usr/lib/orvel-modalune/Orvel Scales.csv" \
                "./usr/share/applications/org.orvel.Modalune.desktop" \
                "./usr/share/metainfo/org.orvel.Modalune.metainfo.xml" \
                "./usr/share/icons/hicolor/256x256/apps/orvel-modalune.png" \
                "./usr/share/doc/orvel-modalune/copyright"; do
    grep -qxF "$expected" <<<"$listing" || { echo "the package lacks: $expected"; exit 1; }
done
if grep -qE '(test|bench|fuzz)' <<<"$listing"; then
    echo "the package holds development files"; exit 1
fi
dpkg-deb -f "$package" Depends | grep -q libqt6widgets6 || { echo "no Qt dependency recorded"; exit 1; }
dpkg-deb -f "$package" Depends | grep -q librtmidi || { echo "no RtMidi dependency recorded"; exit 1; }
dpkg-deb -f "$package" Depends | grep -q libaubio || { echo "no aubio dependency recorded"; exit 1; }

"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "./$package" >/dev/null
trap '"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq orvel-modalune >/dev/null' EXIT
grep -qxF "License: GPL-3.0-or-later" /usr/share/doc/orvel-modalune/copyright ||
    { echo "the installed copyright file names no GPL-3.0-or-later licence"; exit 1; }
(cd / && /usr/bin/orvel-match C E G | grep -q "^exact	Chords	Major Triad	C$")
# The installed listening module hears what the installed synthesiser plays.
heard=$(mktemp --suffix=.wav)
/usr/bin/orvel-match --wav "$heard" --root D D E F G A B C >/dev/null
/usr/bin/orvel-match --listen "$heard" | grep -q "^key	" || { echo "the installed orvel-match --listen heard no key"; exit 1; }
rm -f "$heard"
tests/app/real_window_test.sh /usr/bin/orvel-modalune
echo "package installed, both programs ran from /usr/bin"
