#!/usr/bin/env bash
# The export benchmark: makes the pictures once, then times exporting a
# 100-item page against `cp` of the same files, a second export with the
# pictures unchanged, and the page text alone.
# Usage: bench/generator/run.sh BUILD_DIR [PICTURES_DIR] [OUTPUT_DIR]
set -euo pipefail
build=${1:?build directory}
pictures=${2:-/tmp/targello-bench/export-pictures}
output=${3:-/tmp/targello-bench/export-output}
here=$(cd "$(dirname "$0")" && pwd)
"$here/make-export-pictures.sh" "$pictures" 100
cmake --build "$build" --target bench_generator >/dev/null
"$build/bench/generator/bench_generator" "$pictures" "$output"
