#!/bin/sh
# Runs a test program with CLOAKSWITCH_FAT_DIR set to a freshly made FAT file system,
# loop-mounted in a private mount namespace so that nothing outside sees the mount.
set -eu
[ "$(id -u)" = 0 ] || { echo "needs root to loop-mount a FAT image" >&2; exit 1; }
work=$(mktemp -d /tmp/cloakswitch-fat-XXXXXX)
trap 'rm -rf "$work"' EXIT
truncate -s 16M "$work/fat.img"
mkfs.vfat -n CSFAT "$work/fat.img" >/dev/null
mkdir "$work/mnt"
unshare --mount --propagation private sh -c '
  mount -o loop "$1/fat.img" "$1/mnt" || exit 1
  dir="$1/mnt"; shift 2
  CLOAKSWITCH_FAT_DIR="$dir" "$@"; rc=$?
  umount "$dir" 2>/dev/null || true
  exit $rc' sh "$work" -- "$@"
