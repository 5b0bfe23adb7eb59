#!/usr/bin/env bash
# The modern export benchmark: makes the 100 photos once, times Debian's
# vipsthumbnail making the same two sizes of the same files one after
# another, then the modern export (first and second run), and what a visitor
# downloads for the first screen and for the whole page.
# Usage: bench/modern/run.sh BUILD_DIR [PICTURES_DIR] [OUTPUT_DIR]
set -euo pipefail
build=${1:?build directory}
pictures=${2:-/tmp/targello-bench/modern-photos}
output=${3:-/tmp/targello-bench/modern-output}
here=$(cd "$(dirname "$0")" && pwd)
"$here/make-photos.sh" "$pictures" 100
command -v vipsthumbnail >/dev/null || { echo "vipsthumbnail is missing: apt-get install libvips-tools" >&2; exit 1; }
cmake --build "$build" --target bench_modern >/dev/null

yardstick=$(mktemp -d)
trap 'rm -rf "$yardstick"' EXIT
files=("$pictures"/*.jpg)
start=$(date +%s.%N)
vipsthumbnail --size 266x188 -o "$yardstick/%s-maly.jpg[Q=82,strip]" "${files[@]}"
vipsthumbnail --size 1600x1600 -o "$yardstick/%s.jpg[Q=82,strip]" "${files[@]}"
end=$(date +%s.%N)
vips_s=$(echo "$end - $start" | bc)
echo "vipsthumbnail_both_sizes_s $vips_s"

result=$("$build/bench/modern/bench_modern" "$pictures" "$output")
echo "$result"
first=$(awk '/^first_export_s/ {print $2}' <<<"$result")
echo "ratio_to_vipsthumbnail $(echo "scale=3; $first / $vips_s" | bc) (budget 0.4)"
total=$(awk '/^page_bytes|^small_pictures_bytes/ {s += $2} END {printf "%.2f", s / 1e6}' <<<"$result")
echo "whole_page_with_small_pictures_MB $total (budget 5)"
node "$here/first-screen.mjs" "$output/sklep.html"
