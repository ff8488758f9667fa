#!/usr/bin/env bash
# Times `nivora-cli render` of all diagram pages of a 100 km run (a sample
# every decimetre, four-field list) to PDF. Not a test: it is run by hand.
#   bench/render_bench.sh [km]
set -euo pipefail
cd "$(dirname "$0")/.."
km=${1:-100}
scripts/deps.sh
cmake -S . -B build >/dev/null
cmake --build build --target nivora-cli >/dev/null
dir=$(mktemp -d /tmp/nivora-render-bench-XXXXXX)
trap 'rm -rf "$dir"' EXIT
python3 - "$dir/lauf.csv" "$km" <<'PY'
import sys
path, km = sys.argv[1], int(sys.argv[2])
with open(path, "w", newline="") as f:
    f.write("10.12.2026 08:00:00 Messung\r\nBenchmark\r\n")
    for dm in range(km * 10000 + 1):
        f.write("%d,%d;%d,%d;0;\r\n" % (dm // 10, dm % 10, (dm * 37) % 60 // 10, (dm * 37) % 10))
PY
start=$(date +%s.%N)
pages=$(build/src/cli/nivora-cli render "$dir/lauf.csv" -o "$dir/lauf.pdf")
end=$(date +%s.%N)
size=$(stat -c %s "$dir/lauf.pdf")
awk -v s="$start" -v e="$end" -v p="$pages" -v b="$size" -v km="$km" 'BEGIN {
  printf "%d km: %d pages, %.1f s, %.1f ms per page, PDF %.1f MB\n", km, p, e - s, (e - s) * 1000 / p, b / 1e6 }'
