#!/usr/bin/env bash
# A hundred pages of a hundred items, in a bare multi-document area and in
# the program's main window; then the bare area with empty widgets in place
# of the pages, the share of the multi-document area itself (its cost per
# page grows with the sub-windows open, whatever they show).
# Usage: bench/pages/run.sh BUILD_DIR
set -euo pipefail
build=${1:?build directory}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
"$build/bench/pages/bench_pages" mdi
echo
"$build/bench/pages/bench_pages" main
echo
"$build/bench/pages/bench_pages" qt
