#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1); further
# arguments go to CMake's configure step. BUILD_TARGETS, when set, names the
# targets to build instead of all.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)
generator=()
# A folder configured earlier keeps its generator.
if [ ! -f "$dir/CMakeCache.txt" ] && command -v ninja >/dev/null; then generator=(-G Ninja); fi
cmake -S . -B "$dir" "${generator[@]}" "$@" >/dev/null
targets=()
for t in ${BUILD_TARGETS:-}; do targets+=(--target "$t"); done
cmake --build "$dir" -j "$jobs" "${targets[@]}"
