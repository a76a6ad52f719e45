#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the given program in a virtual X display of its own (Xvfb), ticks a
# check box with a real mouse click, opens the File menu from the keyboard and
# chooses Exit. Passes when the program ends by itself with exit code 0 within
# a few seconds.
# Usage: real_window_test.sh PROGRAM
set -u
source "$(dirname "$0")/../support/virtual_x_server.sh"
source "$(dirname "$0")/../support/require_tools.sh"
require_tools Xvfb xdotool || exit 1
program=$1
# Under the sanitizers, whole stacks for each allocation, so that leaks kept
# by Qt's D-Bus thread are told apart from the program's own (lsan-qt.supp).
[ -n "${ASAN_OPTIONS:-}" ] && export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"

start_virtual_x_server || exit 1
xvfb_pid=$virtual_x_server

"$program" &
pid=$!
cleanup() {
    kill "$pid" 2>/dev/null
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
}
trap cleanup EXIT

window=""
for _ in $(seq 300); do
    window=$(xdotool search --onlyvisible --name '^Orvel Modalune$' 2>/dev/null | head -n 1)
    [ -n "$window" ] && break
    kill -0 "$pid" 2>/dev/null || { echo "the program ended before its window appeared"; exit 1; }
    sleep 0.1
done
if [ -z "$window" ]; then
    echo "no window titled 'Orvel Modalune' appeared"
    exit 1
fi
sleep 1
xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"

# The "C" check box: 30,188 in the content area, which lies below the menu bar.
eval "$(xdotool getwindowgeometry --shell "$window")"
menu_height=$(( HEIGHT - 605 ))
xdotool mousemove --sync $(( X + 38 )) $(( Y + menu_height + 200 )) click 1
sleep 0.5

# File menu from the keyboard (Alt+F), then Exit by its mnemonic. A loaded
# machine may drop the first key presses, so they are tried a few times.
for attempt in 1 2 3; do
    xdotool key --window "$window" alt+f
    sleep 1
    xdotool key x
    for _ in $(seq 30); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            code=$?
            echo "the program ended with exit code $code (attempt $attempt)"
            exit "$code"
        fi
        sleep 0.1
    done
    xdotool key Escape
done
echo "the program did not end after File > Exit"
exit 1
