#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages that building, running and testing need,
# skipping those already installed. Runs apt-get as root, through sudo when
# the caller is not root.
set -euo pipefail

packages=(
    g++ clang clang-format libclang-rt-14-dev cmake make pkg-config python3 python3-fonttools
    qt6-base-dev libgl-dev libcli11-dev nlohmann-json3-dev adwaita-qt6
    libfluidsynth-dev libasound2-dev timgm6mb-soundfont pulseaudio pulseaudio-utils
    librtmidi-dev libjack-jackd2-dev jackd2
    libzip-dev qt6-svg-dev fonts-noto-core libsndfile1-dev libaubio-dev libpulse-dev
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick
    desktop-file-utils appstream dpkg-dev
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

as_root=()
[ "$(id -u)" -ne 0 ] && as_root=(sudo)
echo "Installing: ${missing[*]}"
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq
"${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
