#!/bin/sh
# A new user starts Cloakswitch: the window lists the home folder, its title is the
# home folder's display path, and the Japanese captions have a font to show in.
set -u
app=$(realpath "$1") info=$(realpath "$2")
work=$(mktemp -d /tmp/cloakswitch-e2e-XXXXXX)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
unset XDG_DESKTOP_DIR XDG_DOCUMENTS_DIR
mkdir -p "$HOME/Desktop" "$HOME/Documents"
touch "$HOME/notes.txt" "$HOME/Zeta.txt" "$HOME/.profile"
fail() { echo "first_start: $*" >&2; status=1; }
status=0
[ -n "$(fc-list :lang=ja 2>/dev/null)" ] || fail "no Japanese font installed"
expected=$("$info" "$HOME" | cut -f1 | sed 's/:$//')

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$1" & pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "$2" | head -n 1)
  [ -n "$win" ] || { echo "no window titled $2"; kill $pid; exit 1; }
  sleep 1
  import -window root "$3"
  kill $pid; wait $pid 2>/dev/null; exit 0' sh "$app" "$expected" "$PWD/e2e-first-start.png" \
  || fail "the window did not show the home folder's display path \"$expected\" as its title"
rm -rf "$work"
[ $status = 0 ] && echo "first_start: window titled \"$expected\"; screenshot e2e-first-start.png"
exit $status
