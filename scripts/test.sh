#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the core,
# the windows on Qt's offscreen platform, the command-line export, the
# generated shops in Chromium, a minute of fuzzing the project reader and one
# of the page generator. Then the core and targello-export are built once
# more without Qt (so that neither comes to need it), and the whole program
# for Windows against a Qt built here from Debian's source, whose tests run
# under wine, its setup program among them; then the core, CLI and GUI tests
# run once more built with AddressSanitizer and UndefinedBehaviorSanitizer,
# and last the tests of the code that runs on threads with ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
# ccache keys its objects by paths relative to the checkout, so that a fresh
# clone elsewhere (as CI makes) finds what an earlier run compiled.
export CCACHE_BASEDIR="$PWD"
scripts/install-deps.sh --tests
deps_done=$SECONDS
# Qt for Windows, built from Debian's source once per machine into a cache
# outside the checkout (about half an hour the first time, nothing after).
windows_qt=$(scripts/windows-qt.sh)
# libcurl for Windows (Schannel, libssh2), cached the same way (minutes).
windows_curl=$(scripts/windows-curl.sh)
qt_done=$SECONDS
cmake --preset ci -DTARGELLO_FUZZ=ON >/dev/null
cmake --build --preset ci
linux_done=$SECONDS
cmake --preset windows -DTARGELLO_WINDOWS_QT="$windows_qt" -DTARGELLO_WINDOWS_CURL="$windows_curl" >/dev/null
cmake --build --preset windows
windows_done=$SECONDS
cmake --preset nogui >/dev/null
cmake --build --preset nogui
builds_done=$SECONDS

status=0
ctest --preset nogui || status=$?
ctest --preset ci || status=$?
# Wine starts a process slowly and now and then not at all on a busy
# machine, so the Windows tests run on their own.
ctest --preset windows || status=$?

tests_done=$SECONDS
cmake --preset asan >/dev/null
cmake --build --preset asan
ctest --preset asan || status=$?
# ThreadSanitizer: only the tests of the code that runs on threads are built.
cmake --preset tsan >/dev/null
cmake --build --preset tsan
ctest --preset tsan || status=$?
# Where the time went, last, where a log's tail shows it.
echo "Packages took $deps_done s, Qt for Windows $((qt_done - deps_done)) s, the ci build $((linux_done - qt_done)) s," \
    "the Windows build $((windows_done - linux_done)) s, the build without Qt $((builds_done - windows_done)) s," \
    "the tests of those three $((tests_done - builds_done)) s, the sanitizer builds and their tests $((SECONDS - tests_done)) s;" \
    "$SECONDS s in all."
exit "$status"
