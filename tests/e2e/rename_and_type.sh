#!/bin/sh
# A new user renames a file through the rename dialog, then gives it a new creator and
# type through the creator/type dialog; cloakswitch-info then shows the new name and
# codes and the same modification date, and the other file is untouched.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
if [ -z "${CS_E2E_INNER:-}" ]; then
    CS_E2E_INNER=1 exec timeout 55 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
program=$(realpath "$1")
info=$(realpath "$2")
work=$(mktemp -d /tmp/cs-e2e-edit.XXXXXX)
shots=$(pwd)
E2E_NAME=rename_and_type
. "$(dirname "$0")/lib/window.sh"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Desktop"
printf 'first' >"$HOME/a.txt"
printf 'second' >"$HOME/b.txt"
touch -d '2001-02-03 04:05:06' "$HOME/a.txt" "$HOME/b.txt"

# Field 4 of cloakswitch-info is the modification date, 6 the creator, 7 the type.
field() { "$info" "$1" | cut -f"$2"; }
date_a=$(field "$HOME/a.txt" 4)
date_b=$(field "$HOME/b.txt" 4)

start_window
# The list starts at 40 with a 16-pixel header; rows are 18 high. Sorted by name either
# way, the middle row of a.txt, b.txt and Desktop is b.txt.

# Rename: the write switch on, the first row, the rename button, a new name, Return.
click_bottom 200 398
click_at 100 "$(row_y 1)"
click_bottom 338 398
rename=$(dialog 'File/Folder') || fail "the rename dialog did not appear"
xdotool mousemove --window "$rename" 200 138 click 1 key ctrl+a type --delay 40 'renamed.txt'
sleep 0.3
import -window root "$shots/e2e-rename-dialog.png" 2>/dev/null
xdotool key Return
sleep 1
[ -e "$HOME/renamed.txt" ] || fail "b.txt was not renamed to renamed.txt ($(ls "$HOME" | tr '\n' ' '))"
[ -e "$HOME/b.txt" ] && fail "b.txt is still there beside renamed.txt"
[ "$(field "$HOME/renamed.txt" 2)" = "renamed.txt" ] || fail "cloakswitch-info does not show the new name"
[ "$(field "$HOME/renamed.txt" 4)" = "$date_b" ] || fail "renaming changed the modification date"

# Creator and type: the type-change switch on, renamed.txt (the middle row), the button,
# both fields typed, then the execute button.
click_bottom 272 432
click_at 100 "$(row_y 1)"
click_bottom 91 398
change=$(dialog 'タイプの変更') || fail "the creator/type dialog did not appear"
xdotool mousemove --window "$change" 72 162 click 1 key ctrl+a type --delay 40 'ABCD'
xdotool mousemove --window "$change" 307 162 click 1 key ctrl+a type --delay 40 'WXYZ'
sleep 0.3
import -window root "$shots/e2e-type-dialog.png" 2>/dev/null
xdotool mousemove --window "$change" 324 270 click 1
sleep 1
import -window root "$shots/e2e-rename-and-type.png" 2>/dev/null
r="$HOME/renamed.txt"
[ "$(field "$r" 6)" = "ABCD" ] || fail "creator of renamed.txt is '$(field "$r" 6)', not ABCD"
[ "$(field "$r" 7)" = "WXYZ" ] || fail "type of renamed.txt is '$(field "$r" 7)', not WXYZ"
[ "$(field "$r" 4)" = "$date_b" ] || fail "the code change altered the modification date"
[ "$(field "$HOME/a.txt" 6)" != "ABCD" ] || fail "a.txt got the codes too"
[ "$(field "$HOME/a.txt" 4)" = "$date_a" ] || fail "a.txt's modification date changed"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$work"
echo "rename_and_type: ok (screenshots e2e-rename-dialog.png, e2e-type-dialog.png)"
