# Sourced by the end-to-end scripts that need a real window manager. Before sourcing, the
# script sets E2E_NAME (its name in messages) and PROGRAM (the built cloakswitch). After
# it: a private HOME and runtime folder in WORK, Xvfb and openbox running on DISPLAY,
# PREFS the preferences file, OUT the build folder for failure screenshots, fail() to
# stop with a message, and everything (APP_PID included) ended when the script exits.
OUT=$(cd "$(dirname "$PROGRAM")" && pwd)
WORK=$(mktemp -d "/tmp/cs-$E2E_NAME.XXXXXX")
XVFB_PID=
WM_PID=
APP_PID=

cleanup() {
    [ -n "$APP_PID" ] && kill "$APP_PID" 2>/dev/null
    [ -n "$WM_PID" ] && kill "$WM_PID" 2>/dev/null
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null
    rm -rf "$WORK"
}
trap cleanup EXIT
fail() {
    echo "$E2E_NAME: $*" >&2
    import -window root "$OUT/$E2E_NAME-failure.png" 2>/dev/null
    exit 1
}
command -v openbox >/dev/null || fail "openbox is not installed (tools/install-deps.sh)"

export HOME="$WORK/home"
mkdir -p "$HOME" "$WORK/run"
chmod 700 "$WORK/run"
export XDG_RUNTIME_DIR="$WORK/run"
unset XDG_CONFIG_HOME XDG_DATA_HOME XDG_DESKTOP_DIR SESSION_MANAGER
PREFS="$HOME/.config/Quillmark/Cloakswitch Prefs"

Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$WORK/display" 2>/dev/null &
XVFB_PID=$!
for i in $(seq 50); do [ -s "$WORK/display" ] && break; sleep 0.1; done
[ -s "$WORK/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$WORK/display")"
openbox --sm-disable >"$WORK/openbox.log" 2>&1 &
WM_PID=$!
for i in $(seq 50); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" && break
    sleep 0.1
done
xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q "window id" || fail "openbox did not start"
