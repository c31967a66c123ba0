#!/usr/bin/env bash
# Times a batch conversion of a generated 200 MB mailbox against cp of the same file (5 runs each, alternating),
# and prints the medians, the ratio, the throughput and the peak resident memory of the conversion.
# Usage: bench/convert_bench.sh [BUILD_FOLDER] [SIZE_MB]
set -euo pipefail
build=${1:-build}
size=${2:-200}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/make_mailbox" "$size" "$work/bench.mbx" 1
bytes=$(stat -c %s "$work/bench.mbx")
cat "$work/bench.mbx" >/dev/null  # into the page cache

# Elapsed time to the microsecond (cp takes a few hundredths of a second), and the peak resident memory in KB.
seconds() {
  local start=$EPOCHREALTIME
  /usr/bin/time -f '%M' -o "$work/time" "$@" >/dev/null 2>&1
  local end=$EPOCHREALTIME
  echo "$(awk -v start="$start" -v end="$end" 'BEGIN { printf "%.4f", end - start }') $(cat "$work/time")"
}
copies=()
conversions=()
peak=0
for run in 1 2 3 4 5; do
  rm -f "$work/copy.mbx" "$work/out.ren"
  read -r elapsed _ < <(seconds cp "$work/bench.mbx" "$work/copy.mbx")
  copies+=("$elapsed")
  read -r elapsed resident < <(seconds "$build/qelvorin" "$work/bench.mbx" -o "$work/out.ren")
  conversions+=("$elapsed")
  (( resident > peak )) && peak=$resident
done

median() { printf '%s\n' "$@" | sort -n | sed -n 3p; }
copy=$(median "${copies[@]}")
conversion=$(median "${conversions[@]}")
awk -v copy="$copy" -v conversion="$conversion" -v bytes="$bytes" -v peak="$peak" 'BEGIN {
  printf "mailbox: %.1f MB\n", bytes / 1e6
  printf "cp median: %.3f s\n", copy
  printf "conversion median: %.3f s (%.1f MB/s)\n", conversion, bytes / 1e6 / conversion
  printf "ratio conversion/cp: %.1f\n", conversion / (copy > 0 ? copy : 0.01)
  printf "peak resident memory of the conversion: %.1f MB\n", peak / 1024
}'
