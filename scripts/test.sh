#!/usr/bin/env bash
# Sets up, builds and runs every test: a normal build, then the core and its
# tests once more under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)

scripts/build.sh build
(cd build && ctest --output-on-failure -j "$jobs")

export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DNIVORA_SANITIZE=ON -DNIVORA_WITH_QT=OFF
(cd build-asan && ctest --output-on-failure -j "$jobs")
