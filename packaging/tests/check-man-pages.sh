#!/usr/bin/env bash
# The manual pages render without a warning from man and groff, and morvik-cli(1) documents every command the
# program lists in its help.
# Usage: check-man-pages.sh MORVIK_CLI MAN_FOLDER
set -euo pipefail
cli=$1
man_folder=$2
status=0

for page in "$man_folder"/*.1; do
  warnings=$(MANWIDTH=80 LC_ALL=C.UTF-8 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
  if [ -n "$warnings" ]; then
    printf '%s:\n%s\n' "$page" "$warnings"
    status=1
  fi
done

commands=$("$cli" --help | sed -n '/^Commands:/,/^$/p' | awk 'NF && $1 != "Commands:" { print $1 }')
if [ -z "$commands" ]; then
  echo "morvik-cli --help lists no commands"
  status=1
fi
for command in $commands; do
  if ! grep -q "^\.SS $command\$" "$man_folder/morvik-cli.1"; then
    echo "morvik-cli(1) does not document the command $command"
    status=1
  fi
done
exit $status
