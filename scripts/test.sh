#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the core,
# the windows on Qt's offscreen platform, the command-line export, the
# generated shop in Chromium and a minute of fuzzing the project reader.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
cmake --preset ci -DTARGELLO_FUZZ=ON >/dev/null
cmake --build --preset ci
ctest --preset ci
