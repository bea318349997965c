# Sourced by the end-to-end scripts that drive the main window on a bare virtual display,
# once they have set E2E_NAME (their name in messages), program, work (removed on
# failure), shots (where a failure screenshot goes) and HOME.
#   start_window          starts the program and waits for its window listing the home
#                         folder; wid, X, Y, WIDTH, HEIGHT describe that window
#   click_at X Y          a click in the window, below its 18-pixel menu bar counted in
#   click_bottom X Y      a click on the bottom rows, which keep their distance to the
#                         window's bottom edge (Y as designed in the 450-pixel client area)
#   row_y N               the middle of list row N (the list starts at 40, a 16-pixel
#                         header, rows 18 high)
#   dialog TITLE          waits for a window of that title and prints its id
pid=""

fail() {
    echo "$E2E_NAME: $*" >&2
    import -window root "$shots/e2e-$E2E_NAME-failed.png" 2>/dev/null
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
    rm -rf "$work"
    exit 1
}

start_window() {
    "$program" >"$work/log" 2>&1 &
    pid=$!
    wid=$(timeout 20 xdotool search --sync --name 'home$' | head -n1)
    [ -n "$wid" ] || fail "the main window did not appear listing the home folder"
    sleep 1
    eval "$(xdotool getwindowgeometry --shell "$wid")"
    menu=18
    bottom=$((HEIGHT - 450))
}

click_at() { xdotool mousemove --window "$wid" "$1" "$2" click 1; sleep "${E2E_CLICK_PAUSE:-0.5}"; }
click_bottom() { click_at "$1" $(($2 + bottom)); }
row_y() { echo $((menu + 40 + 16 + 18 * $1 + 9)); }
dialog() {
    d=$(timeout 10 xdotool search --sync --onlyvisible --name "$1" | head -n1)
    [ -n "$d" ] || return 1
    sleep 0.5
    echo "$d"
}
