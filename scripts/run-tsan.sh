#!/usr/bin/env bash
# Builds the HID bridge's tests with ThreadSanitizer (build folder build-tsan) and
# runs them: the bridge's unit tests, and its end-to-end tests against a running
# simulator, closing monitoring while events stream in among them.
# Usage: scripts/run-tsan.sh      (JOBS=<n> limits the parallel build)
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build-tsan -G Ninja -DZURO_TSAN=ON -DZURO_BUILD_BENCH=OFF >/dev/null
cmake --build build-tsan -j "${JOBS:-$(nproc)}" --target hidbridge_unit_tests hidbridge_e2e_tests
# Qt is not built with ThreadSanitizer: the accesses its own code makes through
# the intercepted functions (its D-Bus and event-dispatcher threads hand memory
# and descriptors over under locks ThreadSanitizer cannot see) are not judged.
# Every access of our own, instrumented code still is.
export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 ignore_noninstrumented_modules=1 ${TSAN_OPTIONS:-}"
export QT_QPA_PLATFORM=offscreen
build-tsan/tests/hidbridge_unit_tests
build-tsan/tests/hidbridge_e2e_tests
