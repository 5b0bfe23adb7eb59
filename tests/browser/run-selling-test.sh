#!/usr/bin/env bash
# Writes the modern fixture shops with the program given as $1 (the picture
# they show is $2) and orders from the selling one in headless Chromium.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work" "$2" "$2"
node "$here/selling-test.mjs" "$work"
