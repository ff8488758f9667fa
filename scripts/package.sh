#!/usr/bin/env bash
# Builds the two programs in Release and makes the Debian package
# nivora_VERSION_ARCH.deb in the repository's top folder, then checks it with
# lintian and the AppStream and desktop-entry validators.
#   apt install ./nivora_4.5.48_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh dpkg-dev file lintian appstream desktop-file-utils
dir=build-release
scripts/build.sh "$dir" -DCMAKE_BUILD_TYPE=Release -DNIVORA_BUILD_TESTS=OFF -DNIVORA_BUILD_BENCH=OFF
(cd "$dir" && cpack -G DEB >/dev/null)
deb=$(cd "$dir" && ls nivora_*.deb)
cp "$dir/$deb" .

appstreamcli validate --no-net packaging/*.metainfo.xml
desktop-file-validate packaging/nivora.desktop
# Errors fail the script; warnings are printed.
lintian --fail-on error "$deb"
echo "Paket: $PWD/$deb"
echo "Installieren mit: apt install ./$deb"
