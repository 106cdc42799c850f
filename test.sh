#!/usr/bin/env bash
# Builds everything and runs every test; exits non-zero on any failure.
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/deps.sh"

build="${BOLTIK_BUILD_DIR:-$root/build/test}"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo ${BOLTIK_CMAKE_ARGS:-} > /dev/null
cmake --build "$build" -j "$(nproc)"

export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
cd "$build"
# Every test sets its own time limit; this one catches any that does not.
ctest --output-on-failure --timeout 300 -j "$(nproc)"
