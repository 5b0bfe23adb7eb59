#!/usr/bin/env bash
# Installs the pinned npm packages of the browser tests (playwright-core,
# axe-core, vnu-jar) when the ones in node_modules are not those the lock
# file names. Runs once, before both browser tests, so that the two never
# install into the same folder at once. The packages' own install scripts
# are skipped: vnu-jar's would fetch a Java from another site, and Debian's
# Java runs it.
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
        exit 0
    fi
done
