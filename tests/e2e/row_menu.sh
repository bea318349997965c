#!/bin/sh
# A new user right-clicks rows on a virtual display, with a file manager on a private
# session bus: the menu opens without changing the selection, "(1)" asks the file manager
# for the file's properties, "(2)" to show it, and on a folder row "(3) Finderで開く"
# opens the folder.
set -u
app=$(realpath "$1")
peer=$(realpath "$3")
work=$(mktemp -d /tmp/cloakswitch-e2e-XXXXXX)
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME/box"
echo d > "$HOME/doc.txt"
log="$work/filemanager.log"
shot="$PWD/e2e-row-menu.png"

dbus-run-session -- xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  app=$1 peer=$2 log=$3 shot=$4 home=$HOME
  "$peer" filemanager "$log" & fm=$!
  "$app" & pid=$!
  trap "kill $pid $fm 2>/dev/null" EXIT
  win=$(timeout 20 xdotool search --sync --onlyvisible --name "home$" | head -n 1)
  [ -n "$win" ] || { echo "no window"; exit 1; }
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$win")"
  top=$((Y + HEIGHT - 450))
  at() { xdotool mousemove $((X + $1)) $((top + $2)); sleep 0.3; }
  row() { echo $((40 + 16 + $1 * 18 + 9)); }
  # Right-clicks the row and chooses the menu entry n by the keyboard.
  choose() { at 120 "$(row $1)"; xdotool click 3; sleep 0.8
    i=0; while [ $i -lt $2 ]; do xdotool key Down; i=$((i + 1)); done
    xdotool key Return; sleep 1; }
  expect() { grep -q "^$1 file://$home/$2$" "$log" 2>/dev/null || {
    echo "the file manager was not asked: $1 $2"; cat "$log" 2>/dev/null; exit 1; }; }

  at 120 "$(row 0)"; xdotool click 1; sleep 0.5        # box selected
  choose 1 1; expect ShowItemProperties doc.txt
  choose 1 2; expect ShowItems doc.txt
  choose 0 3; expect ShowFolders box
  at 300 20
  import -window "$win" "$shot"
  # box is still the selected row, doc.txt is not.
  pick() { convert "$shot" -crop 1x1+300+$((HEIGHT - 450 + $(row $1))) -format "%[hex:p{0,0}]" info:; }
  case "$(pick 0)" in FFFFFF*|ECECEC*) echo "box lost its selection"; exit 1;; esac
  case "$(pick 1)" in FFFFFF*|ECECEC*) ;; *) echo "doc.txt got selected"; exit 1;; esac
  exit 0' sh "$app" "$peer" "$log" "$shot"
status=$?
rm -rf "$work"
[ $status = 0 ] && echo "row_menu: properties, show and open reached the file manager, selection kept; screenshot $shot"
exit $status
