#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test. Tests labelled "gui"
# run under a virtual X server.
# Usage: scripts/run-tests.sh [--sanitize]
#   --sanitize  a second build with AddressSanitizer and UndefinedBehaviorSanitizer
#               (build-asan), running the tests that need no display.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  bash scripts/build.sh build-asan -DZURO_SANITIZE=ON -DZURO_BUILD_BENCH=OFF
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
  export QT_QPA_PLATFORM=offscreen
  ctest --test-dir build-asan --output-on-failure -j 2 -LE gui
  exit 0
fi

bash scripts/build.sh build
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
ctest --test-dir build --output-on-failure -j 2 -LE gui
if ctest --test-dir build -N -L gui | grep -q 'Total Tests: [1-9]'; then
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    ctest --test-dir build --output-on-failure -L gui
fi
