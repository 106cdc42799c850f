#!/usr/bin/env bash
# Unpacks the Debian package into a scratch root (dpkg -x) and starts the installed game there,
# headless, with a fresh play folder: it must seed the folder from its installed data and still
# be running, in its start menu, after a few seconds. Exits 77 (skipped) without a package.
#
#   tests/tools/installed-deb.sh [PACKAGE.deb]
set -uo pipefail
deb="${1:-}"
if [ -z "$deb" ]; then
    deb=$(ls "$(dirname "$0")"/../../build/pkg/boltik_*_amd64.deb 2>/dev/null | head -1)
fi
if [ -z "$deb" ] || [ ! -f "$deb" ] || ! command -v dpkg > /dev/null; then
    echo "no package built (tools/package.sh builds it): skipped"
    exit 77
fi
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
dpkg -x "$deb" "$scratch/root" || { echo "dpkg -x failed"; exit 1; }
game="$scratch/root/usr/games/boltik"
[ -x "$game" ] || { echo "no /usr/games/boltik in the package"; exit 1; }
for file in usr/games/turtool usr/share/boltik/data/1.tur usr/share/boltik/data/names.txt \
        usr/share/boltik/data/settings.ini \
        usr/share/applications/org.boltik.Boltik.desktop usr/share/doc/boltik/copyright \
        usr/share/man/man6/boltik.6.gz usr/share/man/man6/turtool.6.gz; do
    [ -e "$scratch/root/$file" ] || { echo "not in the package: $file"; exit 1; }
done
mkdir -p "$scratch/home"
HOME="$scratch/home" BOLTIK_PLAY_DIR="$scratch/play" QT_QPA_PLATFORM=offscreen \
    SDL_AUDIODRIVER=dummy timeout 5 "$game" > "$scratch/out" 2>&1
status=$?
if [ $status -ne 124 ]; then
    echo "the installed game ended (status $status) instead of waiting in its menu:"
    cat "$scratch/out"
    exit 1
fi
for file in 1.tur 24.tur settings.ini mus1.wav; do
    [ -f "$scratch/play/$file" ] || { echo "the play folder was not seeded with $file"; exit 1; }
done
echo "the installed game seeded its play folder and waits in its start menu"
