#!/usr/bin/env bash
# Makes the pictures benchmark's data: COUNT distinct 4000 x 3000 JPEG photos
# (quality 90) in DIR, once. A plasma with a little grain stands for a photo;
# each file is the same scene rolled by a different offset, so no two files
# are alike while making them stays quick.
# Usage: bench/pictures/make-pictures.sh [DIR] [COUNT]
# Needs ImageMagick (apt-get install imagemagick).
set -euo pipefail
source "$(dirname "$0")/../common/picture-set.sh"
dir=${1:-/tmp/targello-bench/pictures}
count=${2:-100}
convert=/usr/bin/convert
[[ -x $convert ]] || { echo "ImageMagick is missing: apt-get install imagemagick" >&2; exit 1; }
picture_set_begin "$dir" "$count"
scene=$dir/scene.miff
[[ -f $scene ]] || "$convert" -seed 7 -size 4000x3000 plasma:fractal -attenuate 0.4 +noise Gaussian "$scene"
make_one() {
    local i=$1
    "$convert" "$scene" -roll "+$((i * 397 % 4000))+$((i * 211 % 3000))" -quality 90 \
        "$(printf '%s/photo-%03d.jpg' "$dir" "$i")"
}
export -f make_one
export scene dir convert
seq 0 $((count - 1)) | xargs -P 2 -I{} bash -c 'make_one {}'
rm -f "$scene"
picture_set_done "$dir" "$count"
