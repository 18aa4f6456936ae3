#!/bin/sh
# Installs what is missing, builds and runs every test headless.
# SANITIZE=1 builds into build-asan with AddressSanitizer + UBSan instead.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

if [ "${SANITIZE:-0}" = "1" ]; then
    dir=build-asan
    flags="-DVELTAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVELTAN_BUILD_BENCH=OFF -DVELTAN_BUILD_TOOLS=OFF"
    export ASAN_OPTIONS=detect_leaks=0
    export UBSAN_OPTIONS=print_stacktrace=1
else
    dir=build
    flags="-DCMAKE_BUILD_TYPE=RelWithDebInfo"
fi
# shellcheck disable=SC2086
cmake -S . -B "$dir" -G Ninja $flags
cmake --build "$dir" --parallel
export QT_QPA_PLATFORM=offscreen
cd "$dir" && ctest --output-on-failure --timeout 900 --parallel 2
