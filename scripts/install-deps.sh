#!/usr/bin/env bash
# Installs the Debian 12 packages that building (and, with --tests, testing)
# Targello needs, skipping what is already there.
set -euo pipefail

# xdg-utils lets the program open the preview in the desktop's browser;
# qt6-translations-l10n makes Qt's own dialogs and buttons speak Polish.
packages=(cmake ninja-build g++ ccache qt6-base-dev qt6-qpa-plugins qt6-image-formats-plugins libgl-dev xdg-utils
    qt6-translations-l10n)
# libvips makes the modern page's pictures (pkg-config finds it), with
# gdk-pixbuf's BMP reader; libcurl (with libssh2 for SFTP) carries a publish;
# QtKeychain keeps a publish password in the system's keyring at the trader's word.
packages+=(libvips-dev libgdk-pixbuf-2.0-dev pkg-config libcurl4-openssl-dev qtkeychain-qt6-dev)
if [[ "${1:-}" == "--tests" ]]; then
    # libclang-rt-dev holds libFuzzer and the sanitizers, which clang alone
    # lacks; npm needs ca-certificates to reach its registry.
    packages+=(libgtest-dev libgmock-dev clang libclang-rt-dev libjpeg-turbo-progs chromium nodejs npm ca-certificates)
    # The package test: cpack's dependency list needs dpkg-shlibdeps, and the
    # project type is checked through the MIME database and GNOME's gio.
    packages+=(dpkg-dev shared-mime-info libglib2.0-bin)
    # zbarimg reads the transfer's QR code from a screenshot of the modern page.
    packages+=(zbar-tools)
    # Java runs the Nu HTML checker (vnu-jar from npm) on the modern page;
    # vipsthumbnail is what the modern export's benchmark measures against.
    packages+=(default-jre-headless libvips-tools)
    # The Windows build of the core and targello-export, tested under wine:
    # the 64-bit mingw-w64 compiler with posix threads, GoogleTest's sources
    # to build with it, and the 64-bit wine alone (no display needed).
    # fonts-wine: wine's Tahoma and the rest, copied into the test prefixes.
    packages+=(g++-mingw-w64-x86-64-posix mingw-w64-x86-64-dev googletest wine64 fonts-wine)
    # The Windows setup program (NSIS), and the test that installs it and
    # looks at the installed program on a virtual display (xdotool finds its
    # window, ImageMagick keeps a screenshot).
    packages+=(nsis xdotool imagemagick)
    # The screen-reader test runs the program on a virtual X display with
    # its own session and accessibility bus, and reads it through AT-SPI.
    packages+=(xvfb xauth dbus dbus-x11 at-spi2-core python3-pyatspi)
    # The publish tests start their own FTP (vsftpd) and SFTP (OpenSSH) servers
    # on 127.0.0.1 with certificates and keys openssl and ssh-keygen make;
    # lftp is what the publish benchmark measures against; python3 serves the
    # published page back over HTTP.
    packages+=(vsftpd openssh-server openssl lftp python3)
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
    if [[ $(id -u) -ne 0 ]]; then
        command -v sudo >/dev/null || { echo "Run this as root or install sudo first." >&2; exit 1; }
        sudo_cmd=(sudo)
    fi
    "${sudo_cmd[@]}" apt-get update -qq
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
