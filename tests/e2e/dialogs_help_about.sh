#!/bin/sh
# A new user opens the operating manual with the help button, scrolls it, closes it
# with Escape and opens it again (it comes back where it was left); then opens the About
# window from the Help menu, which shows the built version, and closes it.
# Arguments: the built cloakswitch and cloakswitch-info.
set -u
if [ -z "${CS_E2E_INNER:-}" ]; then
    CS_E2E_INNER=1 exec timeout 55 xvfb-run -a -s "-screen 0 1024x768x24" sh "$0" "$@"
fi
program=$1
work=$(mktemp -d /tmp/cs-e2e-dialogs.XXXXXX)
shots=$(pwd)
export HOME="$work/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
mkdir -p "$HOME/Desktop"
pid=""

fail() {
    echo "dialogs_help_about: $*" >&2
    import -window root "$shots/dialogs_help_about_failed.png" 2>/dev/null
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
    exit 1
}

# Waits up to about 5 s for a window of that name to be shown (or, with "gone", hidden).
await_window() {
    i=0
    while [ $i -lt 25 ]; do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1)
        if [ "${2:-}" = gone ]; then [ -z "$found" ] && return 0
        else [ -n "$found" ] && { echo "$found"; return 0; }
        fi
        sleep 0.2
        i=$((i + 1))
    done
    return 1
}

"$program" >"$work/log" 2>&1 &
pid=$!
wid=$(timeout 20 xdotool search --sync --name '^.*home$' | head -n1)
[ -n "$wid" ] || fail "the main window did not appear listing the home folder"
sleep 1
eval "$(xdotool getwindowgeometry --shell "$wid")"
top=$((HEIGHT - 450)) # the menu bar above the 450-pixel client area
click_at() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.5; }
# Keys are typed through XTEST into the focused window, as a keyboard types them; keys
# sent to a window id (XSendEvent) leave Qt with stray key events on this server.

# The help button "操作説明" at 423, 419 (40 x 23).
click_at "$wid" 443 $((430 + top))
help=$(await_window '^操作説明$') || fail "the help button did not open the manual"
sleep 0.3
import -window "$help" "$work/help0.png" 2>/dev/null
# Scroll the manual down with the wheel over its text field.
xdotool mousemove --window "$help" 150 150
xdotool click --repeat 6 5
sleep 0.5
import -window "$help" "$work/help1.png" 2>/dev/null
import -window root "$shots/dialogs_help_scrolled.png" 2>/dev/null
xdotool key Escape
await_window '^操作説明$' gone >/dev/null || fail "Escape did not close the manual"

click_at "$wid" 443 $((430 + top))
help=$(await_window '^操作説明$') || fail "the help button did not open the manual again"
sleep 0.3
import -window "$help" "$work/help2.png" 2>/dev/null
import -window root "$shots/dialogs_help_again.png" 2>/dev/null
differ() { [ "$(compare -metric AE "$1" "$2" null: 2>&1)" != 0 ]; }
differ "$work/help0.png" "$work/help1.png" || fail "the wheel did not scroll the manual"
differ "$work/help1.png" "$work/help2.png" && fail "the manual did not come back where it was left"
xdotool key Escape
await_window '^操作説明$' gone >/dev/null || fail "Escape did not close the manual the second time"

# The Help menu "ヘルプ", third in the menu bar; Up from no selection takes its last item.
click_at "$wid" 127 $((top / 2))
xdotool key Up Return
about=$(await_window '^名称未設定$') || fail "the Help menu's About item did not open the About window"
sleep 0.3
import -window root "$shots/dialogs_about.png" 2>/dev/null
xdotool key Escape
await_window '^名称未設定$' gone >/dev/null || fail "Escape did not close the About window"

kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null
rm -rf "$work"
echo "dialogs_help_about: ok"
