#!/usr/bin/env bash
# Checks that the campaign's order climbs, as the levels table in docs/levels.md measures it:
# outside a lesson's first level (a bold number in the table "The order"), no level is easier
# than the one before it by more than a step. A step: its shortest solution at most a quarter
# shorter, or a larger share of its states lost. Bounds count against the order only where they
# prove it wrong: the lower bound of the level before against the upper bound of the next.
#
#   tests/levels/order-climbs.sh docs/levels.md
set -euo pipefail
awk -F'|' '
    function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
    # The fewest and the most cycles a "shortest" cell allows: "87", "at most 99", "61–83".
    function bounds(s, n) {
        s = trim(s)
        if (s ~ /^[0-9]+$/) { low = s + 0; high = s + 0; return }
        if (s ~ /^at most [0-9]+$/) { low = 0; high = substr(s, 9) + 0; return }
        if (split(s, n, "–") == 2 && n[1] ~ /^[0-9]+$/ && n[2] ~ /^[0-9]+$/) {
            low = n[1] + 0; high = n[2] + 0; return
        }
        printf "docs/levels.md: level %d: cannot read the shortest solution \"%s\"\n", level, s
        bad = 1; low = 0; high = 1e9
    }
    /^\| level \| area \|/ { table = 1; next }
    /^\| level \| title \|/ { order = 1; table = 0; next }
    /^$/ { table = 0; order = 0 }
    table && $2 ~ /^ [0-9]+ $/ {
        level = trim($2) + 0
        bounds($5)
        lowOf[level] = low; highOf[level] = high
        lostOf[level] = trim($7) + 0
        if (level > last) last = level
    }
    order && $2 ~ /^ \*\*[0-9]+\*\* $/ { gsub(/[ *]/, "", $2); lesson[$2 + 0] = 1 }
    END {
        if (last < 2) { print "docs/levels.md: no levels table found"; exit 1 }
        for (n = 1; n < last; n++) {
            if (lesson[n] || lesson[n + 1]) continue
            if (4 * highOf[n + 1] < 3 * lowOf[n] && lostOf[n + 1] <= lostOf[n]) {
                printf "level %d is easier than level %d by more than a step\n", n + 1, n
                bad = 1
            }
        }
        exit bad
    }' "$1"
