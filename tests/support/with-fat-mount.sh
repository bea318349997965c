#!/bin/sh
# Runs a test program with CLOAKSWITCH_FAT_DIR set to a freshly made FAT file system,
# loop-mounted in a private mount namespace so that nothing outside sees the mount, and
# CLOAKSWITCH_FAT_RO_DIR set to a read-only view of the same file system.
# A kernel built without vfat (some minimal VMs) mounts the same FAT image through FUSE
# (fusefat); only where neither exists does ramfs stand in (like FAT it holds no
# extended attributes, which is what the tests need), and the substitution is announced.
set -eu
[ "$(id -u)" = 0 ] || { echo "needs root to mount a file system" >&2; exit 1; }
work=$(mktemp -d /tmp/cloakswitch-fat-XXXXXX)
trap 'rm -rf "$work"' EXIT
mkdir "$work/mnt" "$work/ro"
truncate -s 16M "$work/fat.img"
mkfs.vfat -n CSFAT "$work/fat.img" >/dev/null
if grep -qw vfat /proc/filesystems || modprobe vfat 2>/dev/null; then
  kind=vfat
elif command -v fusefat >/dev/null && [ -c /dev/fuse ]; then
  kind=fusefat
else
  echo "with-fat-mount: this kernel has no vfat; using ramfs (no extended attributes)" >&2
  kind=ramfs
fi
unshare --mount --propagation private sh -c '
  work=$1 kind=$2; shift 3
  if [ "$kind" = vfat ]; then
    mount -o loop "$work/fat.img" "$work/mnt" || exit 1
  elif [ "$kind" = fusefat ]; then
    fusefat -o rw+ "$work/fat.img" "$work/mnt" >/dev/null || exit 1
  else
    mount -t ramfs -o mode=0755 cloakswitch "$work/mnt" || exit 1
  fi
  mount --bind "$work/mnt" "$work/ro" && mount -o remount,bind,ro "$work/ro" || exit 1
  CLOAKSWITCH_FAT_DIR="$work/mnt" CLOAKSWITCH_FAT_RO_DIR="$work/ro" "$@"; rc=$?
  umount "$work/ro" 2>/dev/null; umount "$work/mnt" 2>/dev/null || fusermount -u "$work/mnt" 2>/dev/null || true
  exit $rc' sh "$work" "$kind" -- "$@"
