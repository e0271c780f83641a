#!/usr/bin/env bash
# Builds the Debian package: the two programs in Release with their data, desktop entry, icons, file types,
# metainfo and manual pages, in build-release (shared with scripts/run.sh). Prints the package's path.
# Install it with: sudo apt-get install ./build-release/morvik_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
# dpkg-dev brings dpkg-shlibdeps, which finds the package's dependencies.
MORVIK_EXTRA_PACKAGES="dpkg-dev" scripts/setup.sh build-release -DCMAKE_BUILD_TYPE=Release -DMORVIK_BUILD_TESTS=OFF
rm -f build-release/morvik_*.deb
(cd build-release && cpack -G DEB > /dev/null)
ls build-release/morvik_*.deb
