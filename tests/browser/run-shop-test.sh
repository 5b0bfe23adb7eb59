#!/usr/bin/env bash
# Writes the fixture shops with the program given as $1 and opens them in
# headless Chromium. Installs the pinned playwright-core when it is not there yet.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for tool in node npm /usr/bin/chromium; do
    command -v "$tool" >/dev/null || { echo "FAIL $tool is missing: run scripts/install-deps.sh --tests"; exit 1; }
done
# A checkout that installed an earlier pin keeps its node_modules: reinstall
# whenever the installed playwright-core is not the one the lock file names.
version_of() { node -p 'try { require(process.argv[1]).version } catch { "" }' "$1"; }
pinned="$(node -p 'require(process.argv[1]).packages["node_modules/playwright-core"].version' "$here/package-lock.json")"
if [[ "$(version_of "$here/node_modules/playwright-core/package.json")" != "$pinned" ]]; then
    (cd "$here" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
fi
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work"
node "$here/shop-test.mjs" "$work"
