#!/usr/bin/env bash
# Builds Targello and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default --target targello
exec build/default/bin/targello "$@"
