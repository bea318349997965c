#!/bin/sh
# A new user turns writing on, selects a file and presses Ctrl+Backspace, confirms: the
# file is in the home trash with its Finder information and an info file. A click on the
# trash button lists the trash; Ctrl+Shift+Backspace, confirmed, empties it.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
if [ -z "${CS_E2E_INNER:-}" ]; then
    CS_E2E_INNER=1 exec timeout 75 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
program=$(realpath "$1")
info=$(realpath "$2")
work=$(mktemp -d /tmp/cs-e2e-trash.XXXXXX)
shots=$(pwd)
E2E_NAME=trash_and_empty
. "$(dirname "$0")/lib/window.sh"
# A private home and data home: the real user's trash is never touched.
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
trash="$XDG_DATA_HOME/Trash"
mkdir -p "$HOME"
printf 'keep me' >"$HOME/target.txt"
# Finder information: type TEXT, creator ttxt.
python3 -c 'import os, sys
os.setxattr(sys.argv[1], "user.com.apple.FinderInfo", b"TEXTttxt" + bytes(24))' "$HOME/target.txt"

start_window
row0=$((menu + 40 + 16 + 9))

# Writing on, the only listed row (target.txt), Ctrl+Backspace, then the question.
click_bottom 200 398
click_at 100 "$row0"
xdotool key ctrl+BackSpace
dialog 'ゴミ箱への移動の確認' >/dev/null || fail "Ctrl+Backspace did not ask before moving to the trash"
import -window root "$shots/e2e-trash-question.png" 2>/dev/null
xdotool key Return
sleep 1
[ -e "$HOME/target.txt" ] && fail "target.txt is still in the home folder"
[ "$(cat "$trash/files/target.txt" 2>/dev/null)" = "keep me" ] || fail "target.txt is not in the home trash"
codes=$("$info" "$trash/files/target.txt" | cut -f6,7)
[ "$codes" = "$(printf 'ttxt\tTEXT')" ] || fail "the trashed file lost its Finder information ($codes)"
[ "$(sed -n 2p "$trash/info/target.txt.trashinfo")" = "Path=$HOME/target.txt" ] ||
    fail "the info file does not name where target.txt came from"
sed -n 3p "$trash/info/target.txt.trashinfo" | grep -Eq '^DeletionDate=[0-9]{4}-[0-9]{2}-[0-9]{2}T[0-9:]{8}$' ||
    fail "the info file has no deletion date"

# A plain click on the trash button lists the trash.
click_bottom 594 398
sleep 0.5
title=$(xdotool getwindowname "$wid")
case "$title" in *Trash:files) ;; *) fail "the trash button did not list the trash (title '$title')";; esac
import -window root "$shots/e2e-trash-listed.png" 2>/dev/null

# Ctrl+Shift+Backspace in the list, then the question: the trash is empty.
click_at 100 "$row0"
xdotool key ctrl+shift+BackSpace
dialog 'ゴミ箱を空にする' >/dev/null || fail "Ctrl+Shift+Backspace did not ask before emptying the trash"
xdotool key Return
sleep 1
[ -z "$(ls -A "$trash/files")" ] || fail "files/ still holds $(ls -A "$trash/files")"
[ -z "$(ls -A "$trash/info")" ] || fail "info/ still holds $(ls -A "$trash/info")"
import -window root "$shots/e2e-trash-emptied.png" 2>/dev/null

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$work"
echo "trash_and_empty: ok (screenshots e2e-trash-question.png, e2e-trash-listed.png, e2e-trash-emptied.png)"
