#!/bin/sh
# A new user drags with the mouse on a virtual display, writing and the confirmation on:
# a file row dropped on a folder row moves into it; a file dragged in from another
# program onto the list's empty area arrives in the base folder; with the outward switch
# on, a row dragged onto the other program arrives there as a file URL.
set -u
app=$(realpath "$1")
peer=$(realpath "$3")
work=$(mktemp -d /tmp/cloakswitch-e2e-XXXXXX)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME/box" "$work/src"
echo a > "$HOME/a.txt"
echo p > "$work/src/peer.txt"
shot="$PWD/e2e-drag-and-drop.png"

xvfb-run -a -s "-screen 0 1280x900x24" sh -c '
  app=$1 peer=$2 work=$3 shot=$4 home=$HOME
  "$app" & pid=$!
  trap "kill $pid \$peerpid 2>/dev/null" EXIT
  peerpid=
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "home$" | head -n 1)
  [ -n "$win" ] || { echo "no window"; exit 1; }
  xdotool windowmove "$win" 400 300; sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  top=$((Y + HEIGHT - 450))   # the client area is the bottom 450 pixels
  at() { xdotool mousemove $((X + $1)) $((top + $2)); sleep 0.2; }
  row() { echo $((40 + 16 + $1 * 18 + 9)); }
  # Moves the pointer in small steps, as a hand does, so that both ends see the drag.
  glide() { x0=$1 y0=$2 x1=$3 y1=$4 i=1
    while [ $i -le 12 ]; do
      xdotool mousemove $((x0 + (x1 - x0) * i / 12)) $((y0 + (y1 - y0) * i / 12)); sleep 0.08
      i=$((i + 1)); done; sleep 0.5; }
  confirm() { sleep 1; xdotool key Return; sleep 1; }

  at 205 398; xdotool click 1; sleep 0.5                   # writing on

  # 1. a.txt (row 0) onto box (row 1).
  at 120 "$(row 0)"; xdotool mousedown 1
  glide $((X + 120)) $((top + $(row 0))) $((X + 120)) $((top + $(row 1)))
  xdotool mouseup 1; confirm
  [ -f "$home/box/a.txt" ] && [ ! -e "$home/a.txt" ] || { echo "a.txt did not move into box"; ls -R "$home"; exit 1; }

  # 2. From another program onto the empty area below the rows.
  "$peer" source "$work/src/peer.txt" & peerpid=$!
  sleep 1.5
  xdotool mousemove 100 75; sleep 0.3; xdotool mousedown 1
  glide 100 75 $((X + 300)) $((top + 300))
  xdotool mouseup 1; confirm
  [ -f "$home/peer.txt" ] || { echo "the dropped file did not arrive"; ls -R "$home" "$work/src"; exit 1; }
  kill $peerpid; sleep 0.5

  # 3. Outward: peer.txt (row 1 after box) onto the other program.
  "$peer" target "$work/out.txt" & peerpid=$!
  sleep 1.5
  at 548 398; xdotool click 1; sleep 0.5                   # outward drag on
  at 120 "$(row 1)"; xdotool mousedown 1
  glide $((X + 120)) $((top + $(row 1))) 100 75
  xdotool mouseup 1; sleep 1
  grep -q "peer.txt" "$work/out.txt" 2>/dev/null || { echo "the outward drag did not arrive"; exit 1; }
  at 300 20; sleep 0.5
  import -window "$win" "$shot"
  exit 0' sh "$app" "$peer" "$work" "$shot"
status=$?
rm -rf "$work"
[ $status = 0 ] && echo "drag_and_drop: row onto folder, drop from another program, outward drag all arrived; screenshot $shot"
exit $status
