#!/usr/bin/env bash
# Builds the settings loading fuzzer with clang in build-fuzz and runs it for a
# bounded time over the seed corpus (a copy, so the tree stays as it is).
# Usage: scripts/run-fuzz.sh [SECONDS]   (default 60; JOBS sets the build jobs)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}

cmake -S . -B build-fuzz -G Ninja \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZURO_FUZZ=ON -DZURO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "${JOBS:-$(nproc)}" --target settings_load_fuzzer

corpus=$(mktemp -d)
trap 'rm -rf "$corpus"' EXIT
cp tests/fuzz/corpus/* "$corpus"/

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
build-fuzz/fuzz/settings_load_fuzzer \
  -max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536 \
  -dict=tests/fuzz/settings.dict -artifact_prefix=build-fuzz/ \
  "$corpus"
