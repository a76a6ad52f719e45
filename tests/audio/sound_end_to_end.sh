#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sound through a real PulseAudio server with a null sink, its monitor
# recorded while the real programs play: orvel-match --play, then the window
# in a virtual X display driven by real key presses (Enter on a row, then
# Alt+P in the details window). Passes when both recordings begin with the
# row's root, middle C.
# Usage: sound_end_to_end.sh ORVEL_MATCH ORVEL_MODALUNE ORVEL_FIRST_PITCH
set -u
source "$(dirname "$0")/../support/virtual_x_server.sh"
source "$(dirname "$0")/../support/require_tools.sh"
require_tools Xvfb xdotool pulseaudio parecord || exit 1
match=$1
program=$2
first_pitch=$3

work=$(mktemp -d)
export XDG_RUNTIME_DIR=$work/run
mkdir -p "$XDG_RUNTIME_DIR"
export PULSE_SERVER=unix:$work/native
pulseaudio -n --daemonize=no --exit-idle-time=-1 --use-pid-file=no \
    -L "module-null-sink sink_name=orvel" \
    -L "module-native-protocol-unix socket=$work/native auth-anonymous=1" >"$work/pulse.log" 2>&1 &
pulse=$!
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    kill "$pulse" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
for _ in $(seq 100); do
    pactl info >/dev/null 2>&1 && break
    sleep 0.1
done
pactl info >/dev/null 2>&1 || { echo "the PulseAudio server did not start"; cat "$work/pulse.log"; exit 1; }

# Records the null sink while "$@" runs, then prints the first pitch heard.
heard_while() {
    local recording=$work/recording-$RANDOM.wav
    parecord --device=orvel.monitor --file-format=wav "$recording" &
    local recorder=$!
    # Sound only once the recording runs: a loaded machine starts it late.
    for _ in $(seq 100); do
        [ -n "$(pactl list short source-outputs 2>/dev/null)" ] && break
        sleep 0.1
    done
    sleep 0.3
    "$@" >/dev/null
    sleep 0.5
    kill "$recorder"
    wait "$recorder" 2>/dev/null
    "$first_pitch" "$recording"
}

played=$(heard_while "$match" --play --tempo 120 C E G)
if [ "$played" != 60 ]; then
    echo "orvel-match --play: heard '$played', expected middle C (60)"
    exit 1
fi
echo "orvel-match --play: the recording begins with middle C"

# The window, in a virtual X display of its own.
start_virtual_x_server || exit 1
pids+=("$virtual_x_server")
# The id of the visible window of that title, once it appears; empty
# after 30 s.
window_named() {
    local id=""
    for _ in $(seq 300); do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1)
        [ -n "$id" ] && break
        sleep 0.1
    done
    echo "$id"
}

"$program" 2>"$work/program.log" &
pids+=($!)
window=$(window_named "Orvel Modalune")
[ -n "$window" ] || { echo "the window did not appear"; cat "$work/program.log"; exit 1; }
sleep 1
xdotool windowfocus --sync "$window"
eval "$(xdotool getwindowgeometry --shell "$window")"
menu=$(( HEIGHT - 605 ))
for position in 0 4 7; do  # C, E and G under the root C
    xdotool mousemove --sync $(( X + 38 )) $(( Y + menu + 200 + 30 * position )) click 1
    sleep 0.2
done
# The exact list's first row, the major triad on C; Enter opens its details.
xdotool mousemove --sync $(( X + 300 )) $(( Y + menu + 62 )) click 1
sleep 0.3
xdotool key Return
details=$(window_named "Scale Details")
[ -n "$details" ] || { echo "Enter did not open the details window"; exit 1; }
xdotool windowfocus --sync "$details"
sleep 0.5
press_play() {
    xdotool key alt+p
    sleep 3
}
played=$(heard_while press_play)
if [ "$played" != 60 ]; then
    echo "the window's Play (Alt+P): heard '$played', expected middle C (60)"
    exit 1
fi
echo "the window's Play (Alt+P): the recording begins with middle C"
