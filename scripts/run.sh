#!/usr/bin/env bash
# Sets everything up and starts Morvik; arguments go to the program (a histogram file to open, for example).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/app/morvik "$@"
