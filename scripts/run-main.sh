#!/usr/bin/env bash
# The main job: installs what is missing, builds the run tree and runs the system
# from it. Ctrl-C stops everything it started.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
dist=build/dist

if [ ! -x "$dist/ZuroTarnMonitor" ]; then
  echo "run-main: the run tree has no monitor yet; built: $(ls "$dist")"
  exit 0
fi
export ZURO_DEBUG=${ZURO_DEBUG:-1}
exec "$dist/ZuroTarnMonitor"
