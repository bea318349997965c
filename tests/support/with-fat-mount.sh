#!/bin/sh
# Runs a test program with CLOAKSWITCH_FAT_DIR set to a freshly made FAT file system,
# loop-mounted in a private mount namespace so that nothing outside sees the mount, and
# CLOAKSWITCH_FAT_RO_DIR set to a read-only view of the same file system.
# A kernel built without vfat (some minimal VMs) gets ramfs instead: like FAT it holds
# no extended attributes, which is what the tests need; the substitution is announced.
set -eu
[ "$(id -u)" = 0 ] || { echo "needs root to mount a file system" >&2; exit 1; }
work=$(mktemp -d /tmp/cloakswitch-fat-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/mnt" "$work/ro"
if grep -qw vfat /proc/filesystems || modprobe vfat 2>/dev/null; then
  truncate -s 16M "$work/fat.img"
  mkfs.vfat -n CSFAT "$work/fat.img" >/dev/null
  kind=vfat
else
  echo "with-fat-mount: this kernel has no vfat; using ramfs (no extended attributes)" >&2
  kind=ramfs
fi
unshare --mount --propagation private sh -c '
  work=$1 kind=$2; shift 3
  if [ "$kind" = vfat ]; then
    mount -o loop "$work/fat.img" "$work/mnt" || exit 1
  else
    mount -t ramfs -o mode=0755 cloakswitch "$work/mnt" || exit 1
  fi
  mount --bind "$work/mnt" "$work/ro" && mount -o remount,bind,ro "$work/ro" || exit 1
  CLOAKSWITCH_FAT_DIR="$work/mnt" CLOAKSWITCH_FAT_RO_DIR="$work/ro" "$@"; rc=$?
  umount "$work/ro" "$work/mnt" 2>/dev/null || true
  exit $rc' sh "$work" "$kind" -- "$@"
