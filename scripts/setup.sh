#!/usr/bin/env bash
# Installs the Debian 12 packages the build needs (only when something is missing), then configures and builds.
# Usage: scripts/setup.sh BUILD_DIR [extra cmake arguments]
# MORVIK_TARGETS names the targets to build (all when unset); MORVIK_EXTRA_PACKAGES adds Debian packages.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true

# clang builds the fuzz harnesses (scripts/fuzz.sh), unzip reads workbooks back in the tests, Qt's translations
# turn its own dialogs Czech with the program; the last line: the tools that check the desktop entry, metainfo,
# file types and manual pages.
packages=(g++ cmake ninja-build pkgconf qt6-base-dev qt6-svg-dev qt6-translations-l10n libgl-dev libsimpleini-dev
          libicu-dev libxlsxwriter-dev libjpeg-dev nlohmann-json3-dev libgtest-dev libgmock-dev libbenchmark-dev
          xvfb xauth clang unzip
          desktop-file-utils appstream shared-mime-info xdg-utils libfile-mimeinfo-perl man-db
          ${MORVIK_EXTRA_PACKAGES:-})
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi

cmake -S . -B "$build_dir" -G Ninja "$@"
# Qt's moc step of an existing build does not notice sources added since; forgetting its stamp makes it look
# again (unchanged files are not regenerated).
find "$build_dir" -path '*_autogen/timestamp' -delete 2>/dev/null || true
targets=()
for target in ${MORVIK_TARGETS:-}; do targets+=(--target "$target"); done
cmake --build "$build_dir" "${targets[@]}"
