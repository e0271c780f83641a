#!/usr/bin/env bash
# Sets everything up and starts Morvik. Until the desktop main window is in, this shows the batch companion's help.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/src/cli/morvik-cli --help
