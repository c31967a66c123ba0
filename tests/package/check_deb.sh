#!/usr/bin/env bash
# The Debian package, for real (as root, on a machine where qelvorin is not installed otherwise): it is made from a
# built tree, installs with dpkg, converts with no environment variable and shows the message library's text in a
# report, and removes without leaving a file behind.
set -euo pipefail
export LC_ALL=C.UTF-8
build=$(cd "$1" && pwd)
golden=$(cd "$(dirname "$0")/../converter/golden" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/qelvorin-deb-XXXXXX")
trap 'dpkg -r qelvorin >/dev/null 2>&1 || true; rm -rf "$work"' EXIT

(cd "$build" && cpack -G DEB -B "$work" >/dev/null)
package=$(ls "$work"/qelvorin_*.deb)
dpkg -i "$package" >/dev/null
installed=$(dpkg -L qelvorin)

cd "$work"
status=0
env -u VELBRIX /usr/bin/qelvorin -q "$golden/truncated_body.mbx" -o out.ren 2>errors.txt || status=$?
[ "$status" = 1 ] || { echo "status $status, not 1"; exit 1; }
cmp out.ren "$golden/truncated_body.ren"
# The report line and, after it, the library's message for error 54.
grep -q 'エラー\[54\] .' errors.txt || { echo "no message text:"; cat errors.txt; exit 1; }
[ -f /usr/share/man/man1/qelvorin.1 ] && [ -f /usr/share/doc/qelvorin/copyright ]

dpkg -r qelvorin >/dev/null
for path in $installed; do
  case $path in
    /usr/*/qelvorin|/usr/*/qelvorin/*|/usr/share/man/man1/qelvorin.1) [ ! -e "$path" ] || { echo "left behind: $path"; exit 1; } ;;
  esac
done
echo "The Debian package installs, runs with its messages and removes cleanly."
