#!/bin/bash
# Copies the QR code library the modern page inlines from its pinned npm
# package into third_party/qrcode-generator, with its version and licence.
# Run it to move to another version: change VERSION below, run, commit.
set -euo pipefail
VERSION=2.0.4
here=$(cd "$(dirname "$0")/.." && pwd)
target="$here/third_party/qrcode-generator"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
(cd "$work" && npm pack --silent "qrcode-generator@$VERSION" >/dev/null && tar xzf "qrcode-generator-$VERSION.tgz")
mkdir -p "$target"
cp "$work/package/dist/qrcode.js" "$target/qrcode.js"
cp "$work/package/package.json" "$target/package.json"
echo "$VERSION" >"$target/VERSION"
# The package carries its licence in the source's head only; kept beside it in full.
cat >"$target/LICENSE" <<'LICENCE'
The MIT License (MIT)

Copyright (c) 2009 Kazuhiko Arase

Permission is hereby granted, free of charge, to any person obtaining a copy
of this software and associated documentation files (the "Software"), to deal
in the Software without restriction, including without limitation the rights
to use, copy, modify, merge, publish, distribute, sublicense, and/or sell
copies of the Software, and to permit persons to whom the Software is
furnished to do so, subject to the following conditions:

The above copyright notice and this permission notice shall be included in
all copies or substantial portions of the Software.

THE SOFTWARE IS PROVIDED "AS IS", WITHOUT WARRANTY OF ANY KIND, EXPRESS OR
IMPLIED, INCLUDING BUT NOT LIMITED TO THE WARRANTIES OF MERCHANTABILITY,
FITNESS FOR A PARTICULAR PURPOSE AND NONINFRINGEMENT. IN NO EVENT SHALL THE
AUTHORS OR COPYRIGHT HOLDERS BE LIABLE FOR ANY CLAIM, DAMAGES OR OTHER
LIABILITY, WHETHER IN AN ACTION OF CONTRACT, TORT OR OTHERWISE, ARISING FROM,
OUT OF OR IN CONNECTION WITH THE SOFTWARE OR THE USE OR OTHER DEALINGS IN
THE SOFTWARE.
LICENCE
# Inlined into a SCRIPT element, the source may never close it.
if grep -qi '</script\|<!--' "$target/qrcode.js"; then
    echo "qrcode.js holds text that would end the page's script element" >&2
    exit 1
fi
