#!/bin/sh
# Under a real window manager (openbox): the manual's close box and Alt+F4 hide it. The
# program's other dialogs ask the window manager for no close box (openbox draws one on
# every titled window all the same; there it acts as the cancel button, never dead).
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
PROGRAM=$1
E2E_NAME=close_boxes
. "$(dirname "$0")/lib/openbox.sh"

# Whether the window asks for a close box: its Motif hints name the functions it has
# (flag 1), and closing (0x20) among them; naming none means all.
asksForCloseBox() {
    hints=$(xprop -id "$1" _MOTIF_WM_HINTS | sed 's/.*= *//')
    flags=$(echo "$hints" | cut -d, -f1) functions=$(echo "$hints" | cut -d, -f2)
    [ -z "$hints" ] && return 0
    [ $((flags & 1)) = 0 ] && return 0
    [ $((functions & 0x21)) != 0 ]
}
clickAt() { xdotool mousemove $((X + $1)) $((Y + $2)) click 1; }

"$PROGRAM" >"$WORK/app.log" 2>&1 &
APP_PID=$!
WID=$(timeout 10 xdotool search --sync --onlyvisible --name 'home$' | head -n 1)
[ -n "$WID" ] || fail "no window titled ...home"
xdotool windowactivate --sync "$WID" 2>/dev/null
sleep 0.5
eval "$(xwininfo -id "$WID" | awk '/Absolute upper-left X/ {print "X=" $NF} /Absolute upper-left Y/ {print "Y=" $NF} /Height:/ {print "HEIGHT=" $NF}')"
MENU=$((HEIGHT - 450))

# The manual (操作説明): a close box, and Alt+F4 hides it.
clickAt 443 $((MENU + 430))
HELP=$(timeout 5 xdotool search --sync --onlyvisible --name '^操作説明$' | head -n 1)
[ -n "$HELP" ] || fail "the manual did not open"
sleep 0.3
asksForCloseBox "$HELP" || fail "the manual asks for no close box"
xdotool windowactivate --sync "$HELP" 2>/dev/null
xdotool key --clearmodifiers alt+F4
for i in $(seq 30); do xdotool search --onlyvisible --name '^操作説明$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^操作説明$' >/dev/null 2>&1 && fail "Alt+F4 left the manual open"

# The preferences window (環境設定): no close box asked for; Alt+F4 is its cancel button,
# after which the choice is saved unchanged, as after "キャンセル".
clickAt 489 $((MENU + 430))
PREFS=$(timeout 5 xdotool search --sync --onlyvisible --name '^環境設定$' | head -n 1)
[ -n "$PREFS" ] || fail "the preferences window did not open"
sleep 0.3
asksForCloseBox "$PREFS" && fail "the preferences window asks for a close box"
xdotool mousemove --window "$PREFS" 80 101 click 1 # "前回の状態で起動", not saved
sleep 0.2
import -window root "$OUT/close_boxes.png"
xdotool windowactivate --sync "$PREFS" 2>/dev/null
xdotool key --clearmodifiers alt+F4
for i in $(seq 30); do xdotool search --onlyvisible --name '^環境設定$' >/dev/null 2>&1 || break; sleep 0.1; done
xdotool search --onlyvisible --name '^環境設定$' >/dev/null 2>&1 && fail "Alt+F4 left the preferences window open"
PREFS_FILE="$HOME/.config/Quillmark/Cloakswitch Prefs"
for i in $(seq 30); do [ -f "$PREFS_FILE" ] && break; sleep 0.1; done
[ "$(cat "$PREFS_FILE" 2>/dev/null)" = "false" ] || fail "after Alt+F4 the file holds '$(cat "$PREFS_FILE")', not the unchanged 'false'"
kill -0 "$APP_PID" 2>/dev/null || fail "the program ended"
echo "close_boxes: ok"
