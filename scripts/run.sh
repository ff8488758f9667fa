#!/usr/bin/env bash
# Sets up, builds the two programs and opens the viewer on a bundled example
# run. Without a display the run's diagram pages are rendered to a PDF instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
BUILD_TARGETS="nivora nivora-cli" scripts/build.sh build
example=examples/B27_pm01bs02.dat
if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
  exec build/src/app/nivora --open "$example"
fi
out=${TMPDIR:-/tmp}/nivora-B27_pm01bs02.pdf
pages=$(build/src/cli/nivora-cli render "$example" -o "$out")
echo "Kein Bildschirm: $pages Diagrammseiten von $example nach $out geschrieben."
