#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build-fuzz (every library with
# coverage, AddressSanitizer and UndefinedBehaviorSanitizer) and runs each for a
# bounded time over a copy of its seed corpus in tests/fuzz/corpus/<name>/, so
# the tree stays as it is. A crash leaves its input in build-fuzz/ and fails.
# Usage: scripts/run-fuzz.sh [SECONDS]   (default 120, shared among the targets;
# settings loading, whose inputs are the slowest, gets two shares; JOBS sets the
# build jobs)
set -euo pipefail
cd "$(dirname "$0")/.."
total=${1:-120}

targets=(settings_load report_descriptor feature_report event_dispatch frame)
share=$((total / (${#targets[@]} + 1)))

launcher=()
if command -v ccache >/dev/null 2>&1; then
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B build-fuzz -G Ninja "${launcher[@]}" \
  -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DZURO_FUZZ=ON -DZURO_BUILD_BENCH=OFF >/dev/null
cmake --build build-fuzz -j "${JOBS:-$(nproc)}" --target "${targets[@]/%/_fuzzer}"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

for target in "${targets[@]}"; do
  seconds=$share
  if [ "$target" = settings_load ]; then seconds=$((2 * share)); fi
  corpus="$work/$target"
  mkdir -p "$corpus"
  cp tests/fuzz/corpus/"$target"/* "$corpus"/
  options=(-max_total_time="$seconds" -timeout=20 -rss_limit_mb=2048 -max_len=65536
           -artifact_prefix=build-fuzz/"$target"- -print_final_stats=1)
  if [ -f tests/fuzz/"$target".dict ]; then
    options+=(-dict=tests/fuzz/"$target".dict)
  fi
  echo "run-fuzz: $target for ${seconds}s"
  build-fuzz/fuzz/"$target"_fuzzer "${options[@]}" "$corpus" 2>"$work/$target.log" || {
    tail -n 60 "$work/$target.log"
    echo "run-fuzz: $target found a fault (input in build-fuzz/)"
    exit 1
  }
  grep -E "stat::number_of_executed_units|Done [0-9]+ runs" "$work/$target.log" | tail -n 1 || true
done
echo "run-fuzz: no fault found"
