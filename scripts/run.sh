#!/usr/bin/env bash
# Sets everything up and starts Morvik; arguments go to the program (a histogram file to open, for example).
# Builds only the program, in Release; it reads its examples from the source tree.
set -euo pipefail
cd "$(dirname "$0")/.."
MORVIK_TARGETS=morvik scripts/setup.sh build-release -DCMAKE_BUILD_TYPE=Release -DMORVIK_BUILD_TESTS=OFF
exec build-release/src/app/morvik "$@"
