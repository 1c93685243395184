#!/usr/bin/env bash
# Installs what is missing, builds, and starts one of the two programs.
# Usage: scripts/run.sh charaktergenerator|schiffsbau
set -eu
top=$(cd "$(dirname "$0")/.." && pwd)
program=${1:?usage: scripts/run.sh charaktergenerator|schiffsbau}
case "$program" in
  charaktergenerator|schiffsbau) ;;
  *) echo "unknown program: $program (charaktergenerator or schiffsbau)" >&2; exit 2 ;;
esac
"$top/scripts/setup.sh" "$top/build"
if [ "$program" = schiffsbau ]; then
  # The ship builder reads its lists, base list, template and style from
  # the working directory: the build's copy of schiffsbau/data.
  cd "$top/build/schiffsbau/data"
  exec "$top/build/schiffsbau/schiffsbau"
fi
exec "$top/build/charaktergenerator/charaktergenerator"
