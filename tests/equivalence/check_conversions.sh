#!/usr/bin/env bash
# Converts a large generated mailbox and 1,000 random small ones of each generator profile (some cut short, some
# with awkward bytes spliced in, some converted twice into one card file) and compares the card files, the console
# transcripts, the error reports and the exit statuses with the checksums recorded from an earlier build.
# Usage: tests/equivalence/check_conversions.sh [BUILD_FOLDER] [--record]
#   --record writes the checksums instead of comparing them. QELVORIN names another program to run (the mailboxes
#   always come from the build's make_mailbox).
set -euo pipefail
# One locale for every run: the transcript is in its encoding.
export LC_ALL=C
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-build}" && pwd)
mode=${2:-compare}
program=${QELVORIN:-$build/qelvorin}
checksums=$here/conversion_checksums.txt
# The console shows the mailbox's full path: the folder's name always has the same length, and the random part of
# it is replaced before the transcript is summed.
work=$(mktemp -d /tmp/qelvorin-conversions.XXXXXX)
trap 'rm -rf "$work"' EXIT
cd "$work"

# Bytes the generator never writes: a Ctrl-Z in a body, lone CR and LF, a lead byte at a line end, "#" lines,
# odd dates and zones, reply prefixes, a header without a colon and a line longer than every buffer.
printf '%s\r\n' 'X-Odd: a\rb' 'Subject: Re: RE[3]: Re*2:Re^4:  ' 'Date: 31 Dec 99 23:59:59 -1200' 'To' \
  'Date: Mon, 1 Mar 2000 00:10:00 BST' 'From: "unclosed <a@b>' 'Cc: ' 'Message-Id: no-angle' '' \
  $'#k body\x1a cut here' $'\x82' $'# \x82\xa0' $'#\x81\x40' 'line with lone LF'$'\n''after it' '.' \
  'From: x@y' 'Date: Sun, 29 Feb 1998 01:00:00 +1300' '' 'body' > odd.bin
head -c 70000 /dev/zero | tr '\0' 'w' >> odd.bin
printf '\r\n.\r\n' >> odd.bin

# One line per case: its name and the checksum of what the conversion left. Each worker has a folder of its own
# whose path has the same length; it is replaced by one name before the transcript is summed.
convert() {
  local name=$1
  shift
  rm -f out.ren
  local status=0
  "$program" "$@" -o out.ren >console.txt 2>errors.txt || status=$?
  local sum
  sum=$( { cat out.ren 2>/dev/null || echo "no card file"; echo "/"; cat console.txt; echo "/"; cat errors.txt; echo "/$status"; } |
    sed "s|$PWD|/tmp/qelvorin-conversions.folder/wN|g" | sha256sum)
  echo "$name ${sum%% *}"
}

# A random case: the mailbox, perhaps cut or spliced, converted once or twice into the card file.
random_case() {
  local profile=$1 seed=$2
  RANDOM=$seed
  local size=$((RANDOM % 40 + 1))k
  "$build/make_mailbox" "$size" mail.mbx "$seed" "$profile"
  local bytes
  bytes=$(stat -c %s mail.mbx)
  local cut=$(( (RANDOM * 32768 + RANDOM) % bytes ))
  case $((seed % 5)) in
    1) head -c "$cut" mail.mbx > case.mbx ;;
    2) { head -c "$cut" mail.mbx; cat ../odd.bin; tail -c +"$((cut + 1))" mail.mbx; } > case.mbx ;;
    *) mv mail.mbx case.mbx ;;
  esac
  if (( seed % 10 == 3 )); then
    convert "$profile-$seed-$size-twice" case.mbx case.mbx
  else
    convert "$profile-$seed-$size" case.mbx
  fi
}

# Worker w of the given count: the large mailboxes go to the first, the random cases are dealt out in turn.
work_share() {
  local worker=$1 workers=$2
  mkdir -p "w$worker"
  cd "w$worker"
  if ((worker == 0)); then
    "$build/make_mailbox" 60 large.mbx 7
    convert large-mixed-60MB large.mbx
    "$build/make_mailbox" 20 large.mbx 7 headers
    convert large-headers-20MB large.mbx
    rm large.mbx
    cp ../odd.bin case.mbx
    convert odd-bytes case.mbx
  fi
  local profile seed
  for profile in mixed headers; do
    for ((seed = 1 + worker; seed <= 1000; seed += workers)); do random_case "$profile" "$seed"; done
  done
}

workers=$(nproc)
((workers > 9)) && workers=9
for ((worker = 0; worker < workers; worker++)); do
  work_share "$worker" "$workers" > "results.$worker" &
done
wait
# The recorded order: the large mailboxes, then each profile's cases by seed.
cat results.* | awk '{ split($1, part, "-"); order = part[1] == "mixed" ? 1 : part[1] == "headers" ? 2 : 0;
                      printf "%d %06d %s\n", order, (order ? part[2] : NR), $0 }' |
  sort -k1,1n -k2,2n | cut -d' ' -f3- > results.txt

if [[ $mode == --record ]]; then
  cp results.txt "$checksums"
  echo "recorded $(wc -l < results.txt) checksums in $checksums"
  exit 0
fi
if ! diff "$checksums" results.txt > differences.txt; then
  echo "conversions that differ from the recorded ones (< recorded, > now):"
  cat differences.txt
  exit 1
fi
echo "all $(wc -l < results.txt) conversions as recorded"
