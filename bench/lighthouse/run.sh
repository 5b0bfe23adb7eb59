#!/usr/bin/env bash
# The Lighthouse benchmark: the 100-photo modern shop of bench/modern (its
# photos made once by make-photos.sh), exported with a web address on
# 127.0.0.1 so that its sitemap, robots.txt and canonical address are there,
# then scored by Lighthouse 12 (pinned in package.json, on Debian's Node and
# Chromium) with the mobile and the desktop preset.
# Usage: bench/lighthouse/run.sh BUILD_DIR [PICTURES_DIR] [OUTPUT_DIR] [PORT]
set -euo pipefail
build=${1:?build directory}
pictures=${2:-/tmp/targello-bench/modern-photos}
output=${3:-/tmp/targello-bench/lighthouse-output}
port=${4:-8765}
here=$(cd "$(dirname "$0")" && pwd)
"$here/../modern/make-photos.sh" "$pictures" 100
cmake --build "$build" --target bench_modern >/dev/null
"$build/bench/modern/bench_modern" "$pictures" "$output" "http://127.0.0.1:$port/" >/dev/null
installed=$(node -p 'try { require(process.argv[1]).version } catch { "" }' "$here/node_modules/lighthouse/package.json")
pinned=$(node -p 'require(process.argv[1]).packages["node_modules/lighthouse"].version' "$here/package-lock.json")
[[ $installed == "$pinned" ]] || (cd "$here" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
CHROME_PATH=${CHROME_PATH:-/usr/bin/chromium} node "$here/lighthouse.mjs" "$output" sklep.html "$port"
