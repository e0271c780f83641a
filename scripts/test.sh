#!/usr/bin/env bash
# Sets everything up and runs every test, with AddressSanitizer and UndefinedBehaviorSanitizer on.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build-check -DMORVIK_SANITIZE=ON -DMORVIK_BUILD_BENCH=ON
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=print_stacktrace=1
ctest --test-dir build-check --output-on-failure -j2
