#!/bin/sh
# Runs every libFuzzer target of the fuzz build for the given number of seconds each.
# fuzz/NAME.args, where present, holds extra libFuzzer options for target NAME.
set -eu
dir=$1; secs=$2
args_dir=$(dirname "$0")/../fuzz
found=0
for f in "$dir"/fuzz_*; do
  [ -x "$f" ] || continue
  found=1
  name=$(basename "$f")
  extra=""
  [ -f "$args_dir/$name.args" ] && extra=$(cat "$args_dir/$name.args")
  echo "fuzzing $name for ${secs}s"
  corpus=$(mktemp -d)
  # shellcheck disable=SC2086
  "$f" -max_total_time="$secs" -print_final_stats=0 $extra "$corpus" 2>"$corpus.log" ||
    { cat "$corpus.log"; rm -rf "$corpus" "$corpus.log"; exit 1; }
  tail -n 1 "$corpus.log"
  rm -rf "$corpus" "$corpus.log"
done
[ $found = 1 ] || echo "no fuzz targets built"
