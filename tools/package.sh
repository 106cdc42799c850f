#!/usr/bin/env bash
# Builds the Debian package boltik_VERSION_amd64.deb in build/pkg (Release), checks it with
# lintian, and starts the game installed from it into a scratch root, headless, as far as its
# start menu. Installs dpkg-dev, fakeroot and lintian when they are missing.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
missing=()
for p in dpkg-dev fakeroot lintian file; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi

build="$root/build/pkg"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBOLTIK_TESTS=OFF \
    -DBOLTIK_GAME_DIR=games > /dev/null
cmake --build "$build" -j "$(nproc)"
rm -f "$build"/boltik_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
deb=$(ls "$build"/boltik_*_amd64.deb)
echo "built $deb"
lintian --fail-on error "$deb"
echo "lintian: no error"
"$root/tests/tools/installed-deb.sh" "$deb"
