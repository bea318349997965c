#!/bin/sh
# A new user selects a file and clicks "可視／不可視" on a virtual display: the file's
# user.com.apple.FinderInfo attribute carries the invisible bit; Shift-click hides,
# Alt-click shows; the row stays selected.
set -u
app=$(realpath "$1")
work=$(mktemp -d /tmp/cloakswitch-e2e-XXXXXX)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME"
touch "$HOME/target.txt"
shot="$PWD/e2e-toggle-visibility.png"

xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  app=$1 file=$2 shot=$3
  "$app" & pid=$!
  trap "kill $pid 2>/dev/null" EXIT
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "home$" | head -n 1)
  [ -n "$win" ] || { echo "no window"; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  top=$((Y + HEIGHT - 450))   # the client area is the bottom 450 pixels
  at() { xdotool mousemove $((X + $1)) $((top + $2)); sleep 0.3; }
  hidden() { python3 -c "import os,sys
try: b = os.getxattr(sys.argv[1], \"user.com.apple.FinderInfo\")
except OSError: b = bytes(32)
sys.exit(0 if b[8] & 0x40 else 1)" "$file"; }
  press() { at 35 398; [ -n "$1" ] && xdotool keydown "$1"; xdotool click 1; [ -n "$1" ] && xdotool keyup "$1"; sleep 0.8; }

  at 120 65; xdotool click 1; sleep 0.5     # the first row: target.txt
  at 300 20                                 # over the window, out of the list
  press "";      hidden || { echo "click did not hide"; exit 1; }
  press shift;   hidden || { echo "Shift-click did not keep it hidden"; exit 1; }
  press alt;     hidden && { echo "Alt-click did not show"; exit 1; }
  press shift;   hidden || { echo "Shift-click did not hide"; exit 1; }
  at 300 20
  import -window "$win" "$shot"
  # The row is still selected: its background is the highlight, not white or grey.
  colour=$(convert "$shot" -crop 1x1+300+$((HEIGHT - 450 + 65)) -format "%[hex:p{0,0}]" info:)
  case "$colour" in FFFFFF*|ECECEC*) echo "row 0 is not selected (colour $colour)"; exit 1;; esac
  exit 0' sh "$app" "$HOME/target.txt" "$shot"
status=$?
rm -rf "$work"
[ $status = 0 ] && echo "toggle_visibility: hide, Shift, Alt and selection all as expected; screenshot $shot"
exit $status
