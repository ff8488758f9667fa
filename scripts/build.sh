#!/usr/bin/env bash
# Configures and builds into build/ (or the folder given as $1).
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B "$dir" "$@" >/dev/null
cmake --build "$dir" -j "$jobs"
