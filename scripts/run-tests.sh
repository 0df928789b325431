#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: one build with
# AddressSanitizer and UndefinedBehaviorSanitizer (build-asan), so every test,
# end-to-end ones included, also checks memory and undefined behaviour. Tests
# labelled "gui" run under a virtual X server.
# Usage: scripts/run-tests.sh [--plain]
#   --plain  the ordinary build (build, the one the main job runs) instead:
#            quicker to build, no sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh

if [ "${1:-}" = "--plain" ]; then
  build_dir=build
  bash scripts/build.sh "$build_dir"
else
  build_dir=build-asan
  # Optimised a little and with line tables only: the build is most of the time
  # the tests take, and a sanitizer's report still names file and line.
  bash scripts/build.sh "$build_dir" -DZURO_SANITIZE=ON -DZURO_BUILD_BENCH=OFF -DZURO_PCH=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS_RELWITHDEBINFO="-O1 -g1" \
    -DCMAKE_C_FLAGS_RELWITHDEBINFO="-O1 -g1"
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi

QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen} ctest --test-dir "$build_dir" --output-on-failure -j 2 -LE gui
if ctest --test-dir "$build_dir" -N -L gui | grep -q 'Total Tests: [1-9]'; then
  # Leaks are judged in the headless tests: on a display, the X and font
  # libraries keep caches to the end of the process by design.
  ASAN_OPTIONS=${ASAN_OPTIONS:+detect_leaks=0:abort_on_error=1} QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
    ctest --test-dir "$build_dir" --output-on-failure -L gui
fi
