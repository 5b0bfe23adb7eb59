#!/usr/bin/env bash
# Makes the modern export benchmark's data with libvips alone (no ImageMagick
# needed): COUNT distinct 4000 x 3000 JPEG photos (quality 90) in DIR, once.
# Perlin noise in three bands with a little grain stands for a photo; each
# file is the same scene wrapped by a different offset, so no two are alike.
# Usage: bench/modern/make-photos.sh [DIR] [COUNT]
set -euo pipefail
source "$(dirname "$0")/../common/picture-set.sh"
dir=${1:-/tmp/targello-bench/modern-photos}
count=${2:-100}
command -v vips >/dev/null || { echo "vips is missing: apt-get install libvips-tools" >&2; exit 1; }
picture_set_begin "$dir" "$count"
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for band in 1 2 3; do
    vips perlin "$scratch/p$band.v" 4000 3000 --cell-size 300 --seed "$band"
    vips linear "$scratch/p$band.v" "$scratch/b$band.v" 110 128 --uchar
done
vips bandjoin "$scratch/b1.v $scratch/b2.v $scratch/b3.v" "$scratch/rgb.v"
vips gaussnoise "$scratch/noise.v" 4000 3000 --sigma 6 --mean 0
vips add "$scratch/rgb.v" "$scratch/noise.v" "$scratch/sum.v"
vips cast "$scratch/sum.v" "$scratch/scene.v" uchar
vips copy "$scratch/scene.v" "$scratch/scene-srgb.v" --interpretation srgb
make_one() {
    local i=$1
    vips wrap "$scratch/scene-srgb.v" "$(printf '%s/photo-%03d.jpg[Q=90]' "$dir" "$i")" \
        --x "$((i * 397 % 4000))" --y "$((i * 211 % 3000))"
}
export -f make_one
export scratch dir
seq 0 $((count - 1)) | xargs -P 2 -I{} bash -c 'make_one {}'
picture_set_done "$dir" "$count"
