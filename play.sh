#!/usr/bin/env bash
# Builds the game in Release and starts it in the play directory.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/deps.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBOLTIK_TESTS=OFF > /dev/null
cmake --build "$build" -j "$(nproc)"

# The play directory gets the default content; files already there are kept as they are.
play="${BOLTIK_PLAY_DIR:-$root/play}"
mkdir -p "$play"
"$root/scripts/sync-data.sh" "$root/data" "$play"
cp -f "$build/tools/turtool/turtool" "$play/"

cd "$play"
exec "$build/src/boltik" "$@"
