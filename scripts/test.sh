#!/usr/bin/env bash
# Sets up, checks the formatting, then builds and runs every test twice: a
# normal build with warnings as errors, and a build of everything (core, Qt
# adapter, nivora-cli, the desktop program and all their tests) under
# AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
jobs=$(nproc 2>/dev/null || echo 2)
start=$SECONDS
export QT_QPA_PLATFORM=offscreen

scripts/format.sh

scripts/build.sh build -DNIVORA_WERROR=ON
(cd build && ctest --output-on-failure -j "$jobs")

# Leaks and faults of system libraries (fonts, Qt plugins) are listed by name in
# the suppression files; the project's own code is never suppressed there.
export ASAN_OPTIONS=halt_on_error=1:detect_leaks=1
export LSAN_OPTIONS=suppressions=$PWD/scripts/lsan.supp:print_suppressions=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1:suppressions=$PWD/scripts/ubsan.supp
scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DNIVORA_SANITIZE=ON -DNIVORA_WITH_QT=ON \
  -DNIVORA_WERROR=ON -DNIVORA_BUILD_BENCH=OFF
(cd build-asan && ctest --output-on-failure -j "$jobs")

echo "Alle Prüfungen bestanden in $(( (SECONDS - start) / 60 )) min $(( (SECONDS - start) % 60 )) s."
