#!/usr/bin/env bash
# Configures and builds the project into a build folder (default: build).
# Usage: scripts/build.sh [BUILD_DIR] [extra cmake options...]
# Compiles through ccache when it is installed (developers' machines; CI has none).
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${1:-build}
shift || true
launcher=()
if command -v ccache >/dev/null 2>&1; then
  # Lets the cache serve files compiled with a precompiled header (ZURO_PCH).
  # Paths below the checkout's parent folder are hashed relative, so checkouts
  # side by side (git worktrees) share the cache.
  export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(dirname "$PWD")}
  export CCACHE_SLOPPINESS=${CCACHE_SLOPPINESS:-pch_defines,time_macros,include_file_mtime,include_file_ctime}
  launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S . -B "$build_dir" -G Ninja "${launcher[@]}" "$@" >/dev/null
cmake --build "$build_dir" -j "$(nproc)"
