#!/bin/sh
# Runs every libFuzzer target of the fuzz build for the given number of seconds each.
set -eu
dir=$1; secs=$2
found=0
for f in "$dir"/fuzz_*; do
  [ -x "$f" ] || continue
  found=1
  echo "fuzzing $(basename "$f") for ${secs}s"
  corpus=$(mktemp -d)
  "$f" -max_total_time="$secs" -print_final_stats=0 "$corpus" 2>"$corpus.log" ||
    { cat "$corpus.log"; rm -rf "$corpus" "$corpus.log"; exit 1; }
  tail -n 1 "$corpus.log"
  rm -rf "$corpus" "$corpus.log"
done
[ $found = 1 ] || echo "no fuzz targets built"
