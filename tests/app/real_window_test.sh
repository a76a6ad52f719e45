#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the given program in a virtual X display of its own (Xvfb), ticks a
# check box with a real mouse click, opens the File menu from the keyboard and
# chooses Exit. Passes when the program ends by itself with exit code 0 within
# a few seconds.
# Usage: real_window_test.sh PROGRAM
set -u
program=$1

# Xvfb picks a free display itself and reports it once it accepts clients, so
# runs one after another never meet a server that is still shutting down.
fifo=$(mktemp -u)
mkfifo "$fifo"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" 2>/dev/null &
xvfb_pid=$!
read -r display_number <"$fifo"
rm -f "$fifo"
export DISPLAY=":$display_number"
# Seen on a loaded machine: the program could not yet connect although the
# server had reported its display. Wait until the server answers.
for _ in $(seq 100); do
    xdotool getdisplaygeometry >/dev/null 2>&1 && break
    sleep 0.1
done

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
