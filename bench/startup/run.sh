#!/usr/bin/env bash
# Start-up time of Targello's main window against a bare Qt main window.
# Usage: bench/startup/run.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build directory}
runs=${2:-20}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
time_runs() {
    local start end
    "$1" >/dev/null 2>&1 # warm the file cache
    start=$(date +%s%N)
    for ((i = 0; i < runs; i++)); do "$1" >/dev/null 2>&1; done
    end=$(date +%s%N)
    echo $(((end - start) / runs / 1000))
}
bare=$(time_runs "$build/bench/startup/bench_bare_window")
ours=$(time_runs "$build/bench/startup/bench_targello_window")
echo "bare Qt main window: ${bare} us"
echo "Targello main window: ${ours} us"
awk -v a="$ours" -v b="$bare" 'BEGIN { printf "ratio: %.2f (budget 1.50)\n", a / b }'
