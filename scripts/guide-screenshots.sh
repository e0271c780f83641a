#!/usr/bin/env bash
# Takes the user guide's pictures anew: builds the picture taker (tests/guide), then runs it on a virtual X
# display (Xvfb) once per language, saving the PNGs into data/guide/en and data/guide/cs, where the help pages
# Morvik.htm and cs/Morvik.htm find them.
# Usage: scripts/guide-screenshots.sh [BUILD_DIR]   (default: build-guide)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build-guide}
MORVIK_TARGETS=morvik_guide_shots scripts/setup.sh "$build_dir" -DMORVIK_BUILD_TESTS=ON >/dev/null
for language in en cs; do
  rm -f data/guide/$language/*.png
  # A fixed screen and the Fusion style, so that the pictures look the same on every desktop.
  timeout 600 xvfb-run -a -s "-screen 0 1280x1024x24" env QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=Fusion \
    HOME="$(mktemp -d)" "$build_dir/tests/guide/morvik_guide_shots" "data/guide/$language" "$language" "$PWD/data"
done
du -sh data/guide
