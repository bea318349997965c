#!/bin/sh
# Installs the build into a staging folder and checks that the README (and the picture
# it shows) stand where the About window's support link points.
# Arguments: the cmake command, the build folder, the README's installed path.
set -eu
STAGE=$(mktemp -d /tmp/cs-install.XXXXXX)
trap 'rm -rf "$STAGE"' EXIT
DESTDIR="$STAGE" "$1" --install "$2" >/dev/null
[ -f "$STAGE$3" ] || { echo "no README at $3" >&2; exit 1; }
[ -f "$(dirname "$STAGE$3")/docs/main-window.png" ] || { echo "no picture beside the README" >&2; exit 1; }
cmp -s "$STAGE$3" "$(dirname "$0")/../../README.md" || { echo "the installed README differs" >&2; exit 1; }
echo "install: README at $3"
