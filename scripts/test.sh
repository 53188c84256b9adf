#!/usr/bin/env bash
# Installs what is missing, builds everything with warnings as errors under AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs every test.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/scripts/deps.sh"
build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZS_WERROR=ON -DZS_SANITIZE=ON
cmake --build "$build"
export QT_QPA_PLATFORM=offscreen
# The screen tests turn leak detection off for themselves: Qt keeps process-wide caches.
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
cd "$build"
ctest --output-on-failure -j2
# Every file reader under libFuzzer, a few seconds each.
cd "$root"
bash "$root/scripts/fuzz.sh" 3
