#!/usr/bin/env bash
# Times batch conversions of three mailboxes of about SIZE_MB megabytes against cp of the same file: real mail
# (the mailboxes of ../shared/corpus/real, each without a final 0x1A, joined and repeated; skipped with a note when
# that folder is not there), the generator's everyday mail and its short, header-heavy mail. Each conversion is
# paired with a cp run just before it (RUNS pairs per mailbox); the figures are the median of the pair ratios, the
# throughput of the median conversion, its processor time in user and system mode, and the peak resident memory.
# Each mailbox is also copied through a 64 KB buffer by dd, paired with cp alike: the reads and writes a converter
# cannot do without, as cp copies inside the kernel. Last, the peak memory of converting a 4 GB mailbox from the
# generator (left out when the third argument is 0).
# Usage: bench/convert_bench.sh [BUILD_FOLDER] [SIZE_MB] [RUNS] [LARGE_GB]
#   CORPUS names the real-mail folder when it is not ../shared/corpus/real beside the repository's folder.
set -euo pipefail
build=${1:-build}
size=${2:-200}
runs=${3:-5}
large=${4:-4}
corpus=${CORPUS:-$(cd "$(dirname "$0")/../.." && pwd)/shared/corpus/real}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Elapsed seconds to the microsecond (cp takes a few hundredths of a second), the peak resident memory in KB and the
# user and system seconds.
measure() {
  local start=$EPOCHREALTIME
  /usr/bin/time -f '%M %U %S' -o "$work/time" "$@" >/dev/null 2>&1
  local end=$EPOCHREALTIME
  echo "$(awk -v start="$start" -v end="$end" 'BEGIN { printf "%.6f", end - start }') $(cat "$work/time")"
}

median() { printf '%s\n' "$@" | sort -g | awk '{ value[NR] = $1 } END { print (NR % 2) ? value[(NR + 1) / 2] : (value[NR / 2] + value[NR / 2 + 1]) / 2 }'; }

# The real mail joined once, then repeated until the mailbox holds size megabytes.
make_real_mailbox() {
  local file
  for file in "$corpus"/*.mbx; do
    if [[ $(tail -c 1 "$file" | od -An -tx1 | tr -d ' ') == 1a ]]; then head -c -1 "$file"; else cat "$file"; fi
  done > "$work/once.mbx"
  local target=$((size * 1000000))
  : > "$1"
  while (( $(stat -c %s "$1") < target )); do cat "$work/once.mbx" >> "$1"; done
}

bench() {
  local name=$1 mailbox=$2
  cat "$mailbox" > /dev/null  # into the page cache
  local bytes ratios=() copies=() conversions=() users=() systems=() peak=0 copy conversion resident user system
  bytes=$(stat -c %s "$mailbox")
  for ((run = 0; run < runs; run++)); do
    rm -f "$work/copy.mbx"
    read -r copy _ < <(measure cp "$mailbox" "$work/copy.mbx")
    rm -f "$work/copy.mbx" "$work/out.ren"
    read -r conversion resident user system < <(measure "$build/qelvorin" "$mailbox" -o "$work/out.ren")
    ratios+=("$(awk -v a="$conversion" -v b="$copy" 'BEGIN { printf "%.6f", a / b }')")
    conversions+=("$conversion")
    users+=("$user")
    systems+=("$system")
    ((resident > peak)) && peak=$resident
    rm -f "$work/copy.mbx"
    read -r copy _ < <(measure cp "$mailbox" "$work/copy.mbx")
    rm -f "$work/copy.mbx"
    read -r conversion _ < <(measure dd if="$mailbox" of="$work/copy.mbx" bs=64k)
    copies+=("$(awk -v a="$conversion" -v b="$copy" 'BEGIN { printf "%.6f", a / b }')")
  done
  awk -v name="$name" -v bytes="$bytes" -v ratio="$(median "${ratios[@]}")" -v seconds="$(median "${conversions[@]}")" \
    -v user="$(median "${users[@]}")" -v kernel="$(median "${systems[@]}")" -v peak="$peak" \
    -v copy="$(median "${copies[@]}")" 'BEGIN {
      printf "%-22s %7.1f MB  conversion/cp %5.1f x  %6.1f MB/s  user %.2f s  system %.2f s  peak %5.1f MB" \
             "  dd/cp %.1f x\n", name, bytes / 1e6, ratio, bytes / 1e6 / seconds, user, kernel, peak / 1024, copy
    }'
  rm -f "$work/out.ren" "$work/copy.mbx"
}

echo "median of $runs pair ratios (conversion / cp of the same file), on $(nproc) cores"
if [[ -d $corpus ]]; then
  make_real_mailbox "$work/mail.mbx"
  bench "real mail" "$work/mail.mbx"
else
  echo "real mail              skipped: $corpus is not there"
fi
"$build/make_mailbox" "$size" "$work/mail.mbx" 1
bench "generator (mixed)" "$work/mail.mbx"
"$build/make_mailbox" "$size" "$work/mail.mbx" 1 headers
bench "generator (headers)" "$work/mail.mbx"
rm -f "$work/mail.mbx" "$work/once.mbx"

if ((large > 0)); then
  "$build/make_mailbox" "$((large * 1000))" "$work/large.mbx" 1
  read -r conversion resident < <(measure "$build/qelvorin" "$work/large.mbx" -o "$work/out.ren")
  awk -v bytes="$(stat -c %s "$work/large.mbx")" -v seconds="$conversion" -v peak="$resident" 'BEGIN {
    printf "%-22s %7.1f MB  %.1f s  peak %5.1f MB\n", "large (mixed)", bytes / 1e6, seconds, peak / 1024
  }'
fi
