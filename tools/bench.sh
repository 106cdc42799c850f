#!/usr/bin/env bash
# Builds Release with the benchmarks and prints them: the rules core's cycles a second, what
# the game window adds to a cycle, and, where Xvfb is at hand, the start-up time and the CPU
# and memory the program uses in its menu and at play; and the solver on every level of the
# campaign, as turtool solve runs it.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
"$root/scripts/deps.sh"
for p in libbenchmark-dev xvfb xdotool x11-utils time; do
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
cmake --build "$build" -j "$(nproc)" --target boltik boltik_bench turtool

echo "== the rules core and the window host"
"$build/tools/bench/boltik_bench" --benchmark_repetitions=3 --benchmark_report_aggregates_only=true

echo "== the solver on the campaign's levels"
# A level without guns: a solution within 5 s, the shortest where it is found in a quarter of
# that. A level with guns: a solution under each of the seeds 1 to 20, the shortest where it
# is found in time, else one found stage by stage.
levels="$(mktemp -d)"
cp "$root"/data/*.tur "$levels"/
solve() {
    local out
    out=$(cd "$levels" && /usr/bin/time -f "%e %M" "$build/tools/turtool/turtool" solve "$@" 2>&1)
    local time memory
    read -r time memory <<< "$(tail -1 <<< "$out")"
    echo "$(head -1 <<< "$out" | sed -n 's/^# \(.*\): \([0-9]*\) cycles.*/\2/p') $time $memory"
}
for file in $(cd "$levels" && ls -- *.tur | sort -n); do
    refusal=$(cd "$levels" && "$build/tools/turtool/turtool" solve "$file" --max-states 1 2>&1 ||
        true)
    if grep -q "a gun stands" <<< "$refusal"; then
        solved=0; longest=0; worst=0; most=0; lengths=""
        for seed in $(seq 1 20); do
            read -r cycles time memory <<< "$(solve "$file" --seed "$seed" --max-seconds 10 \
                --any-length)"
            [ -n "$cycles" ] && solved=$((solved + 1)) && lengths="$lengths $cycles"
            worst=$(awk -v a="$worst" -v b="$time" 'BEGIN { print (b > a) ? b : a }')
            [ "$memory" -gt "$most" ] && most=$memory
        done
        range=$(tr ' ' '\n' <<< "$lengths" | sort -n | sed '/^$/d' | sed -n '1p;$p' | paste -sd-)
        printf "%-7s guns: %2d of 20 seeds solved, %s cycles, at most %s s and %d MiB\n" \
            "$file" "$solved" "${range:-no}" "$worst" $((most / 1024))
    else
        # As the game and the editor search: the shortest for a quarter of the time, then
        # stage by stage.
        out=$(cd "$levels" && /usr/bin/time -f "%e %M" "$build/tools/turtool/turtool" solve \
            "$file" --max-seconds 5 --any-length 2>&1)
        read -r time memory <<< "$(tail -1 <<< "$out")"
        cycles=$(head -1 <<< "$out" | sed -n 's/^# \(.*\): \([0-9]*\) cycles.*/\2/p')
        kind="shortest"
        grep -q "not proven" <<< "$(head -1 <<< "$out")" && kind="staged"
        printf "%-7s %-8s solution %s cycles in %s s and %d MiB\n" \
            "$file" "$kind" "${cycles:-not found:}" "$time" $((memory / 1024))
    fi
done
rm -rf "$levels"

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
