#!/usr/bin/env bash
# The pictures benchmark: makes the photos once, times `djpeg -scale 1/8`
# over them one after another, then opens them as a page.
# Usage: bench/pictures/run.sh BUILD_DIR [DIR]
# Needs ImageMagick and libjpeg-turbo-progs (djpeg).
set -euo pipefail
build=${1:?build directory}
dir=${2:-/tmp/targello-bench/pictures}
here=$(cd "$(dirname "$0")" && pwd)
"$here/make-pictures.sh" "$dir" 100
command -v djpeg >/dev/null || { echo "djpeg is missing: apt-get install libjpeg-turbo-progs" >&2; exit 1; }
cat "$dir"/*.jpg >/dev/null # the same warm file cache for both
start=$(date +%s%N)
for f in "$dir"/*.jpg; do djpeg -scale 1/8 "$f" >/dev/null; done
end=$(date +%s%N)
djpeg_ms=$(((end - start) / 1000000))
echo "djpeg -scale 1/8, one after another: ${djpeg_ms} ms"
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
cmake --build "$build" --target bench_pictures >/dev/null
for mode in page open; do
    echo
    [[ $mode == page ]] && echo "a page filled with the pictures:" || echo "the same as a project opened in the main window:"
    out=$("$build/bench/pictures/bench_pictures" "$dir" "$mode")
    echo "$out"
    ready=$(sed -n 's/^all [0-9]* pictures ready: \([0-9]*\) ms.*/\1/p' <<<"$out")
    awk -v a="$ready" -v b="$djpeg_ms" 'BEGIN { printf "ready / djpeg: %.2f (budget 1.20)\n", a / b }'
done
