#!/usr/bin/env bash
# Draws the sample shop's product pictures (obrazki/*.jpg) and its row texture
# (tekstura.jpg) with ImageMagick: small JPEGs, a soft gradient with a simple
# shape each, so the sample needs no photographs.
set -euo pipefail
cd "$(dirname "$0")"
command -v convert >/dev/null || { echo "Brak programu convert (apt-get install imagemagick)." >&2; exit 1; }
mkdir -p obrazki

# name, gradient from, gradient to, shape colour, shape
pictures=(
    "miod-lipowy      #fff3b0 #f4c430 #c68e17 circle:133,100,133,50"
    "miod-gryczany    #f3d9b1 #a0522d #5c3317 circle:133,100,133,50"
    "konfitura-wisnia #ffd6de #b0173a #6d0a1f roundrectangle:93,50,173,150,14,14"
    "powidla          #e6d6f0 #6a3d7a #3b1f45 roundrectangle:93,50,173,150,14,14"
    "sok-porzeczka    #f0e0f0 #3c1642 #14061a rectangle:113,30,153,160"
    "ogorki           #e3f5d0 #5b8c2a #2f4f14 ellipse:133,94,80,40,0,360"
    "grzyby           #f5ead8 #8b5a2b #4a2c10 ellipse:133,80,70,35,180,360"
    "herbata-jablko   #fdf1d6 #d98c3a #7a3e10 ellipse:133,110,60,45,0,180"
    "pierniki         #f6e2c4 #a8642c #5a2e0c polygon:133,30,200,94,133,158,66,94"
    "krowki           #fff8e7 #e8c99b #8a5a2b rectangle:73,64,193,124"
    "ser              #fffbe0 #f2d16b #c9a227 polygon:60,150,206,150,206,70"
    "kosz-prezentowy  #e9f1e4 #7a9a5e #3f5a2a arc:63,40,203,180,180,360"
)

for line in "${pictures[@]}"; do
    read -r name from to fill shape <<<"$line"
    kind=${shape%%:*}
    args=${shape#*:}
    case $kind in
        circle) IFS=, read -r x y px py <<<"$args"; draw="circle $x,$y $px,$py" ;;
        roundrectangle) IFS=, read -r a b c d e f <<<"$args"; draw="roundrectangle $a,$b $c,$d $e,$f" ;;
        rectangle) IFS=, read -r a b c d <<<"$args"; draw="rectangle $a,$b $c,$d" ;;
        ellipse) IFS=, read -r a b c d e f <<<"$args"; draw="ellipse $a,$b $c,$d $e,$f" ;;
        polygon) draw="polygon ${args//,/ }"; draw=$(echo "$draw" | sed -E 's/([0-9]+) ([0-9]+)/\1,\2/g') ;;
        arc) IFS=, read -r a b c d e f <<<"$args"; draw="arc $a,$b $c,$d $e,$f" ;;
    esac
    convert -size 266x188 "gradient:$from-$to" -fill "$fill" -stroke white -strokewidth 3 \
        -draw "$draw" -strip -quality 82 "obrazki/$name.jpg"
done

# A linen-like tile for the product rows.
convert -size 96x96 xc:'#f7f0e1' -seed 7 +noise Gaussian -blur 0x0.6 \
    -fill '#f7f0e1' -colorize 70% -strip -quality 85 tekstura.jpg
