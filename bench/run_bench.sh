#!/usr/bin/env bash
# Builds and runs the reading benchmark (not part of the tests).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build --target nivora_bench -j "$(nproc 2>/dev/null || echo 2)"
exec build/bench/nivora_bench "$@"
