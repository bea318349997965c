#!/bin/sh
# A new user goes up with the path pop-up, back with the Back button, then forward
# through the Forward button's menu (a press held past 0.3 s); the window title names
# the listed folder each time.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
if [ -z "${CS_E2E_INNER:-}" ]; then
    CS_E2E_INNER=1 exec timeout 55 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
program=$1
work=$(mktemp -d /tmp/cs-e2e-nav.XXXXXX)
shots=$(pwd)
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME/Desktop" "$HOME/sub"
pid=""

fail() {
    echo "navigation_back_forward: $*" >&2
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
    exit 1
}

run() {
    "$program" >"$work/log" 2>&1 &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --name '^.*home$' | head -n1)
    [ -n "$wid" ] || fail "the main window did not appear listing the home folder"
    sleep 1
    # The window's menu bar (18 pixels) sits above the client area and shifts every
    # control down.
    top=18

    title() { xdotool getwindowname "$wid"; }
    click_at() { xdotool mousemove --window "$wid" "$1" $(($2 + top)) click "${3:-1}"; sleep 0.7; }
    expect_title_end() {
        case "$(title)" in
        *"$1") ;;
        *) fail "$2: title is '$(title)', expected it to end with '$1'" ;;
        esac
    }

    parent=$(basename "$work")
    # The path pop-up: its second row is the home folder's parent.
    click_at 300 19
    xdotool key Down Return
    sleep 0.8
    expect_title_end ":$parent" "after choosing the parent in the path pop-up"

    click_at 23 20 # Back
    expect_title_end ":home" "after Back"

    # A long press on Forward opens the menu of later positions.
    xdotool mousemove --window "$wid" 46 $((20 + top)) mousedown 1
    sleep 0.8
    import -window root "$shots/navigation_forward_menu.png" 2>/dev/null
    xdotool mouseup 1
    sleep 0.3
    xdotool key Down Return
    sleep 0.8
    expect_title_end ":$parent" "after choosing the forward menu's row"

    # A right-click on Back opens the menu of earlier positions ("(先頭) ..." only).
    click_at 23 20 3
    xdotool key Down Return
    sleep 0.8
    expect_title_end ":home" "after choosing the back menu's row"

    # The recent folders: home, then its parent, selected while listed.
    click_at 46 20 # Forward
    expect_title_end ":$parent" "after Forward"
    click_at 522 19
    xdotool key Up Return
    sleep 0.8
    expect_title_end ":home" "after choosing home in the recent folders"
    import -window root "$shots/navigation_back_forward.png" 2>/dev/null
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    pid=""
}

run
rm -rf "$work"
echo "navigation_back_forward: ok"
