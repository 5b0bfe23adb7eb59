#!/usr/bin/env bash
# Writes the shops of a stranger's project with the program given as $1 (the
# JPEG they show is $2) and checks them in headless Chromium and with the Nu
# HTML checker (the npm packages come from install-packages.sh).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work" "$2"
node "$here/hostile-shop-test.mjs" "$work"
