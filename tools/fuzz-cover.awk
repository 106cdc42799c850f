# Picks a small set of corpus inputs that reach every feature the candidates reach: a greedy
# cover, the input that adds most first, until nothing adds any. Reads lines
#
#   covered F1 F2 ...        features the kept inputs reach already
#   input PATH F1 F2 ...     a candidate and every feature it reaches
#
# and prints the paths chosen, one a line. Paths must not hold blanks.

$1 == "covered" {
    for (i = 2; i <= NF; ++i) covered[$i] = 1
    next
}
$1 == "input" {
    path = $2
    features[path] = ""
    for (i = 3; i <= NF; ++i) features[path] = features[path] " " $i
}
END {
    for (;;) {
        best = ""
        bestCount = 0
        for (path in features) {
            count = 0
            n = split(features[path], f, " ")
            for (i = 1; i <= n; ++i) count += !(f[i] in covered)
            if (count > bestCount) {
                best = path
                bestCount = count
            }
        }
        if (best == "") break
        n = split(features[best], f, " ")
        for (i = 1; i <= n; ++i) covered[f[i]] = 1
        delete features[best]
        print best
    }
}
