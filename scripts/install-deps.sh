#!/usr/bin/env bash
# Installs the Debian 12 packages that building (and, with --tests, testing)
# Targello needs, skipping what is already there.
set -euo pipefail

packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev)
if [[ "${1:-}" == "--tests" ]]; then
    packages+=(libgtest-dev libgmock-dev clang libjpeg-turbo-progs chromium nodejs npm)
fi

missing=()
for p in "${packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
# Node 20 may come from elsewhere than Debian; any node and npm on PATH will do.
if command -v node >/dev/null && command -v npm >/dev/null; then
    missing=("${missing[@]/nodejs/}")
    missing=("${missing[@]/npm/}")
fi
missing=($(printf '%s\n' "${missing[@]}" | grep -v '^$' || true))

if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    sudo_cmd=()
    [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
    "${sudo_cmd[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
