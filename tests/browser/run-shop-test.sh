#!/usr/bin/env bash
# Writes the fixture shops with the program given as $1 and opens them in
# headless Chromium. Installs the pinned playwright-core on first use.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for tool in node npm /usr/bin/chromium; do
    command -v "$tool" >/dev/null || { echo "FAIL $tool is missing: run scripts/install-deps.sh --tests"; exit 1; }
done
if [[ ! -d "$here/node_modules/playwright-core" ]]; then
    (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work"
node "$here/shop-test.mjs" "$work"
