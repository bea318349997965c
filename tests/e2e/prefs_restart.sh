#!/bin/sh
# A new user's three sessions: quitting with Ctrl+Q leaves a one-line preferences file;
# choosing "前回の状態で起動" writes sixteen lines at once; after double-clicking into a
# sub-folder and quitting, the next start shows that sub-folder, and Back leads home.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
PROGRAM=$1
OUT=$(cd "$(dirname "$PROGRAM")" && pwd)
WORK=$(mktemp -d /tmp/cs-prefs-e2e.XXXXXX)
XVFB_PID=
APP_PID=

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    echo "prefs_restart: $*" >&2
    import -window root "$OUT/prefs_restart-failure.png" 2>/dev/null
    exit 1
}

export HOME="$WORK/home"
mkdir -p "$HOME/sub" "$WORK/run"
chmod 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DESKTOP_DIR SESSION_MANAGER
PREFS="$HOME/.config/Quillmark/Cloakswitch Prefs"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for i in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$WORK/display")"

# Starts the program and waits for a window whose title ends with $1 (the listed
# folder's name); sets WID and its frame X, Y, WIDTH, HEIGHT.
start() {
    "$PROGRAM" >"$WORK/app.log" 2>&1 &
    APP_PID=$!
    WID=$(timeout 10 xdotool search --sync --onlyvisible --name "$1\$" | head -n 1)
    [ -n "$WID" ] || fail "no window titled ...$1"
    xdotool windowfocus --sync "$WID" 2>/dev/null
    eval "$(xdotool getwindowgeometry --shell "$WID")"
    sleep 0.5
}
waitTitle() {
    for i in $(seq 50); do
        xdotool getwindowname "$WID" 2>/dev/null | grep -q "$1\$" && return 0
        sleep 0.1
    done
    fail "the window's title is '$(xdotool getwindowname "$WID")', not ...$1"
}
# Clicks at client-area coordinates of the main window (the client area's place in
# the frame, LEFT and TOP, is learnt from the saved window bounds).
click() {
    xdotool mousemove $((X + LEFT + $1)) $((Y + TOP + $2)) click ${3:-1}
}
# Clicks a control anchored to the bottom right, by its distance to those edges.
clickFromBottomRight() {
    xdotool mousemove $((X + WIDTH - $1)) $((Y + HEIGHT - $2)) click 1
}
quit() {
    xdotool windowfocus --sync "$WID" 2>/dev/null
    xdotool key --clearmodifiers ctrl+q
    for i in $(seq 50); do kill -0 "$APP_PID" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$APP_PID" 2>/dev/null && fail "Ctrl+Q did not quit ($1)"
    APP_PID=
}
lines() { python3 -c 'import sys; print(len(open(sys.argv[1], "rb").read().split(b"\r")))' "$PREFS"; }
line() { python3 -c 'import sys; print(open(sys.argv[1], "rb").read().split(b"\r")[int(sys.argv[2]) - 1].decode())' "$PREFS" "$1"; }
lastLine() { python3 -c 'import sys; print(open(sys.argv[1], "rb").read().split(b"\r")[-1].decode())' "$PREFS"; }

# 1. First start and Ctrl+Q: the one line "false".
start home
quit "first start"
[ -f "$PREFS" ] || fail "no preferences file after the first quit"
[ "$(cat "$PREFS")" = "false" ] || fail "first file is '$(cat "$PREFS")', not 'false'"

# 2. The preferences window: "前回の状態で起動" and "保存" write sixteen lines at once.
start home
clickFromBottomRight $((620 - 469 - 20)) $((450 - 419 - 11)) # "環境設定" button
DIALOG=$(timeout 5 xdotool search --sync --onlyvisible --name '^環境設定$' | head -n 1)
[ -n "$DIALOG" ] || fail "the preferences window did not open"
sleep 0.3
xdotool mousemove --window "$DIALOG" 80 101 click 1
sleep 0.2
xdotool mousemove --window "$DIALOG" 235 170 click 1
for i in $(seq 30); do [ "$(lines)" = 16 ] && break; sleep 0.1; done
[ "$(lines)" = 16 ] || fail "the preferences window wrote $(lines) lines, not 16"
lastLine | grep -q ':home:$' || fail "line 16 is '$(lastLine)', not the home folder"
LEFT=$(($(line 10) - X))
TOP=$(($(line 11) - Y))
[ "$(line 12)" -ge 620 ] && [ "$(line 13)" -ge 300 ] || fail "saved size $(line 12) x $(line 13)"

# Into "sub" by double-click (its row is the first: the home holds nothing else shown).
click 60 65 "--repeat 2 --delay 80 1"
waitTitle sub
quit "after the double-click"
[ "$(lines)" = 16 ] || fail "quitting wrote $(lines) lines, not 16"
lastLine | grep -q ':home:sub:$' || fail "line 16 is '$(lastLine)', not the sub-folder"

# 3. A new start shows the sub-folder; Back leads to the home folder.
start sub
import -window root "$OUT/prefs_restart.png"
click 23 20
waitTitle home
quit "the restored session"
echo "prefs_restart: ok"
