#!/usr/bin/env bash
# Prints the table of docs/levels.md: for every level of data/, what turtool stats measures
# (the reachable states, the share from which the level is lost, the shortest solution, the
# earliest losing move) and, for a level with guns, the share of the seeds 1 to 1000 under which
# its script in tests/levels does not win. Usage: tools/levels-table.sh [TURTOOL]
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
turtool="${1:-$root/build/rel/tools/turtool/turtool}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cp "$root"/data/*.tur "$work"/
field() { sed -n "s/^$1: //p" <<< "$2"; }
echo "| level | guns | states searched | lost from | shortest | earliest loss | script lost under |"
echo "|---|---|---|---|---|---|---|"
for file in $(cd "$work" && ls -- *.tur | sort -n); do
    n="${file%.tur}"
    script="$root/tests/levels/$n.script"
    if grep -q "a gun stands" <<< "$(cd "$work" && "$turtool" stats "$file" 2>&1 || true)"; then
        out=$(cd "$work" && "$turtool" stats "$file" --seed 1 --max-states 500000 \
            --route "$script" --seeds 1000)
        guns="yes (seed 1)"
        lostSeeds=$(field "route lost" "$out")
    else
        out=$(cd "$work" && "$turtool" stats "$file" --max-states 1000000)
        guns="no"
        lostSeeds="—"
    fi
    states=$(field states "$out" | sed 's/ (every reachable state)//; s/ (the bound.*/ (bound)/')
    lost=$(field lost "$out" | sed 's/.*(\(.*\))/\1/')
    [[ "$states" == *bound* ]] && lost="≥ $lost"
    shortest=$(field shortest "$out" | sed 's/ cycles\?//')
    if [ "$shortest" = "none found" ]; then
        # Past the bound of the full search: the shortest as the solver finds it.
        seed=""; [ "$guns" = "no" ] || seed="--seed 1"
        shortest=$(cd "$work" && "$turtool" solve "$file" $seed --max-seconds 60 2>/dev/null |
            sed -n 's/^# the shortest solution: \([0-9]*\) cycles.*/\1/p')
        [ -n "$shortest" ] || shortest="—"
    fi
    earliest=$(field "earliest loss" "$out" | sed 's/^after \([0-9]*\) cycles\? (.*/\1/')
    echo "| $n | $guns | $states | $lost | $shortest | $earliest | $lostSeeds |"
done
