#!/usr/bin/env bash
# Makes the whole sample shop: the pictures, the texture and sklep.esk.
# Usage: examples/make-sample.sh [BUILD_DIR]   (default: build/default)
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
build="${1:-$here/../build/default}"
"$here/make-pictures.sh"
cmake --build "$build" --target targello-make-sample
cd "$here"
"$build/examples/targello-make-sample" sklep.esk
echo "Gotowe: $here/sklep.esk"
