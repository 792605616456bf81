#!/usr/bin/env bash
# Installs what is missing, builds, prepares the sample data folder when there is none, and
# starts one program on it:  scripts/run.sh [mordisk|tavrelo|pellanor]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:-mordisk}
build=${ZUVO_BUILD_DIR:-$root/build}
export ZUVO_DATA=${ZUVO_DATA:-$HOME/ZuvoData}

case "$program" in
  mordisk|tavrelo|pellanor) ;;
  *)
    echo "Programma sconosciuto: '$program'. I programmi sono: mordisk, tavrelo, pellanor." >&2
    exit 2
    ;;
esac

bash "$root/scripts/install-deps.sh" desktop
bash "$root/scripts/build.sh"
if [ ! -e "$ZUVO_DATA" ]; then
  "$build/sample_data/zuvo-prepare-data" "$ZUVO_DATA"
fi
if [ -x "$build/programs/$program" ]; then
  exec "$build/programs/$program"
fi
echo "Data folder ready in $ZUVO_DATA; the program '$program' is not built yet."
