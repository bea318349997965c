#!/bin/sh
# Installs what building, running and testing Cloakswitch needs on Debian 12, and only
# what is missing. Runs apt-get as root, or through sudo.
set -eu
pkgs="cmake ninja-build g++ make pkg-config qt6-base-dev qt6-base-dev-tools libgl-dev
      libgtest-dev clang libclang-rt-dev xvfb xauth x11-utils xdotool imagemagick fontconfig
      dosfstools fusefat e2fsprogs util-linux python3 openbox dbus-daemon libglib2.0-bin"
missing=""
for p in $pkgs; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed" || missing="$missing $p"
done
# The interface is Japanese: bring a Japanese font where the machine has none.
if ! command -v fc-list >/dev/null 2>&1 || [ -z "$(fc-list :lang=ja 2>/dev/null)" ]; then
  missing="$missing fonts-ipafont-gothic fontconfig"
fi
[ -z "$missing" ] && exit 0
if [ "$(id -u)" = 0 ]; then sudo=""; else sudo="sudo"; fi
echo "installing:$missing"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends $missing
