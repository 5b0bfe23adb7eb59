#!/usr/bin/env bash
# Writes the modern fixture shops with the program given as $1 (the picture
# they show is $2, and a 1200 x 900 photo made here with libvips) and checks
# them in headless Chromium, with axe-core and with the Nu HTML checker (the
# npm packages come from install-packages.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
command -v vips >/dev/null || { echo "FAIL vips is missing: run scripts/install-deps.sh --tests"; exit 1; }
vips perlin "$work/perlin.v" 1200 900 --cell-size 200
vips linear "$work/perlin.v" "$work/band.v" 110 128 --uchar
vips bandjoin "$work/band.v $work/band.v $work/band.v" "$work/zdjecie.jpg[Q=85]"
"$1" "$work" "$2" "$work/zdjecie.jpg"
node "$here/modern-shop-test.mjs" "$work"
node "$here/modern-seo-test.mjs" "$work"
