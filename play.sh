#!/usr/bin/env bash
# Builds the game in Release and starts it. The game plays in the user's data directory
# (~/.local/share/boltik, or $BOLTIK_PLAY_DIR), which it seeds with the default levels, sounds
# and settings.ini on its first run.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/deps.sh"

build="$root/build/release"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBOLTIK_TESTS=OFF > /dev/null
cmake --build "$build" -j "$(nproc)"
exec "$build/src/boltik" "$@"
