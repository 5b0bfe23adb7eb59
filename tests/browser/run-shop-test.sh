#!/usr/bin/env bash
# Writes the fixture shops with the program given as $1 and opens them in
# headless Chromium (the npm packages come from install-packages.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work"
node "$here/shop-test.mjs" "$work"
