#!/usr/bin/env bash
# Prints, as a Markdown table, how hard each level of the campaign is: the share of the 17 x 10
# playing area it uses, the kinds of objects in it, and what `turtool stats` and `turtool solve`
# measure. Where the search of the states is cut short by its bound, the shortest solution is
# looked for with `solve --any-length` ("at most N" when it is not proven the shortest). A level
# with guns is searched under seed 1; its shipped route (tests/levels/N.script) and a naive one
# (the solution found under seed 1, which ignores the other seeds' shots) are replayed under the
# seeds 1 to 1000.
#
# With EXACT_STATES=N, a level whose shortest solution is not proven is searched once more,
# breadth first up to N states: it is then proven, or shown as "L–M", where no script shorter
# than L cycles wins and M is the solution found (25 million states take some 3 GiB and a few
# minutes a level).
#
#   tools/levels-table.sh [TURTOOL]      (MAX_STATES=N bounds each search, 2000000 by default)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
turtool="${1:-$root/build/rel/tools/turtool/turtool}"
max_states="${MAX_STATES:-2000000}"
exact_states="${EXACT_STATES:-0}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
cd "$work"

# Layer 7 of `turtool show`, one row a line.
codes() { "$turtool" show "$1" | awk '/^layer 7:/{on=1; next} /^layer/{on=0} on && NF==19'; }

floor_share() {  # cells of the inner 17 x 10 that are not wall, in per cent
    codes "$1" | awk 'NR>1 && NR<12 { for (i = 2; i <= 18; i++) if ($i != 2) n++ }
                      END { printf "%d %%", n * 100 / 170 + 0.5 }'
}

kinds() {
    codes "$1" | awk '
        BEGIN { name[1]="rubble"; name[3]="box"; name[4]="ammo"; name[5]="key"; name[6]="door";
                name[8]="bomb"; name[10]="gun"; name[11]="gun"; name[13]="teleporter";
                name[20]="magnet"; name[50]="crawler"; name[60]="bat" }
        { for (i = 1; i <= NF; i++) if ($i in name && !(name[$i] in seen)) {
              seen[name[$i]] = 1; list = list (list ? ", " : "") name[$i] } }
        END { print list ? list : "-" }'
}

field() { sed -n "s/^$1: //p" "$2" | head -1; }

echo "| level | area | objects | shortest | states | lost | earliest loss | naive route lost | shipped route lost |"
echo "|---|---|---|---|---|---|---|---|---|"
for n in $(seq 1 99); do
    level="$root/data/$n.tur"
    [ -f "$level" ] || break
    script="$root/tests/levels/$n.script"
    gun=""
    seed=()
    if codes "$level" | grep -qw -e 10 -e 11; then
        gun=1
        seed=(--seed 1)
    fi
    "$turtool" stats "$level" "${seed[@]}" --max-states "$max_states" > stats.txt
    states="$(field states stats.txt)"
    case "$states" in *bound*) states="${states%% *} or more" ;; *) states="${states%% *}" ;; esac
    lost="$(field lost stats.txt | sed 's/^[0-9]* (\(.*\))$/\1/')"
    case "$(field states stats.txt)" in *bound*) lost="$lost or more" ;; esac
    shortest="$(field shortest stats.txt | sed 's/ cycles*//')"
    loss="$(field 'earliest loss' stats.txt | sed 's/^after \([0-9]*\) cycles* .*/after \1 cycles/')"
    naive="-"
    shipped="-"
    solved=""
    if [ -n "$gun" ] || [ "$shortest" = "none found" ]; then
        if "$turtool" solve "$level" "${seed[@]}" --any-length --max-seconds 30 > solution.txt \
            2> /dev/null; then
            solved=1
            length="$(sed -n '1s/.*: \([0-9]*\) cycles* .*/\1/p' solution.txt)"
            case "$(head -1 solution.txt)" in
            *"not proven"*) shortest="at most $length" ;;
            *) shortest="$length" ;;
            esac
        fi
    fi
    if [ "$exact_states" -gt 0 ] && [ "${shortest#at most }" != "$shortest" ]; then
        "$turtool" solve "$level" "${seed[@]}" --max-states "$exact_states" --max-seconds 3600 \
            > exact.txt 2>&1 || true
        proven="$(sed -n 's/^# the shortest solution: \([0-9]*\) cycles* .*/\1/p' exact.txt)"
        below="$(sed -n 's/.*no script of up to \([0-9]*\) cycles* wins.*/\1/p' exact.txt)"
        if [ -n "$proven" ]; then
            shortest="$proven"
        elif [ -n "$below" ]; then
            shortest="$((below + 1))–${shortest#at most }"
        fi
    fi
    if [ -n "$gun" ]; then
        naive="not found"
        if [ -n "$solved" ]; then
            naive="$("$turtool" stats "$level" --route solution.txt --seeds 1000 |
                sed -n 's/^route lost: \([0-9]*\) of .* (\(.*\))$/\2/p')"
        fi
        shipped="$("$turtool" stats "$level" --route "$script" --seeds 1000 |
            sed -n 's/^route lost: \([0-9]*\) of .* (\(.*\))$/\2/p')"
    fi
    echo "| $n | $(floor_share "$level") | $(kinds "$level") | $shortest | $states | $lost | $loss | $naive | $shipped |"
done
