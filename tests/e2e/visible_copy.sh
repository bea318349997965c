#!/bin/sh
# A new user turns writing on, selects a folder holding a dot-named file, an invisible
# file and a .DS_Store, Ctrl+clicks the copy button ("可視コピー"), accepts the settings
# window with its defaults and picks the destination in the folder dialog: the copy
# holds "_.dotfile" and a visible "notes", no .DS_Store, with their contents; the source
# folder is unchanged.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
if [ -z "${CS_E2E_INNER:-}" ]; then
    CS_E2E_INNER=1 exec timeout 70 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
program=$(realpath "$1")
work=$(mktemp -d /tmp/cs-e2e-viscopy.XXXXXX)
shots=$(pwd)
E2E_NAME=visible_copy
. "$(dirname "$0")/lib/window.sh"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Desktop" "$HOME/dest" "$HOME/src"
printf 'dot' >"$HOME/src/.dotfile"
printf 'hidden notes' >"$HOME/src/notes"
printf 'finder' >"$HOME/src/.DS_Store"

# The invisible bit of the Finder information: "set" makes the file invisible, "test"
# answers whether it is.
invisible() {
    python3 - "$1" "$2" <<'PY'
import os, sys
what, path = sys.argv[1], sys.argv[2]
name = "user.com.apple.FinderInfo"
if what == "set":
    info = bytearray(32)
    info[8] = 0x40
    os.setxattr(path, name, bytes(info))
    sys.exit(0)
try:
    info = os.getxattr(path, name)
except OSError:
    info = bytes(32)
sys.exit(0 if len(info) > 8 and info[8] & 0x40 else 1)
PY
}
invisible set "$HOME/src/notes" || fail "cannot set the Finder information here"
listing() { ls -A "$1" | tr '\n' ' '; }
before=$(listing "$HOME/src")

start_window
# Rows of 18 pixels below the 16-pixel header at 40; sorted by the names shown: dest,
# src, デスクトップ (the Desktop).
await_window() {
    i=0
    while [ $i -lt 25 ]; do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        [ -n "$found" ] && { echo "$found"; return 0; }
        sleep 0.2
        i=$((i + 1))
    done
    return 1
}

# Writing on, then the folder "src".
click_bottom 200 398
click_at 100 "$(row_y 1)"
# Ctrl held over the copy button: the caption turns to "可視" / "コピー" within 100 ms.
xdotool mousemove --window "$wid" 439 $((398 + bottom))
xdotool keydown ctrl
sleep 0.6
import -window "$wid" "$shots/e2e-visible-copy-button.png" 2>/dev/null
xdotool click 1
xdotool keyup ctrl
settings=$(await_window '^可視コピー$') || fail "Ctrl+click on the copy button did not open the visible-copy window"
sleep 0.5
import -window "$settings" "$shots/e2e-visible-copy-window.png" 2>/dev/null
# "実行" at 240, 410 (60 x 20).
xdotool mousemove --window "$settings" 270 420 click 1
chooser=$(await_window 'ファイルコピー') || fail "the folder dialog did not appear after the settings"
sleep 0.8
# The folder dialog's name field has the focus: type the destination and accept it.
xdotool key ctrl+a
xdotool type --delay 20 "$HOME/dest"
sleep 0.3
xdotool key Return
i=0
while [ ! -e "$HOME/dest/src/notes" ] && [ $i -lt 25 ]; do sleep 0.2; i=$((i + 1)); done
sleep 0.5
import -window root "$shots/e2e-visible-copy-done.png" 2>/dev/null

copy="$HOME/dest/src"
[ -d "$copy" ] || fail "no copy of src in dest ($(listing "$HOME/dest"))"
[ "$(listing "$copy")" = "_.dotfile notes " ] || fail "the copy holds $(listing "$copy"), not _.dotfile notes"
[ "$(cat "$copy/_.dotfile")" = "dot" ] || fail "_.dotfile lost its contents"
[ "$(cat "$copy/notes")" = "hidden notes" ] || fail "notes lost its contents"
invisible test "$copy/notes" && fail "the copied notes is still invisible"
invisible test "$HOME/src/notes" || fail "the source notes became visible"
[ "$(listing "$HOME/src")" = "$before" ] || fail "the source folder changed: $(listing "$HOME/src")"
[ -z "$(ls -A "$HOME/dest" | grep -v '^src$')" ] || fail "something else was left in dest: $(listing "$HOME/dest")"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$work"
echo "visible_copy: ok (screenshots e2e-visible-copy-window.png, e2e-visible-copy-done.png)"
