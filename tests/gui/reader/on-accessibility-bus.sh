#!/usr/bin/env bash
# Runs a Python test script against the real program as a screen reader finds
# it: on a virtual X display of its own, with a session bus of its own and the
# desktop's accessibility bus launched on it. The script drives the program
# through AT-SPI alone.
#
# Usage: on-accessibility-bus.sh PROGRAM SCRIPT [ARGS...]
# The script is run as `python3 SCRIPT PROGRAM ARGS...` with HOME (and the XDG
# folders below it) in a fresh empty folder, which it may use for its files.
# Exit code 3 from the script means the program lost its display at its start
# (it happens on a busy machine): the run is tried again with a fresh folder.
set -euo pipefail
program=$(realpath "${1:?program}")
script=$(realpath "${2:?test script}")
shift 2
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
    # Every attempt starts from nothing: no settings, no recovery copies.
    local home=$work/home$1
    shift
    rm -rf "$home"
    mkdir -p "$home/data" "$home/config" "$home/cache"
    # No OpenGL on the virtual display: the window paints in software.
    export QT_QPA_PLATFORM=xcb QT_XCB_GL_INTEGRATION=none QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_ACCESSIBILITY=1
    export NO_AT_BRIDGE=0 XDG_RUNTIME_DIR=$work HOME=$home
    export XDG_DATA_HOME=$home/data XDG_CONFIG_HOME=$home/config XDG_CACHE_HOME=$home/cache
    export PYTHONDONTWRITEBYTECODE=1
    # A session bus of our own, with the accessibility bus launched on it.
    timeout 120 dbus-run-session -- bash -c '
        /usr/libexec/at-spi-bus-launcher --launch-immediately &
        launcher=$!
        trap "kill $launcher 2>/dev/null || true" EXIT
        /usr/bin/python3 "$@"
    ' bash "$script" "$program" "$@"
}

args=("$@")
for attempt in 1 2 3; do
    status=0
    run "$attempt" "${args[@]}" || status=$?
    [[ -n ${xvfb:-} ]] && kill "$xvfb" 2>/dev/null || true
    [[ $status -eq 3 ]] || exit "$status"
    echo "the program lost its display; trying again ($attempt)" >&2
done
exit 3
