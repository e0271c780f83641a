#!/usr/bin/env bash
# The file types, registered in a scratch MIME database, are what xdg-mime answers for our files: by extension,
# and by content for a histogram file without one.
# Usage: check-file-types.sh MIME_XML FIXTURES_FOLDER
set -euo pipefail
mime_xml=$1
fixtures=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/data/mime/packages"
cp "$mime_xml" "$work/data/mime/packages/org.morvik.Morvik.xml"
export XDG_DATA_HOME="$work/data" XDG_DATA_DIRS=/usr/share
update-mime-database "$work/data/mime"
unset XDG_CURRENT_DESKTOP  # xdg-mime's own lookup in the shared MIME database, as on a bare machine

cp "$fixtures/dice.dis" "$work/dice.dis"
cp "$fixtures/dice.dis" "$work/histogram"
printf '\002\010\002\013' > "$work/table.kom"
printf '\002\011\002\021' > "$work/table.sum"
printf 'Description of a bridge\n' > "$work/notes"

status=0
expect() {
  local answer
  answer=$(xdg-mime query filetype "$1")
  if [ "$answer" != "$2" ]; then
    echo "$(basename "$1"): $answer, expected $2"
    status=1
  fi
}
expect "$work/dice.dis" application/x-morvik-histogram
expect "$work/histogram" application/x-morvik-histogram
expect "$work/table.kom" application/x-morvik-combination-table
expect "$work/table.sum" application/x-morvik-summation-table
expect "$work/notes" text/plain
exit $status
