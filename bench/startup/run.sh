#!/usr/bin/env bash
# Start-up time of Targello's main window against a bare Qt main window.
# Usage: bench/startup/run.sh BUILD_DIR [RUNS]
# Prints the time each takes (wall clock) and the CPU time each uses (user
# and system): on a machine busy with other work the wall clock swings with
# the load, while the CPU time stays close to what a quiet machine shows.
set -euo pipefail
build=${1:?build directory}
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target bench_bare_window bench_targello_window >/dev/null
# Prints "WALL CPU", each in microseconds per run.
time_runs() {
    "$1" >/dev/null 2>&1 # warm the file cache
    local TIMEFORMAT='%3R %3U %3S' spent
    spent=$({ time for ((i = 0; i < runs; i++)); do "$1" >/dev/null 2>&1; done; } 2>&1)
    awk -v runs="$runs" '{ printf "%d %d\n", $1 * 1e6 / runs, ($2 + $3) * 1e6 / runs }' <<<"$spent"
}
read -r bare bareCpu < <(time_runs "$build/bench/startup/bench_bare_window")
read -r ours oursCpu < <(time_runs "$build/bench/startup/bench_targello_window")
echo "bare Qt main window: ${bare} us (CPU ${bareCpu} us)"
echo "Targello main window: ${ours} us (CPU ${oursCpu} us)"
awk -v a="$ours" -v b="$bare" -v ac="$oursCpu" -v bc="$bareCpu" \
    'BEGIN { printf "ratio: %.2f, CPU time %.2f (budget 1.50)\n", a / b, ac / bc }'
