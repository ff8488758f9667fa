#!/usr/bin/env bash
# Sets up, builds and runs Nivora on a bundled example run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
scripts/build.sh build
example=examples/B27_pm01bs02.dat
exec build/src/cli/nivora-cli info "$example"
