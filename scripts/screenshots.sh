#!/usr/bin/env bash
# Takes the README's pictures under Xvfb: the main window with a run, the
# evaluation dialog, a printed evaluation page and the printed diagram page
# of a crowded run, into docs/screenshots/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
if ! command -v xvfb-run >/dev/null && [ "$(id -u)" = 0 ]; then
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q xvfb xauth >/dev/null
fi
scripts/build.sh build >/dev/null
out=docs/screenshots
mkdir -p "$out"
example=examples/B27_pm01bs02.dat
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
run=(env XDG_CONFIG_HOME="$home/config" XDG_DATA_HOME="$home/data" build/src/app/nivora
     --open "$example" --screenshots "$out")
if command -v xvfb-run >/dev/null; then
  xvfb-run -a -s "-screen 0 1400x1000x24" "${run[@]}"
else
  echo "xvfb-run fehlt: Aufnahmen mit der offscreen-Plattform" >&2
  QT_QPA_PLATFORM=offscreen "${run[@]}"
fi
build/src/cli/nivora-cli render "$example" --evaluation --pages 1 --dpi 90 \
  -o "$out/auswertungsseite.png" >/dev/null
mv "$out/auswertungsseite-1.png" "$out/auswertungsseite.png"
mkdir -p "$home/dicht"
python3 examples/generate_crowded.py "$home/dicht" >/dev/null
build/src/cli/nivora-cli render "$home/dicht/dichte_seite.csv" --pages 1 --dpi 90 \
  -o "$out/dichte-seite.png" >/dev/null
mv "$out/dichte-seite-1.png" "$out/dichte-seite.png"
ls "$out"
