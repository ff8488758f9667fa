#!/usr/bin/env bash
# Builds and runs a benchmark (not part of the tests), from the repository root:
#   bench/run_bench.sh [samples [repeats]]   reading speed and memory, also of
#                                            the real command `nivora-cli info`
#   bench/run_bench.sh draw [repeats]        drawing diagram pages
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build >/dev/null
if [ "${1:-}" = draw ]; then
  shift
  cmake --build build --target nivora_draw_bench
  exec build/bench/nivora_draw_bench "$@"
fi
cmake --build build --target nivora_bench nivora-cli
exec build/bench/nivora_bench --cli build/src/cli/nivora-cli "$@"
