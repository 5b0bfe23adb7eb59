#!/usr/bin/env bash
# Start-up time of targello.exe's main window against a bare Qt main window
# built with the same Qt, both under the same wine, on Qt's offscreen
# platform (or, with QT_QPA_PLATFORM=windows and a DISPLAY, the real one).
# Usage: bench/startup/run-windows.sh [BUILD_DIR] [RUNS]
set -euo pipefail
build=${1:-build/windows}
runs=${2:-10}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target bench_bare_window bench_targello_window >/dev/null
wine_run=$build/wine-run.sh
# Prints "WALL CPU", each in microseconds per run. The CPU time is the
# program's own and wine's loader's; the persistent wineserver's is left out,
# alike for both.
time_runs() {
    "$wine_run" "$1" >/dev/null 2>&1 # warm the file cache and wine's server
    local TIMEFORMAT='%3R %3U %3S' spent
    spent=$({ time for ((i = 0; i < runs; i++)); do "$wine_run" "$1" >/dev/null 2>&1; done; } 2>&1)
    awk -v runs="$runs" '{ printf "%d %d\n", $1 * 1e6 / runs, ($2 + $3) * 1e6 / runs }' <<<"$spent"
}
program() { find "$build" -name "$1.exe" -print -quit; }
read -r bare bareCpu < <(time_runs "$(program bench_bare_window)")
read -r ours oursCpu < <(time_runs "$(program bench_targello_window)")
echo "bare Qt main window under wine: ${bare} us (CPU ${bareCpu} us)"
echo "Targello main window under wine: ${ours} us (CPU ${oursCpu} us)"
awk -v a="$ours" -v b="$bare" -v ac="$oursCpu" -v bc="$bareCpu" \
    'BEGIN { printf "ratio: %.2f, CPU time %.2f (budget 1.50)\n", a / b, ac / bc }'
