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
run() {
    # A display of our own, away from the low numbers other programs take.
    local number
    for number in $(shuf -i 200-999 -n 20); do
        [[ -e /tmp/.X$number-lock ]] && continue
        Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
        xvfb=$!
        for _ in $(seq 100); do
            [[ -S /tmp/.X11-unix/X$number ]] && break
            kill -0 "$xvfb" 2>/dev/null || break
            sleep 0.1
        done
        kill -0 "$xvfb" 2>/dev/null && [[ -S /tmp/.X11-unix/X$number ]] && break
        xvfb=
    done
    [[ -n ${xvfb:-} ]] || { echo "Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; return 1; }
    export DISPLAY=:$number
    # The program writes beside its start directory (the texture swatch): it
    # starts in a copy of the examples, whose picture paths are relative.
    rm -rf "$work/examples"
    cp -r "$examples" "$work/examples"
    # No OpenGL on the virtual display: the window paints in software.
    export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    export NO_AT_BRIDGE=0 XDG_RUNTIME_DIR=$work HOME=$work
    # A session bus of our own, with the accessibility bus launched on it.
    timeout 120 dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
        launcher=$!
        trap "kill $launcher 2>/dev/null || true" EXIT
        /usr/bin/python3 "$1" "$2" "$3"
    ' bash "$here/read-sample-shop.py" "$program" "$work/examples"
}

# A display shared with other programs on a busy machine may go away under
# the program at its start; that (exit code 3) is tried again.
for attempt in 1 2 3; do
    status=0
    run || status=$?
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
    [[ $status -eq 3 ]] || exit "$status"
    echo "the program lost its display; trying again ($attempt)" >&2
done
exit 3
