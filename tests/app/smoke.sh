#!/usr/bin/env bash
# Starts velmora, passes the title and picture screens with keys, sees the main window,
# quits through the notice and the dedication, and expects the program to end with status 0.
set -u
program=$1

fail() { echo "smoke: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }

. "$(dirname "$0")/xwindows.sh"

# Gives a window the keyboard (there is no window manager to do it) and types a key.
press() {
    local id
    id=$(window "$1") || fail "no window \"$1\""
    xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
    sleep 0.2
    xdotool key "$2"
}

"$program" &
pid=$!

press "Titleform" Right
sleep 0.3
window "Titleform" >/dev/null || fail "an arrow key left the title screen"
press "Titleform" a
press "Prophecy" Return
window "Velmora model based on Lewis-Leslie matrix" >/dev/null || fail "the main window did not appear"
# "Project" holds the focus; Tab passes the disabled "Transit" and reaches "Quit".
press "Velmora model based on Lewis-Leslie matrix" space
press "Velmora model based on Lewis-Leslie matrix" space
press "Velmora model based on Lewis-Leslie matrix" Tab
xdotool key space
press "Copyright" space
press "Dedication" space

for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        [ "$status" -eq 0 ] || { echo "smoke: velmora ended with status $status" >&2; exit 1; }
        echo "smoke: passed"
        exit 0
    fi
    sleep 0.1
done
fail "velmora did not end after the dedication's button"
