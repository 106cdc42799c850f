#!/usr/bin/env bash
# Builds the game in a web page with Emscripten into build/web and gathers the page into
# build/web/site, a folder any static web server serves:
#   tools/web.sh && python3 -m http.server -d build/web/site
# Needs Debian's emscripten and node-acorn. BOLTIK_WEB_DIR overrides the build folder.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BOLTIK_WEB_DIR:-$root/build/web}"
site="$build/site"
# Emscripten's optimizer finds acorn among Debian's Node.js modules.
export NODE_PATH="${NODE_PATH:-/usr/share/nodejs}"

if ! command -v emcmake > /dev/null; then
    echo "web.sh: emcmake not found; install Debian's emscripten and node-acorn" >&2
    exit 1
fi

# The files the program reads, preloaded into its file system: the levels and their titles.
mkdir -p "$build/play"
rm -f "$build/play"/*
cp "$root"/data/*.tur "$root/data/names.txt" "$build/play/"

emcmake cmake -S "$root/web" -B "$build" -DCMAKE_BUILD_TYPE=Release > /dev/null
cmake --build "$build" -j "${BOLTIK_JOBS:-2}"

# The page: its script and program, the pictures at 48 pixels, the sounds.
rm -rf "$site"
mkdir -p "$site/sprites" "$site/sounds"
cp "$root/web/index.html" "$root/web/boltik.js" "$root/web/boltik.css" "$site/"
cp "$build/program.js" "$build/program.wasm" "$build/program.data" "$site/"
cp "$root"/assets/sprites/graph48_*[0-9].png "$root"/assets/sprites/mes48_*[0-9].png \
    "$root/assets/sprites/grasma.png" "$site/sprites/"
cp "$root"/data/*.wav "$site/sounds/"
(cd "$site/sprites" && ls -- *.png > list.txt)
echo "web.sh: the page is in $site"
