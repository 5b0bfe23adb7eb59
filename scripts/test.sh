#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the core,
# the windows on Qt's offscreen platform, the command-line export, the
# generated shops in Chromium, a minute of fuzzing the project reader and one
# of the page generator. The core and targello-export are built once more
# without Qt (so that neither comes to need it); the core, CLI and GUI tests
# run once more built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and the tests of the code that runs on threads with ThreadSanitizer. Last,
# the whole program for Windows against a Qt built here from Debian's source,
# whose tests run under wine, its setup program among them.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache keys its objects by paths relative to the checkout, so that a fresh
# clone elsewhere (as CI makes) finds what an earlier run compiled.
export CCACHE_BASEDIR="$PWD"
# Nor by the folder a compiler ran in, which only the debug information names:
# the build without Qt compiles the core exactly as the ci build does, and
# finds its objects instead of compiling them again.
export CCACHE_NOHASHDIR=1
# The trees compiled file by file use ccache's depend mode: there a miss
# compiles once, not twice (otherwise ccache first runs the preprocessor over
# the whole source to look for the object, a seventh of a cold compile), and
# it keys an object by the files the compiler reports having read, named
# relative to the checkout. Not the unity trees: their batches include the
# sources by absolute path, so in depend mode a clone elsewhere would find
# none of their objects, while the preprocessor's output, which ccache reads
# otherwise, is the same in every clone; one preprocessor run per batch of
# eight sources costs little.
depend=(env CCACHE_DEPEND=1)
scripts/install-deps.sh --tests
deps_done=$SECONDS
# Qt for Windows, built from Debian's source once per machine into a cache
# outside the checkout (about 22 minutes the first time, nothing after),
# and libcurl for Windows (Mbed TLS, libssh2), cached the same way (minutes).
# On a machine without them they build at the lowest priority beside the
# Linux builds and tests, which keep the cores they need, so that the libraries
# take only what the rest leaves idle; the Windows build waits for them.
# libcurl goes first: its configure steps use one core, and last they would
# hold up the Windows build on their own.
windows_libs=$(mktemp)
trap 'rm -f "$windows_libs"' EXIT
{ nice -n 19 scripts/windows-curl.sh && nice -n 19 scripts/windows-qt.sh; } >"$windows_libs" &
libs_pid=$!

status=0
cmake --preset ci -DTARGELLO_FUZZ=ON >/dev/null
"${depend[@]}" cmake --build --preset ci
cmake --preset nogui >/dev/null
"${depend[@]}" cmake --build --preset nogui
builds_done=$SECONDS
ctest --preset nogui || status=$?
ctest --preset ci || status=$?
tests_done=$SECONDS
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan || status=$?
# ThreadSanitizer: only the tests of the code that runs on threads are built.
cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan || status=$?
linux_done=$SECONDS

wait "$libs_pid" || { echo "The libraries for Windows did not build." >&2; exit 1; }
{ read -r windows_curl; read -r windows_qt; } <"$windows_libs"
libs_done=$SECONDS
cmake --preset windows -DTARGELLO_WINDOWS_QT="$windows_qt" -DTARGELLO_WINDOWS_CURL="$windows_curl" >/dev/null
cmake --build --preset windows
windows_built=$SECONDS
# Wine starts a process slowly and now and then not at all on a busy
# machine, so the Windows tests run on their own, last.
ctest --preset windows || status=$?

# Where the time went, last, where a log's tail shows it.
echo "Packages took $deps_done s, the ci build and the one without Qt $((builds_done - deps_done)) s, their tests" \
    "$((tests_done - builds_done)) s, the sanitizer builds and their tests $((linux_done - tests_done)) s, then waiting for" \
    "Qt and libcurl for Windows $((libs_done - linux_done)) s, the Windows build $((windows_built - libs_done)) s and its" \
    "tests $((SECONDS - windows_built)) s; $SECONDS s in all."
exit "$status"
