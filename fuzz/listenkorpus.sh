#!/bin/sh
# Seeds of the component-list target from list files: each file's name on a
# line of its own, followed by its bytes unchanged.
# Usage: listenkorpus.sh ZIELORDNER LISTE...
set -eu
ziel=$1; shift
mkdir -p "$ziel"
for liste in "$@"; do
  name=$(basename "$liste")
  { printf '%s\n' "$name"; cat "$liste"; } > "$ziel/$name"
done
