#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks it there as an installed program.
# Usage: install-and-check.sh BUILD_FOLDER
set -euo pipefail
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
cmake --install "$1" --prefix "$root/usr" > /dev/null
"$(dirname "$0")/../check-installed.sh" "$root/usr"
