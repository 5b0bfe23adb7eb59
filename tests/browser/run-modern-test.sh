#!/usr/bin/env bash
# Writes the modern fixture shops with the program given as $1 (the picture
# they show is $2) and checks them in headless Chromium, with axe-core and
# with the Nu HTML checker. Installs the pinned npm packages when they are
# not there yet, without their install scripts: vnu-jar's would fetch a Java
# from another site, and Debian's Java runs it.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
for tool in node npm java /usr/bin/chromium; do
    command -v "$tool" >/dev/null || { echo "FAIL $tool is missing: run scripts/install-deps.sh --tests"; exit 1; }
done
version_of() { node -p 'try { require(process.argv[1]).version } catch { "" }' "$1"; }
pinned() { node -p 'require(process.argv[1]).packages["node_modules/" + process.argv[2]].version' "$here/package-lock.json" "$1"; }
for package in playwright-core axe-core vnu-jar; do
    if [[ "$(version_of "$here/node_modules/$package/package.json")" != "$(pinned "$package")" ]]; then
        (cd "$here" && npm ci --ignore-scripts --no-audit --no-fund --loglevel=error)
        break
    fi
done
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
"$1" "$work" "$2"
node "$here/modern-shop-test.mjs" "$work"
