#!/usr/bin/env bash
# Builds libcurl for 64-bit Windows (mingw-w64) from Debian's own sources of
# curl, libssh2 and mbed TLS, as static libraries, with mbed TLS under both
# FTPS and SSH (the program hands it the Windows store's root certificates),
# and prints the folder it is installed in. Kept in a
# cache outside the checkout like the Windows Qt, so only the first run on a
# machine builds it (about two minutes of CPU).
#
#   scripts/windows-curl.sh            build if needed, print the folder
#   scripts/windows-curl.sh --print    print the folder it would use, build nothing
set -euo pipefail

# Debian 13's versions (curl 8.14, libssh2 1.11, mbed TLS 3.6), whatever
# update the archive holds now; the versions fetched are kept in the cache.
# Debian 12's curl 7.88 never sees a listing arrive on an FTPS data connection
# through Schannel, and its libssh2 1.10 signs RSA with SHA-1 alone on WinCNG,
# which OpenSSH refuses. libssh2 computes the key exchange on mbed TLS, not on
# WinCNG, whose Diffie-Hellman and raw RSA wine's bcrypt lacks. FTPS runs on
# mbed TLS too, not on Schannel: wine 8's Schannel passes a server's
# close_notify on as no data at all, so libcurl waits for the end of every
# FTPS download and listing while the server waits for its answer.
suite=trixie version=8.14
cache=${TARGELLO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/targello}
common=(-G Ninja -DCMAKE_SYSTEM_NAME=Windows -DCMAKE_SYSTEM_PROCESSOR=x86_64
    -DCMAKE_C_COMPILER=x86_64-w64-mingw32-gcc-posix -DCMAKE_RC_COMPILER=x86_64-w64-mingw32-windres
    -DCMAKE_FIND_ROOT_PATH=/usr/x86_64-w64-mingw32 -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF
    -DCMAKE_FIND_ROOT_PATH_MODE_LIBRARY=ONLY -DCMAKE_FIND_ROOT_PATH_MODE_INCLUDE=ONLY
    -DCMAKE_FIND_ROOT_PATH_MODE_PROGRAM=NEVER)
mbedtls_options=(-DENABLE_TESTING=OFF -DENABLE_PROGRAMS=OFF -DMBEDTLS_FATAL_WARNINGS=OFF
    -DUSE_SHARED_MBEDTLS_LIBRARY=OFF -DUSE_STATIC_MBEDTLS_LIBRARY=ON)
ssh_options=(-DCRYPTO_BACKEND=mbedTLS -DENABLE_ZLIB_COMPRESSION=OFF -DBUILD_EXAMPLES=OFF -DBUILD_TESTING=OFF)
curl_options=(-DCURL_USE_SCHANNEL=OFF -DCURL_USE_MBEDTLS=ON -DCURL_USE_OPENSSL=OFF
    -DCURL_CA_BUNDLE=none -DCURL_CA_PATH=none -DCURL_USE_LIBSSH2=ON -DCURL_ZLIB=OFF
    -DCURL_DISABLE_LDAP=ON -DCURL_USE_LIBPSL=OFF -DUSE_LIBIDN2=OFF -DUSE_NGHTTP2=OFF -DCURL_BROTLI=OFF
    -DCURL_ZSTD=OFF -DBUILD_CURL_EXE=ON -DBUILD_TESTING=OFF -DENABLE_CURL_MANUAL=OFF
    -DBUILD_LIBCURL_DOCS=OFF -DBUILD_MISC_DOCS=OFF)
# What the cache folder holds beyond the libraries (their licences since 2;
# curl on mbed TLS since 3).
layout=3
hash=$(printf '%s\n' "$layout" "$suite" "${common[@]}" "${mbedtls_options[@]}" "${ssh_options[@]}" \
    "${curl_options[@]}" | sha256sum | cut -c1-12)
prefix=$cache/curl-$version-mingw-$hash

if [[ ${1:-} == --print || -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

log() { echo "windows-curl: $*" >&2; }
mkdir -p "$cache"
exec 9>"$cache/curl-$hash.lock"
flock 9
[[ -f $prefix/.complete ]] && { echo "$prefix"; exit 0; }
work=$cache/curl-work-$hash
rm -rf "$work" "$prefix"
source "$(dirname "$0")/lib/debian-source.sh"

log "fetching the sources of mbed TLS, libssh2 and curl"
# The newest source first; where the archive lacks it (an update listed but
# not served yet), the next older one it lists.
fetch() {
    local package=$1 version
    debian_source "$work" "$package" "$package" "$suite" 2>/dev/null && return 0
    for version in $(debian_source_versions "$work" "$package"); do
        rm -rf "${work:?}/download-$package" "${work:?}/$package"
        debian_source "$work" "$package=$version" "$package" "$suite" 2>/dev/null && return 0
    done
    log "no source of $package to be had from Debian $suite"
    return 1
}
for package in mbedtls libssh2 curl; do
    fetch "$package"
done
# Builds and installs the source in WORK/NAME into the prefix, with OPTIONS.
build() {
    local name=$1
    shift
    cmake -S "$work/$name" -B "$work/build-$name" "${common[@]}" "$@" -DCMAKE_PREFIX_PATH="$prefix" \
        -DCMAKE_FIND_ROOT_PATH="/usr/x86_64-w64-mingw32;$prefix" \
        -DCMAKE_INSTALL_PREFIX="$prefix" >"$work/$name.log" 2>&1 &&
        cmake --build "$work/build-$name" >>"$work/$name.log" 2>&1 &&
        cmake --install "$work/build-$name" >>"$work/$name.log" 2>&1 ||
        { tail -30 "$work/$name.log" >&2; exit 1; }
}
log "building mbed TLS, libssh2 and curl on it"
build mbedtls "${mbedtls_options[@]}"
build libssh2 "${ssh_options[@]}"
# curl's own search finds libssh2 alone; a static libssh2 needs its crypto
# beside it, in curl's link and in the CMake package it installs for ours.
bcrypt=$(x86_64-w64-mingw32-gcc-posix -print-file-name=libbcrypt.a)
build curl "${curl_options[@]}" -DLIBSSH2_INCLUDE_DIR="$prefix/include" \
    -DLIBSSH2_LIBRARY="$prefix/lib/libssh2.a;$prefix/lib/libmbedcrypto.a;$bcrypt" \
    -DMBEDTLS_INCLUDE_DIR="$prefix/include" -DMBEDTLS_LIBRARY="$prefix/lib/libmbedtls.a" \
    -DMBEDX509_LIBRARY="$prefix/lib/libmbedx509.a" -DMBEDCRYPTO_LIBRARY="$prefix/lib/libmbedcrypto.a"
(cd "$work" && ls download-*/*.dsc) >"$prefix/sources.txt"
# The setup program ships the libraries' licences beside the program.
mkdir -p "$prefix/share/licenses"
cp "$work/mbedtls/LICENSE" "$prefix/share/licenses/mbedtls.txt"
cp "$work/libssh2/COPYING" "$prefix/share/licenses/libssh2.txt"
cp "$work/curl/COPYING" "$prefix/share/licenses/curl.txt"
touch "$prefix/.complete"
rm -rf "$work"
log "curl for Windows is ready"
echo "$prefix"
