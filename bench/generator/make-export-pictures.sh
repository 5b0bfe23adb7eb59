#!/usr/bin/env bash
# Makes the export benchmark's data once: COUNT distinct JPEG pictures of
# about 3 MB each (1600 x 1200 of random noise, quality 90, each with its own
# seed) in DIR.
# Usage: bench/generator/make-export-pictures.sh [DIR] [COUNT]
# Needs ImageMagick (apt-get install imagemagick).
set -euo pipefail
source "$(dirname "$0")/../common/picture-set.sh"
dir=${1:-/tmp/targello-bench/export-pictures}
count=${2:-100}
convert=/usr/bin/convert
[[ -x $convert ]] || { echo "ImageMagick is missing: apt-get install imagemagick" >&2; exit 1; }
picture_set_begin "$dir" "$count"
make_one() {
    "$convert" -size 1600x1200 xc: -seed "$1" +noise Random -quality 90 "$(printf '%s/zdjecie-%03d.jpg' "$dir" "$1")"
}
export -f make_one
export dir convert
seq 1 "$count" | xargs -P 2 -I{} bash -c 'make_one {}'
picture_set_done "$dir" "$count"
