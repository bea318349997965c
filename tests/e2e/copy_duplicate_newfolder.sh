#!/bin/sh
# A new user, with writing switched on, duplicates a file with the duplicate button,
# makes a folder with the new-folder button (confirming the question), and copies the
# file into another folder through the copy button and the folder dialog; each result
# is checked on disk with cloakswitch-info, Finder information included.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
if [ -z "${CS_E2E_INNER:-}" ]; then
    CS_E2E_INNER=1 exec timeout 80 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
program=$(realpath "$1")
info=$(realpath "$2")
work=$(mktemp -d /tmp/cs-e2e-copy.XXXXXX)
shots=$(pwd)
E2E_NAME=copy_duplicate_newfolder
. "$(dirname "$0")/lib/window.sh"
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Desktop" "$HOME/Dest"
printf 'letter' >"$HOME/a.txt"
"$info" --type TEXT --creator ttxt --hide "$HOME/a.txt" >/dev/null

# Fields of cloakswitch-info: 6 creator, 7 type, 8 visibility.
codes() { "$info" "$1" | cut -f6-8; }
expected=$(codes "$HOME/a.txt")
[ "$expected" = "$(printf 'ttxt\tTEXT\tinvisible')" ] || fail "the fixture has no Finder information"

start_window
right=$((WIDTH - 620))
E2E_CLICK_PAUSE=0.7
click_bottom_right() { click_at $(($1 + right)) $(($2 + bottom)); }
leftovers() { ls -a "$HOME" "$HOME/Dest" | grep -E '^(TmpFldr|\.cs-)' ; }

# Rows, by name: a.txt, Desktop, Dest. The write switch, the file, the duplicate button.
click_bottom 200 398
click_at 100 "$(row_y 0)"
click_bottom 386 398
sleep 1
copy="$HOME/a のコピー.txt"
[ -f "$copy" ] || fail "no duplicate a のコピー.txt ($(ls "$HOME" | tr '\n' ' '))"
[ "$(cat "$copy")" = letter ] || fail "the duplicate's content differs"
[ "$(codes "$copy")" = "$expected" ] || fail "the duplicate lost its Finder information: $(codes "$copy")"

# The new-folder button; the confirmation switch is on, so the question is answered.
click_bottom 281 398
question=$(dialog '^Cloakswitch$') || fail "the new-folder question did not appear"
import -window root "$shots/e2e-new-folder-question.png" 2>/dev/null
xdotool key Return
sleep 1
[ -d "$HOME/名称未設定フォルダ" ] || fail "no new folder ($(ls "$HOME" | tr '\n' ' '))"
[ "$("$info" "$HOME/名称未設定フォルダ" | cut -f9)" = folder ] || fail "the new folder is not a folder"

# Rows now: a のコピー.txt, a.txt, Desktop, Dest, 名称未設定フォルダ. a.txt alone, the
# copy button, the folder dialog given the destination's path.
click_at 100 "$(row_y 1)"
click_bottom_right 439 398
chooser=$(dialog 'ファイルコピー') || fail "the folder dialog did not appear"
xdotool key ctrl+a
xdotool type --delay 30 "$HOME/Dest"
sleep 0.5
import -window root "$shots/e2e-copy-folder-dialog.png" 2>/dev/null
xdotool key Return
sleep 2
target="$HOME/Dest/a.txt"
[ -f "$target" ] || fail "a.txt did not arrive in Dest ($(ls "$HOME/Dest" | tr '\n' ' '))"
[ "$(cat "$target")" = letter ] || fail "the copy's content differs"
[ "$(codes "$target")" = "$expected" ] || fail "the copy lost its Finder information: $(codes "$target")"
[ "$(codes "$HOME/a.txt")" = "$expected" ] || fail "the source changed"
[ -z "$(leftovers)" ] || fail "temporary items were left: $(leftovers)"
import -window root "$shots/e2e-copy.png" 2>/dev/null

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$work"
echo "copy_duplicate_newfolder: ok (screenshots e2e-new-folder-question.png, e2e-copy-folder-dialog.png)"
