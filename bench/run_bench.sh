#!/usr/bin/env bash
# Builds and runs the reading benchmark (not part of the tests), from the
# repository root: bench/run_bench.sh [samples [repeats]]
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build --target nivora_bench
exec build/bench/nivora_bench "$@"
