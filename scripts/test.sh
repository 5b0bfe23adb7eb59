#!/usr/bin/env bash
# Builds everything with warnings as errors and runs every test: the core,
# the windows on Qt's offscreen platform, the command-line export, the
# generated shops in Chromium, a minute of fuzzing the project reader and one
# of the page generator. Then the core and targello-export are built once
# more without Qt (so that neither comes to need it) and for Windows, whose
# tests run under wine; then the core, CLI and GUI tests run once more built
# with AddressSanitizer and UndefinedBehaviorSanitizer, and last the tests of
# the code that runs on threads with ThreadSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh --tests
deps_done=$SECONDS
cmake --preset ci -DTARGELLO_FUZZ=ON >/dev/null
cmake --build --preset ci
linux_done=$SECONDS
cmake --preset windows >/dev/null
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
echo "Packages took $deps_done s, the ci build $((linux_done - deps_done)) s," \
    "the Windows build $((windows_done - linux_done)) s, the build without Qt $((builds_done - windows_done)) s," \
    "the tests of those three $((tests_done - builds_done)) s, the sanitizer builds and their tests $((SECONDS - tests_done)) s;" \
    "$SECONDS s in all."
exit "$status"
