#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the core,
# the windows on Qt's offscreen platform, the command-line export, the
# generated shop in Chromium and a minute of fuzzing the project reader and
# one of the page generator; then the core, CLI and GUI tests once more,
# built with AddressSanitizer and UndefinedBehaviorSanitizer (preset asan).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
deps_done=$SECONDS
cmake --preset ci -DTARGELLO_FUZZ=ON >/dev/null
cmake --build --preset ci
echo "Packages took $deps_done s, configuring and building $((SECONDS - deps_done)) s."
ctest --preset ci
asan_start=$SECONDS
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan
echo "The sanitizer build and its tests took $((SECONDS - asan_start)) s."
