#!/usr/bin/env bash
# Builds Qt 6.4.2's qtbase for 64-bit Windows (mingw-w64, posix threads) from
# Debian's own source package, as shared libraries, with only what Targello
# needs, and prints the folder it is installed in. The result is kept in a
# cache outside the checkout, named by the source version and a hash of the
# build's options, so only the first run on a machine builds it (about 22
# minutes on two idle cores); every later run prints the folder at once.
#
#   scripts/windows-qt.sh            build if needed, print the Qt folder
#   scripts/windows-qt.sh --print    print the folder it would use, build nothing
set -euo pipefail

version=6.4.2+dfsg-10
cache=${TARGELLO_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/targello}

# The compilers, as a toolchain file for Qt's configure.
toolchain='set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)'

# Only what the program needs: Core, Gui, Widgets, Concurrent and Test, the
# windows and offscreen platforms, JPEG, PNG, GIF and ICO, and UI Automation
# (inside the windows platform). Qt's bundled libraries, since mingw-w64 has
# none of them. The +dfsg source leaves out Wintab's header; without tablet
# events the windows platform does not need it (pen input through WM_POINTER
# stays). Dynamic OpenGL stays on unless OpenGL's input is "no". Nor does
# the program use Direct2D's platform (whose feature is direct2d1_1: with
# direct2d off, Qt 6.4 leaves out DirectWrite's font database but its windows
# platform still calls it), PDF, Markdown or ODF text, animated
# pictures, the tray, undo stacks or the widgets of the second row, which
# together are a twelfth of the build's steps.
features_off=(network sql dbus xml printsupport vulkan vkgen icu zstd androiddeployqt tabletevent
    system_zlib system_png system_jpeg system_pcre2 system_freetype system_harfbuzz system_doubleconversion
    sessionmanager)
features_off+=(direct2d1_1 pdf textmarkdownreader textmarkdownwriter textodfwriter movie systemtrayicon
    undocommand undostack undogroup undoview dockwidget calendarwidget datetimeedit fontcombobox lcdnumber
    columnview keysequenceedit syntaxhighlighter splashscreen errormessage fontdialog)
# Nor graphics view (with graphics effects, which need it), wizards, tree
# widgets, text browsers, dials, tool boxes, command link buttons, data
# widget mappers or kinetic scrolling: another sixth of the widgets' sources,
# graphics view's among the largest. (Input dialogs stay: the Windows style's
# own header includes theirs.)
features_off+=(graphicsview wizard treewidget textbrowser dial toolbox commandlinkbutton
    datawidgetmapper scroller)
options=(-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF -DINPUT_opengl=no
    -DFEATURE_gui=ON -DFEATURE_widgets=ON -DFEATURE_concurrent=ON -DFEATURE_testlib=ON
    -DFEATURE_png=ON -DFEATURE_jpeg=ON -DFEATURE_gif=ON -DFEATURE_ico=ON -DFEATURE_accessibility=ON)
for f in "${features_off[@]}"; do options+=("-DFEATURE_$f=OFF"); done

# HarfBuzz is written to compile as one source (its harfbuzz.cc includes all
# the others), which takes a fraction of the time its fifty sources take one
# by one; its subsetter, outside that set, stays file by file.
harfbuzz_unity='set_property(TARGET BundledHarfbuzz PROPERTY UNITY_BUILD ON)
file(GLOB subset RELATIVE "${CMAKE_CURRENT_SOURCE_DIR}" "${CMAKE_CURRENT_SOURCE_DIR}/src/hb-subset*.cc")
set_source_files_properties(${subset} PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)'

hash=$(printf '%s\n' "$version" "$toolchain" "${options[@]}" "$harfbuzz_unity" | sha256sum | cut -c1-12)
prefix=$cache/qt-6.4.2-mingw-$hash

if [[ ${1:-} == --print || -f $prefix/.complete ]]; then
    echo "$prefix"
    exit 0
fi

log() { echo "windows-qt: $*" >&2; }
mkdir -p "$cache"
exec 9>"$cache/qt-$hash.lock"
flock 9
[[ -f $prefix/.complete ]] && { echo "$prefix"; exit 0; }
work=$cache/qt-work-$hash
rm -rf "$work"
source "$(dirname "$0")/lib/debian-source.sh"

log "fetching the source of qt6-base $version"
debian_source "$work" "qt6-base=$version" source
printf '%s\n' "$toolchain" >"$work/toolchain.cmake"
printf '\n%s\n' "$harfbuzz_unity" >>"$work/source/src/3rdparty/harfbuzz-ng/CMakeLists.txt"

log "configuring"
cmake -G Ninja -S "$work/source" -B "$work/build" -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    -DCMAKE_INSTALL_PREFIX="$prefix" "${options[@]}" >"$work/configure.log" 2>&1 ||
    { tail -40 "$work/configure.log" >&2; exit 1; }
log "building (about 22 minutes on two idle cores)"
cmake --build "$work/build" >"$work/build.log" 2>&1 ||
    { grep -m20 -B2 -A8 'error' "$work/build.log" >&2; exit 1; }
rm -rf "$prefix"
cmake --install "$work/build" >/dev/null
touch "$prefix/.complete"
# What each step took, for whoever trims the build further.
cp "$work/build/.ninja_log" "$cache/qt-$hash.ninja_log"
rm -rf "$work"
log "Qt for Windows is ready"
echo "$prefix"
