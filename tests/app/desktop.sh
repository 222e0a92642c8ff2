#!/usr/bin/env bash
# Runs velmora under a real window manager (metacity) on the X server it is given, as a student
# meets it on a desktop. Keys are typed where the window manager puts the focus, never forced:
# the title and picture screens must take them as they come up. The three start windows stay
# out of the task bar and the backdrop never asks for attention; Alt+F4 leaves the editing
# window open and takes the closing notice back to the main window; the program ends through
# the notice and the dedication with status 0.
set -u
program=$1
main="Velmora model based on Lewis-Leslie matrix"
pid=""
wm=""

finish() {
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    [ -n "$wm" ] && kill "$wm" 2>/dev/null
}
trap finish EXIT
fail() { echo "desktop: $*" >&2; exit 1; }

. "$(dirname "$0")/xwindows.sh"

# Waits until the window manager has given that window the focus.
focused() {
    local id
    id=$(window "$1") || fail "no window \"$1\""
    for _ in $(seq 1 100); do
        [ "$(xdotool getactivewindow 2>/dev/null)" = "$id" ] && return 0
        sleep 0.1
    done
    fail "\"$1\" did not get the focus (the focus is on $(xdotool getactivewindow getwindowname 2>/dev/null))"
}

# The window manager's state of a window: the atoms of _NET_WM_STATE, as xprop prints them.
state() {
    xprop -id "$1" _NET_WM_STATE
}

outOfTaskBar() {
    local id
    id=$(window "$1") || fail "no window \"$1\""
    state "$id" | grep -q _NET_WM_STATE_SKIP_TASKBAR \
        || fail "\"$1\" is listed in the task bar: $(state "$id")"
}

calmBackdrop() {
    local id
    id=$(window Backform) || fail "no backdrop"
    if state "$id" | grep -q _NET_WM_STATE_DEMANDS_ATTENTION; then
        fail "the backdrop asks for attention $1: $(state "$id")"
    fi
}

type_key() {
    xdotool key "$1"
    sleep 0.3
}

metacity --replace --sm-disable >/dev/null 2>&1 &
wm=$!
for _ in $(seq 1 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK | grep -q 'window id' || fail "metacity did not start"

"$program" &
pid=$!

focused "Titleform"
window Backform >/dev/null || fail "no backdrop behind the title screen"
outOfTaskBar "Titleform"
outOfTaskBar "Backform"
calmBackdrop "behind the title screen"
type_key Right
window "Titleform" >/dev/null || fail "an arrow key left the title screen"
type_key a
focused "Prophecy"
outOfTaskBar "Prophecy"
type_key Return
focused "$main"
calmBackdrop "behind the main window"

# "Project" has the focus; Tab passes the disabled "Transit" and "Graph" on its way to
# "Change default values".
for _ in 1 2 3 4 5; do type_key Tab; done
type_key space
focused "Change default values"
type_key alt+F4
sleep 0.5
kill -0 "$pid" 2>/dev/null || fail "velmora ended on Alt+F4 in the editing window"
window "Change default values" >/dev/null || fail "Alt+F4 closed the editing window"
focused "Change default values"

# "Go Back" has the focus: back to the main window, then "Quit" (Tab past "Transit").
type_key space
focused "$main"
type_key Tab
type_key space
focused "Copyright"
# Alt+F4 on the notice abandons the quit: the main window is back, "Quit" still focused.
type_key alt+F4
focused "$main"
type_key space
focused "Copyright"
type_key space
focused "Dedication"
calmBackdrop "behind the dedication"
type_key space

for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid"
        status=$?
        pid=""
        [ "$status" -eq 0 ] || fail "velmora ended with status $status"
        echo "desktop: passed"
        exit 0
    fi
    sleep 0.1
done
fail "velmora did not end after the dedication's button"
