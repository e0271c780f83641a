#!/usr/bin/env bash
# Sets everything up and starts Morvik.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
if [ -x build/src/app/morvik ]; then
  exec build/src/app/morvik "$@"
fi
exec build/src/cli/morvik-cli --help
