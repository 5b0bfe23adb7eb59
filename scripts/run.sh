#!/usr/bin/env bash
# Builds Targello (the program and targello-export, all that installs) and
# starts the program.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The program needs no test framework: a build tree laid out here leaves the
# tests out, and one a developer configured before keeps its own choice.
configure=(cmake --preset default)
[[ -f build/default/CMakeCache.txt ]] || configure+=(-DTARGELLO_BUILD_TESTS=OFF)
"${configure[@]}" >/dev/null
cmake --build --preset default --target targello targello-export
exec build/default/bin/targello "$@"
