#!/bin/sh
# Under a real window manager (openbox), which puts a title bar and a border around the
# window, a user who starts "前回の状態で起動" finds the window where it was left: three
# restarts put the client area at the same place each time, instead of moving it down
# by the title bar and right by the border at every start.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
PROGRAM=$1
E2E_NAME=window_position
. "$(dirname "$0")/lib/openbox.sh"

# The program's own window (the client of openbox's frame): its position on the screen.
clientPosition() {
    xwininfo -id "$WID" | awk '/Absolute upper-left X/ {x = $NF} /Absolute upper-left Y/ {y = $NF}
                               END {print x "," y}'
}
# The frame openbox put around it: the title bar's height.
titleBar() {
    xprop -id "$WID" _NET_FRAME_EXTENTS | sed 's/.*= *//' | cut -d, -f3 | tr -d ' '
}
start() {
    "$PROGRAM" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WID=$(timeout 10 xdotool search --sync --onlyvisible --name 'home$' | head -n 1)
    [ -n "$WID" ] || fail "no window titled ...home"
    xdotool windowactivate --sync "$WID" 2>/dev/null
}
quit() {
    xdotool windowactivate --sync "$WID" 2>/dev/null
    xdotool key --clearmodifiers ctrl+q
    for i in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "Ctrl+Q did not quit ($1)"
    APP_PID=
}
line() { python3 -c 'import sys; print(open(sys.argv[1], "rb").read().split(b"\r")[int(sys.argv[2]) - 1].decode())' "$PREFS" "$1"; }
lines() { python3 -c 'import sys; print(len(open(sys.argv[1], "rb").read().split(b"\r")))' "$PREFS"; }

# First start: move the window away from where openbox put it, then choose
# "前回の状態で起動" and "保存", which saves its place at once.
start
sleep 0.5
xdotool windowmove --sync "$WID" 240 160 2>/dev/null
sleep 0.5
LEFT_TOP=$(clientPosition)
TITLE=$(titleBar)
[ "${TITLE:-0}" -gt 0 ] || fail "openbox gave the window no title bar"
# (xwininfo, not xdotool: under a window manager xdotool adds the frame's offset twice)
X=${LEFT_TOP%,*} Y=${LEFT_TOP#*,}
HEIGHT=$(xwininfo -id "$WID" | awk '/Height:/ {print $NF}')
xdotool mousemove $((X + 620 - 131)) $((Y + HEIGHT - 20)) click 1 # "環境設定"
DIALOG=$(timeout 5 xdotool search --sync --onlyvisible --name '^環境設定$' | head -n 1)
[ -n "$DIALOG" ] || fail "the preferences window did not open"
sleep 0.3
xdotool mousemove --window "$DIALOG" 80 101 click 1
sleep 0.2
xdotool mousemove --window "$DIALOG" 235 170 click 1
for i in $(seq 30); do [ -f "$PREFS" ] && [ "$(lines)" = 16 ] && break; sleep 0.1; done
[ -f "$PREFS" ] && [ "$(lines)" = 16 ] || fail "the preferences window did not save the state"
SAVED="$(line 10),$(line 11)"
quit "first start"
[ "$(line 10),$(line 11)" = "$SAVED" ] || fail "quitting saved $(line 10),$(line 11), not $SAVED"

# Three restarts: each restores the window, the client area where it was left.
for n in 1 2 3; do
    start
    at=
    for i in $(seq 40); do
        at=$(clientPosition)
        [ "$at" = "$LEFT_TOP" ] && break
        sleep 0.1
    done
    [ "$at" = "$LEFT_TOP" ] || fail "restart $n: the window is at $at, not at $LEFT_TOP"
    quit "restart $n"
    [ "$(line 10),$(line 11)" = "$SAVED" ] || fail "restart $n saved $(line 10),$(line 11), not $SAVED"
    echo "window_position: restart $n at $at (client area saved as $SAVED, title bar $TITLE)"
done
echo "window_position: ok"
