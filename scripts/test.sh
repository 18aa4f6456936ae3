#!/bin/sh
# Installs what is missing, builds and runs every test headless.
# SANITIZE=1 builds into build-asan with AddressSanitizer + UBSan instead.
# TSAN=1 builds the game kernel, its search and the engine program's protocol
# into build-tsan with ThreadSanitizer and runs their tests (the search runs on
# its own thread).
# WERROR=1 makes every compiler warning an error (CMake's
# CMAKE_COMPILE_WARNING_AS_ERROR). Continuous integration sets it, as there the
# compiler is the one we know; without it warnings stay warnings, so a newer
# compiler's new warning never stops someone building the game.
set -eu
cd "$(dirname "$0")/.."
scripts/install-deps.sh

targets=""
filter=""
if [ "${SANITIZE:-0}" = "1" ]; then
    dir=build-asan
    flags="-DVELTAN_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug -DVELTAN_BUILD_BENCH=OFF -DVELTAN_BUILD_TOOLS=OFF"
    export ASAN_OPTIONS=detect_leaks=0
    export UBSAN_OPTIONS=print_stacktrace=1
elif [ "${TSAN:-0}" = "1" ]; then
    dir=build-tsan
    flags="-DVELTAN_TSAN=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTAN_BUILD_BENCH=OFF -DVELTAN_BUILD_TOOLS=OFF"
    targets="--target kernel_tests engine_tests engine_protocol_tests"
    # The tests that start searches on other threads or stop them from outside.
    filter="*ComputerPlayer.*:*ThreadLinks.*:*Search.*:*WinningCapture.*:*Defence.*"
    export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1"
else
    dir=build
    flags="-DCMAKE_BUILD_TYPE=RelWithDebInfo"
fi
# Said every time, so an earlier WERROR=1 run does not linger in the cache.
if [ "${WERROR:-0}" = "1" ]; then
    flags="$flags -DCMAKE_COMPILE_WARNING_AS_ERROR=ON"
else
    flags="$flags -DCMAKE_COMPILE_WARNING_AS_ERROR=OFF"
fi
# shellcheck disable=SC2086
cmake -S . -B "$dir" -G Ninja $flags
# shellcheck disable=SC2086
cmake --build "$dir" --parallel $targets
export QT_QPA_PLATFORM=offscreen
cd "$dir"
if [ -n "$filter" ]; then
    tests/kernel/kernel_tests --gtest_filter="$filter"
    tests/engine/engine_tests --gtest_filter="$filter"
    # The engine program answers while its search thread thinks.
    tests/engineprotocol/engine_protocol_tests
else
    ctest --output-on-failure --timeout 900 --parallel 2
fi
