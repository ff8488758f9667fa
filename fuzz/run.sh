#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, AddressSanitizer,
# UndefinedBehaviorSanitizer) and runs each for the given number of seconds.
#   fuzz/run.sh [SECONDS] [TARGET...]      default: 60 seconds, every target
# Needs clang and its libFuzzer runtime (Debian: clang libclang-rt-14-dev); run as
# root, it installs them when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "$(id -u)" = 0 ] && ! dpkg -s clang libclang-rt-14-dev >/dev/null 2>&1; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q clang libclang-rt-14-dev >/dev/null
fi
seconds=${1:-60}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(readers state report)

cmake -S . -B build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DNIVORA_FUZZ=ON -DNIVORA_WITH_QT=OFF -DNIVORA_BUILD_TESTS=OFF >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target $(printf 'fuzz_%s ' "${targets[@]}")

for t in "${targets[@]}"; do
  corpus=fuzz/out/corpus-$t
  mkdir -p "$corpus" fuzz/out/artifacts-$t
  seeds=(fuzz/corpus/$t)
  [ -d "${seeds[0]}" ] || seeds=()
  echo "== $t for ${seconds}s"
  build-fuzz/fuzz/fuzz_$t "$corpus" "${seeds[@]}" -dict=fuzz/nivora.dict \
    -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix=fuzz/out/artifacts-$t/ -print_final_stats=1
done
