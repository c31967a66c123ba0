#!/usr/bin/env bash
# The Win32 build under Wine on a virtual display: the cross-built test suite through ctest, then qelvorin.exe
# driven like a user (the common dialogs found by their titles and answered with xdotool, the console read back
# through its system-menu copy and the clipboard), and batch runs. Card files are compared byte for byte with
# the golden ones the Linux build gives (and with the Linux build itself when LINUX_BUILD names it).
#
#   tests/win32/run_wine_tests.sh [BUILD_DIR]      BUILD_DIR: the Win32 build (default build-win32)
#
# Needs: wine64, Xvfb, xdotool, xclip, ImageMagick's import, fonts-ipafont-gothic and the ja_JP.UTF-8 locale (see
# the README). A screenshot of the console is left in BUILD_DIR/wine-artefacts. KEEP=1 keeps the work folder.
set -euo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
BUILD=$(cd "${1:-$ROOT/build-win32}" && pwd)
GOLDEN=$ROOT/tests/converter/golden
ARTEFACTS=$BUILD/wine-artefacts
WINE=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64

T0=$(date +%s%N)
log() { printf '[%6d ms] %s\n' $(( ($(date +%s%N) - T0) / 1000000 )) "$*"; }
die() { log "FATAL: $*"; exit 1; }
for tool in "$WINE" Xvfb xdotool xclip import identify iconv; do
  command -v "$tool" >/dev/null || die "missing $tool"
done
[ -f "$BUILD/qelvorin.exe" ] || die "no $BUILD/qelvorin.exe: build the Win32 program first"
locale -a 2>/dev/null | grep -qix 'ja_jp.utf8' || die "the ja_JP.UTF-8 locale is missing (localedef)"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qelvorin-wine.XXXXXX")
export WINEPREFIX=$WORK/prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES='mscoree,mshtml='
# The Windows side runs with the Japanese code page 932, as the program's users do.
export LC_ALL=ja_JP.UTF-8
XVFB='' APP=''
cleanup() {
  set +e
  [ -n "$APP" ] && kill "$APP" 2>/dev/null
  "$WINESERVER" -k 2>/dev/null
  [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null
  if [ "${KEEP:-0}" = 1 ]; then echo "kept $WORK"; else rm -rf "$WORK"; fi
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$WORK/display" 2>"$WORK/xvfb.log" &
XVFB=$!
for _ in $(seq 100); do [ -s "$WORK/display" ] && break; sleep 0.05; done
[ -s "$WORK/display" ] || die "Xvfb did not start"
DISPLAY=:$(cat "$WORK/display")
export DISPLAY

"$WINE" wineboot -i >"$WORK/wineboot.log" 2>&1 || die "wineboot"
# Without a window manager, Wine must draw its own frames, or every window's destruction waits two seconds.
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || die "reg add"
# One server for the whole run, its services started with no standard streams, so nothing waits on them.
"$WINESERVER" -k 2>/dev/null || true
"$WINESERVER" -w
"$WINESERVER" -p </dev/null >/dev/null 2>&1
"$WINE" wineboot </dev/null >/dev/null 2>&1
log "Wine prefix ready on $DISPLAY"

# ---- the test suite, cross-built ----
ctest --test-dir "$BUILD" --output-on-failure

# ---- the program, driven like a user ----
passed=0 failed=0
check() {  # NAME COMMAND...: one end-to-end check
  if "${@:2}"; then passed=$((passed + 1)); log "ok: $1"; else failed=$((failed + 1)); log "FAILED: $1"; fi
}

DATA=$WORK/data
mkdir -p "$DATA" "$ARTEFACTS"
cp "$GOLDEN"/basic.mbx "$GOLDEN"/body.mbx "$GOLDEN"/truncated_body.mbx "$DATA"
# Appending overwrites the first file's end-of-file mark: the two card files joined.
{ head -c -1 "$GOLDEN/basic.ren"; cat "$GOLDEN/body.ren"; } >"$WORK/two.ren"
if [ -n "${LINUX_BUILD:-}" ] && [ -x "$LINUX_BUILD/qelvorin" ]; then
  (cd "$DATA" && "$LINUX_BUILD/qelvorin" basic.mbx body.mbx -o "$WORK/linux.ren" >/dev/null) || die "Linux batch run"
  cmp -s "$WORK/linux.ren" "$WORK/two.ren" || die "the Linux build's card file differs from the golden files"
  log "the Linux build gives the same card file"
fi

catalogue() { grep "^$1|" "$ROOT/support/texts/catalogue.txt" | cut -d'|' -f2-; }
OPEN_TITLE=$(catalogue MailboxDialogTitle)
SAVE_FIRST=$(catalogue OutputDialogTitleFirst)
SAVE_AGAIN=$(catalogue OutputDialogTitleAgain)

alive() { kill -0 "$APP" 2>/dev/null; }
exactly() { printf '^%s$' "$(sed 's/[][(){}.*+?^$|\\]/\\&/g' <<<"$1")"; }  # a title as xdotool's pattern
window() {  # TITLE -> the visible window whose title is exactly TITLE (20 s)
  local id
  for _ in $(seq 200); do
    id=$(xdotool search --onlyvisible --name "$(exactly "$1")" 2>/dev/null | head -n1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    alive || return 1
    sleep 0.1
  done
  return 1
}
gone() {
  for _ in $(seq 100); do
    xdotool search --onlyvisible --name "$(exactly "$1")" >/dev/null 2>&1 || return 0
    sleep 0.1
  done
  return 1
}
answer() {  # TITLE KEYS...: focus the dialog TITLE, type the name (or nothing) and press KEY
  local id
  id=$(window "$1") || { log "no dialog '$1'"; return 1; }
  xdotool windowfocus --sync "$id"
  [ -n "$2" ] && xdotool type --delay 5 "$2"
  xdotool key "$3"
  gone "$1" || { log "dialog '$1' still open"; return 1; }
}
console_text() {  # the console's text, copied by its system-menu command as another program would ask
  timeout 5 xclip -selection clipboard -i /dev/null 2>/dev/null || true
  "$WINE" "$BUILD/send_system_command.exe" K7V2CLASS 0x67 || return 1
  timeout 5 xclip -o -selection clipboard
}
prompt_text() {  # the console's text once it asks for a key (10 s), or the last text seen
  local text=''
  for _ in $(seq 50); do
    text=$(console_text) || text=''
    grep -qF "$(catalogue PressAnyKey)" <<<"$text" && break
    sleep 0.2
  done
  printf '%s\n' "$text"
}
press() {  # KEY: a key pressed in the console window
  local main
  main=$(window qelvorin) && xdotool windowfocus --sync "$main" && xdotool key "$1"
}
finish() {  # waits for the program; its exit status in $status (not in a subshell, which cannot wait for it)
  status=0
  wait "$APP" || status=$?
  APP=''
}

# Two passes into one card file, the second by accepting the offered name; then the console is read and the
# third open dialog cancelled.
cd "$DATA"
"$WINE" "$BUILD/qelvorin.exe" >"$WORK/interactive.log" 2>&1 &
APP=$!
check "the open dialog takes a mailbox" answer "$OPEN_TITLE" basic.mbx Return
check "the save dialog takes a new card file" answer "$SAVE_FIRST" out.ren Return
check "the second pass takes another mailbox" answer "$OPEN_TITLE" body.mbx Return
check "the second save dialog offers the same file" answer "$SAVE_AGAIN" "" Return
window "$OPEN_TITLE" >/dev/null || log "no third open dialog"
console=$(console_text) || console=''
printf '%s\n' "$console" >"$ARTEFACTS/console.txt"
check "the console shows the banner" grep -qF "$(catalogue BannerTitle | sed 's/^ *//')" <<<"$console"
# Behind a long folder name the announcement does not fit and goes on the next row.
check "the console announces the mailbox" grep -qE "body\.mbx *$(catalogue MailboxAnnouncement)" <<<"$(tr -d '\n' <<<"$console")"
# The count is printed without a line end: the next pass's banner goes on after it on the same row.
check "the console shows the final count" grep -qE -- "^$(grep -v '^$' "$GOLDEN/body.console" | tail -n1) +\*+$" <<<"$console"
# The console's picture, with the dialog moved out of its way.
dialog=$(window "$OPEN_TITLE") && xdotool windowmove --sync "$dialog" 0 460 && sleep 0.5
main=$(window qelvorin) && import -window "$main" "$ARTEFACTS/console.png" 2>/dev/null || log "no screenshot"
# The copy as picture is the whole screen of 80 × 24 cells, however small the window is made.
picture_size() {
  xdotool windowsize "$main" 300 200 && sleep 0.3 || return 1
  log "the window made small: $(xdotool getwindowgeometry "$main" | grep -o 'Geometry: .*')" >&2
  timeout 5 xclip -selection clipboard -i /dev/null 2>/dev/null || true
  "$WINE" "$BUILD/send_system_command.exe" K7V2CLASS 0x68 || return 1
  timeout 5 xclip -o -selection clipboard -t image/bmp >"$ARTEFACTS/console-picture.bmp" || return 1
  identify -format '%w %h' "$ARTEFACTS/console-picture.bmp"
}
whole_screen() { (( $1 % 80 == 0 && $2 % 24 == 0 && $1 / 80 >= 6 )); }
size=$(picture_size) || size='0 0'
check "the copy as picture of a small window is the whole screen (got $size)" whole_screen $size
check "Escape at the third open dialog ends the run" answer "$OPEN_TITLE" "" Escape
finish
check "the run ends with status 0 (got $status)" test "$status" = 0
check "the card file holds both mailboxes, byte for byte" cmp "$DATA/out.ren" "$WORK/two.ren"

# A mailbox cut short inside a body: the report on the console, a key, status 1.
"$WINE" "$BUILD/qelvorin.exe" >"$WORK/error.log" 2>&1 &
APP=$!
check "the open dialog takes the cut mailbox" answer "$OPEN_TITLE" truncated_body.mbx Return
check "the save dialog takes its card file" answer "$SAVE_FIRST" cut.ren Return
report=$(prompt_text)
printf '%s\n' "$report" >"$ARTEFACTS/report.txt"
check "the report names the error" grep -qE "^Qelvorin \[[0-9]+行\]:エラー\[54\]$" <<<"$report"
check "the report has the library's message" grep -qxF "$(grep '^InputPastEnd|' "$ROOT/support/messages/messages.txt" | cut -d'|' -f2-)" <<<"$report"
press space
finish
check "a key ends the run with status 1 (got $status)" test "$status" = 1
check "the records before the cut are kept whole" cmp "$DATA/cut.ren" "$GOLDEN/truncated_body.ren"

# Closing the window while the report waits for its key ends the run, still with status 1.
"$WINE" "$BUILD/qelvorin.exe" >>"$WORK/error.log" 2>&1 &
APP=$!
answer "$OPEN_TITLE" truncated_body.mbx Return && answer "$SAVE_FIRST" cut2.ren Return
prompt_text >/dev/null
press alt+F4
finish
check "closing the window at the report ends the run with status 1 (got $status)" test "$status" = 1

# Ctrl+C, and Ctrl+Break, while a long mailbox converts: the interrupt prompt, a key, the break status.
for _ in $(seq 400); do cat "$GOLDEN/body.mbx"; done >"$WORK/part.mbx"
for _ in $(seq 20); do cat "$WORK/part.mbx"; done >"$DATA/long.mbx"
for break_key in ctrl+c ctrl+Break; do
  rm -f "$DATA/long.ren"
  "$WINE" "$BUILD/qelvorin.exe" >"$WORK/break.log" 2>&1 &
  APP=$!
  answer "$OPEN_TITLE" long.mbx Return && answer "$SAVE_FIRST" long.ren Return
  sleep 0.5
  press "$break_key"
  interrupted=$(prompt_text)
  check "$break_key shows the interrupt prompt" grep -qE "^$(catalogue Interrupted) Qelvorin\[[0-9]+行\] *$" <<<"$interrupted"
  press space
  finish
  check "a key after the interrupt ends the run with the break status (got $status)" test "$status" = 130
  # The whole records printed before the interrupt are in the file, which is closed with its end-of-file mark; the
  # record under way is dropped.
  check "the interrupted card file begins with the first records" \
    cmp -n "$(( $(stat -c %s "$GOLDEN/body.ren") - 1 ))" "$DATA/long.ren" "$GOLDEN/body.ren"
  check "the interrupted card file ends with a record end and its mark" \
    test "$(tail -c 7 "$DATA/long.ren" | od -An -tx1 | tr -d ' \n')" = 23450d0a0d0a1a
done

# Batch runs: the dialogs answered from the command line, the window showing the console meanwhile.
batch() { "$WINE" "$BUILD/qelvorin.exe" "$@" >>"$WORK/batch.log" 2>&1 || echo $?; }
check "a batch run converts both mailboxes" test "$(batch basic.mbx body.mbx -o batch.ren)" = ""
check "the batch card file is the same" cmp "$DATA/batch.ren" "$WORK/two.ren"
check "a batch run with an error ends with status 1" test "$(batch truncated_body.mbx -o batchcut.ren)" = 1
check "a bad command line ends with status 2" test "$(batch missing.mbx -o x.ren)" = 2
check "a batch run expands its wildcards, sorted by name" test "$(batch 'b*.mbx' -o wild.ren)" = ""
check "the expanded mailboxes make the same card file" cmp "$DATA/wild.ren" "$WORK/two.ren"
version=$("$WINE" "$BUILD/qelvorin.exe" --version 2>/dev/null | tr -d '\r') || version=''
check "--version prints on standard output" grep -qE '^qelvorin [0-9]+\.[0-9]+$' <<<"$version"

log "end to end: $passed passed, $failed failed"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
