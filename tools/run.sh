#!/bin/sh
# Starts Cloakswitch. Without a display it runs on a virtual one, saves a screenshot of
# the window and says where.
set -eu
prog=$1
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$prog"
fi
shot=${CLOAKSWITCH_SHOT:-$PWD/cloakswitch-screenshot.png}
echo "No display found: starting Cloakswitch on a virtual display (xvfb-run)."
xvfb-run -a -s "-screen 0 1024x768x24" sh -c '
  "$1" & pid=$!
  win=$(timeout 20 xdotool search --sync --onlyvisible --pid $pid 2>/dev/null | tail -n 1)
  sleep 2
  import -window "${win:-root}" "$2"
  kill $pid; wait $pid 2>/dev/null || true' sh "$prog" "$shot"
echo "Screenshot of the window: $shot"
