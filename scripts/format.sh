#!/usr/bin/env bash
# Checks that every C++ file of the repository is formatted as .clang-format
# says; with --fix, formats them in place instead.
set -euo pipefail
cd "$(dirname "$0")/.."
if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
  mapfile -t files < <(git ls-files '*.cpp' '*.h')
else
  mapfile -t files < <(find src tests bench fuzz examples -name '*.cpp' -o -name '*.h' | sort)
fi
if [ "${1:-}" = --fix ]; then
  clang-format -i "${files[@]}"
  exit 0
fi
if ! clang-format --dry-run --Werror "${files[@]}"; then
  echo "Formatierung weicht von .clang-format ab; scripts/format.sh --fix richtet sie." >&2
  exit 1
fi
echo "Formatierung: ${#files[@]} Dateien in Ordnung."
