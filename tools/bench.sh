#!/usr/bin/env bash
# Builds Release with the benchmarks and prints them: the rules core's cycles a second, what
# the game window adds to a cycle, and, where Xvfb is at hand, the start-up time and the CPU
# and memory the program uses in its menu and at play.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
for p in libbenchmark-dev xvfb xdotool x11-utils; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' ||
        missing="${missing:-} $p"
done
if [ -n "${missing:-}" ]; then
    sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing
fi

build="$root/build/bench"
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBOLTIK_TESTS=OFF \
    -DBOLTIK_BENCHMARKS=ON > /dev/null
cmake --build "$build" -j "$(nproc)" --target boltik boltik_bench

echo "== the rules core and the window host"
"$build/tools/bench/boltik_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

echo "== the program under Xvfb"
work="$(mktemp -d)"
trap 'kill $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
export DISPLAY=:97
Xvfb "$DISPLAY" -screen 0 1280x800x24 > /dev/null 2>&1 &
sleep 1
# The time from launch to the start menu on screen: the first window mapped on the root.
xev -root -event substructure > "$work/events" 2>/dev/null &
sleep 0.3
start=$(date +%s%N)
BOLTIK_PLAY_DIR="$work/play" SDL_AUDIODRIVER=dummy "$build/src/boltik" > /dev/null 2>&1 &
pid=$!
shown=""
for _ in $(seq 1 500); do
    if grep -q MapNotify "$work/events"; then shown=$(date +%s%N); break; fi
    sleep 0.002
done
[ -n "$shown" ] && echo "start menu on screen after $(( (shown - start) / 1000000 )) ms"

# CPU as a share of one core over a span, from the process's own clock ticks.
cpu() {
    local t0 t1
    t0=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    sleep "$1"
    t1=$(awk '{print $14 + $15}' "/proc/$pid/stat")
    awk -v d=$((t1 - t0)) -v s="$1" -v hz="$(getconf CLK_TCK)" \
        'BEGIN { printf "%.2f %% of a core", 100 * d / hz / s }'
}
rss() { awk '/VmRSS/ { printf "%.1f MiB", $2 / 1024 }' "/proc/$pid/status"; }

sleep 2
echo "in the start menu: $(cpu 10), $(rss) resident"
menu=$(xdotool search --name '^Меню$' | head -1)
xdotool mousemove --window "$menu" 167 80 click 1   # the game button
sleep 2
xdotool key Return                                   # the chooser's "1"
sleep 4
echo "playing level 1:   $(cpu 10), $(rss) resident"
