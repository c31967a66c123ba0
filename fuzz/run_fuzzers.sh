#!/usr/bin/env bash
# Replays every fuzz target's stored corpus (fuzz/corpus/NAME: the seeds, and every input that once found a fault),
# then fuzzes each target for SECONDS, as many at once as there are cores. A fault stops the run with the target's
# report; the input that caused it is left in BUILD/fuzzing/crash-*.
# Usage: fuzz/run_fuzzers.sh BUILD [SECONDS]
set -euo pipefail
build=$(cd "$1" && pwd)
export FUZZ_SECONDS=${2:-60}
export FUZZ_SOURCE=$(cd "$(dirname "$0")" && pwd)
export FUZZ_WORK="$build/fuzzing"
export TMPDIR="$FUZZ_WORK/tmp"
mkdir -p "$TMPDIR"

fuzz_one() {
  local target=$1
  local name
  name=$(basename "$target" _fuzz)
  local stored="$FUZZ_SOURCE/corpus/$name" found="$FUZZ_WORK/$name" log="$FUZZ_WORK/$name.log"
  local options=(-max_total_time="$FUZZ_SECONDS")
  # The readers of mail look for these tokens.
  case $name in line_input | header_line | conversion) options+=(-dict="$FUZZ_SOURCE/mailbox.dict") ;; esac
  mkdir -p "$found"
  cd "$FUZZ_WORK"
  local corpus=("$found")
  if [[ -d $stored ]]; then
    corpus+=("$stored")
    "$target" -runs=0 "$stored" > "$log" 2>&1 || { echo "$name: a stored input fails"; tail -n 60 "$log"; return 1; }
  fi
  "$target" "${options[@]}" "${corpus[@]}" >> "$log" 2>&1 || { echo "$name found a fault"; tail -n 60 "$log"; return 1; }
  echo "$name: $(grep -o 'Done [0-9]* runs' "$log" | tail -n 1)"
}
export -f fuzz_one

printf '%s\n' "$build"/fuzz/*_fuzz | xargs -P "$(nproc)" -I{} bash -c 'fuzz_one "$1"' _ {}
