#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the core,
# the windows on Qt's offscreen platform, the command-line export, the
# generated shop in Chromium and a minute of fuzzing the project reader.
# Then builds the core and the command-line export once more without Qt
# and runs their tests, so that neither comes to need it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
deps_done=$SECONDS
cmake --preset ci -DTARGELLO_FUZZ=ON >/dev/null
cmake --build --preset ci
echo "Packages took $deps_done s, configuring and building $((SECONDS - deps_done)) s."
ctest --preset ci
cmake --preset nogui >/dev/null
cmake --build --preset nogui
ctest --preset nogui
