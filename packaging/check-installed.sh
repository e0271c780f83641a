#!/usr/bin/env bash
# Checks an installed Morvik under PREFIX (the usr folder of a scratch root or of a DESTDIR install) without the
# source tree: every installed file is in place, morvik-cli reads an installed example, and the program's first
# start in a fresh home copies the examples from PREFIX/share/morvik and opens one of them by its file name.
# Usage: check-installed.sh PREFIX
set -euo pipefail
prefix=$(realpath "$1")
id=org.morvik.Morvik

fail() {
  echo "check-installed: $*" >&2
  exit 1
}

for file in bin/morvik bin/morvik-cli share/applications/$id.desktop share/metainfo/$id.metainfo.xml \
            share/mime/packages/$id.xml share/icons/hicolor/scalable/apps/$id.svg \
            share/icons/hicolor/{48x48,128x128,256x256}/apps/$id.png \
            share/man/man1/morvik.1.gz share/man/man1/morvik-cli.1.gz share/morvik/examples/Loads/DeadLoad.dis \
            share/morvik/Morvik.htm share/morvik/cs/Morvik.htm share/morvik/guide/en/main.png \
            share/morvik/guide/cs/main.png; do
  [ -e "$prefix/$file" ] || fail "missing $prefix/$file"
done

cli_version=$("$prefix/bin/morvik-cli" --version)
gui_version=$("$prefix/bin/morvik" --version)
[ "${cli_version#morvik-cli }" = "${gui_version#morvik }" ] || fail "versions differ: $cli_version, $gui_version"
"$prefix/bin/morvik-cli" show "$prefix/share/morvik/examples/Loads/DeadLoad.dis" | grep -q '"name": "DeadLoad"' \
  || fail "morvik-cli show did not read the installed example"

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
example="$home/Documents/Verosal/Histograms/Loads/DeadLoad.dis"
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$home" QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}" \
  timeout 120 "$prefix/bin/morvik" --screenshot "$home/window.png" "$example" \
  || fail "the installed program did not start and end cleanly"
[ -f "$example" ] || fail "the first start did not copy the examples from $prefix/share/morvik"
[ -f "$home/Documents/Verosal/Raw data/WindSpeed.txt" ] || fail "the first start did not copy the raw data"
[ -s "$home/window.png" ] || fail "the program showed no window"
# The histogram opened by its file name is the first entry of the recently opened list.
grep -q "DeadLoad" "$home/.config/Morvik/Morvik.INI" || fail "the program did not open $example"
echo "installed $gui_version under $prefix: files, morvik-cli and first start in order"
