#!/usr/bin/env bash
# Starts the program on a virtual X display with the desktop's accessibility
# bus, as a screen reader finds it, and has read-sample-shop.py open the
# sample shop and read it through AT-SPI alone.
# Usage: read-sample-shop.sh PROGRAM EXAMPLES_DIR
set -euo pipefail
program=$(realpath "${1:?program}")
examples=$(realpath "${2:?examples folder}")
here=$(cd "$(dirname "$0")" && pwd)
for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "missing $tool (scripts/install-deps.sh --tests)" >&2; exit 1; }
done
/usr/bin/python3 -c 'import pyatspi' || { echo "missing python3-pyatspi" >&2; exit 1; }

work=$(mktemp -d)
cleanup() {
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT
# Xvfb picks a free display and writes its number.
exec 3>"$work/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 300); do [[ -s $work/display ]] && break; sleep 0.1; done
[[ -s $work/display ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 1; }
export DISPLAY=:$(head -n1 "$work/display")
# The program writes beside its start directory (the texture swatch): it
# starts in a copy of the examples, whose picture paths are relative.
cp -r "$examples" "$work/examples"
examples=$work/examples
export QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
export NO_AT_BRIDGE=0 XDG_RUNTIME_DIR=$work HOME=$work
# A session bus of our own, with the accessibility bus launched on it.
exec timeout 120 dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    trap "kill $launcher 2>/dev/null || true" EXIT
    /usr/bin/python3 "$1" "$2" "$3"
' bash "$here/read-sample-shop.py" "$program" "$examples"
