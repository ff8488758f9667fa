#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need, but only those
# that are missing. Further package names given as arguments are added (the
# packaging script asks for its tools this way).
set -euo pipefail

packages=(g++ cmake ninja-build pkg-config libgtest-dev qt6-base-dev qt6-svg-dev libgl-dev
          nlohmann-json3-dev fonts-liberation poppler-utils clang-format
          qt6-translations-l10n desktop-file-utils "$@")

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installiere fehlende Pakete: ${missing[*]}"
if [ "$(id -u)" -eq 0 ]; then
  sudo=()
elif command -v sudo >/dev/null 2>&1; then
  sudo=(sudo)
else
  echo "Fehlende Pakete (bitte als root installieren): ${missing[*]}" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" </dev/null
