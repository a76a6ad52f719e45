# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the tests that drive a real window: start_virtual_x_server
# starts Xvfb on a display of its own, exports DISPLAY, and returns once the
# server answers; its process id is then in $virtual_x_server.
#
# Xvfb picks a free display itself and reports it, so runs one after another
# never meet a server still shutting down. Two servers starting at the same
# moment were seen to pick one number (a program then aborted, unable to
# open its display): starts are taken in turn, under a lock every such test
# takes. A loaded machine was seen to report the display before the server
# answered: the start waits until it does. That first client leaving would
# reset the server, refusing whoever connects meanwhile: -noreset.
start_virtual_x_server() {
    local fifo
    fifo=$(mktemp -u)
    mkfifo "$fifo"
    exec 9>"${TMPDIR:-/tmp}/orvel-virtual-x-server.lock"
    flock 9
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$fifo" 2>/dev/null &
    virtual_x_server=$!
    local display_number
    read -r display_number <"$fifo"
    rm -f "$fifo"
    export DISPLAY=":$display_number"
    for _ in $(seq 300); do
        xdotool getdisplaygeometry >/dev/null 2>&1 && break
        sleep 0.1
    done
    flock -u 9
    exec 9>&-
    xdotool getdisplaygeometry >/dev/null 2>&1 || { echo "the virtual X server did not answer"; return 1; }
}
