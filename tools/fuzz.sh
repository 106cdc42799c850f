#!/usr/bin/env bash
# Builds the fuzzers with clang and runs one on its corpus for a number of seconds:
#
#   tools/fuzz.sh level|settings|counter|game SECONDS
#
# The build lives in build/fuzz (or $BOLTIK_FUZZ_BUILD_DIR). What the run finds goes first to
# a work folder there, which keeps everything for the next run; at the end the run is merged
# with -merge=1 into tests/fuzz/corpus/TARGET, keeping a small set of inputs that reach every
# edge reached. Named files in the corpus (seeds and the inputs of past findings) stay as they
# are; the files named by their SHA-1 are minimised against them.
# A crash, a hang or a sanitizer report leaves its input in build/fuzz/artifacts/TARGET/ and
# makes the script fail.
set -euo pipefail

targets="level settings counter game recording progress seedlist"
usage() {
    echo "usage: $0 TARGET SECONDS   (TARGET: ${targets// /, })" >&2
    exit 2
}
[ $# -eq 2 ] || usage
target="$1"
seconds="$2"
[[ " $targets " == *" $target "* ]] || usage
[[ "$seconds" =~ ^[0-9]+$ ]] || usage

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BOLTIK_FUZZ_BUILD_DIR:-$root/build/fuzz}"
build="$(mkdir -p "$build" && cd "$build" && pwd)"

if ! command -v clang++ > /dev/null || ! compgen -G "/usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a" > /dev/null; then
    echo "Installing clang and libFuzzer"
    sudo=""
    [ "$(id -u)" -ne 0 ] && sudo="sudo"
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq clang libclang-rt-14-dev
fi

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -DBOLTIK_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
# The machine is shared: two jobs at most.
cmake --build "$build" --target "fuzz_$target" -j 2

fuzzer="$build/tests/fuzz/fuzz_$target"
corpus="$root/tests/fuzz/corpus/$target"
work="$build/work/$target"
artifacts="$build/artifacts/$target"
mkdir -p "$corpus" "$work" "$artifacts"

# Inputs a little longer than the largest seed (a level file with its script is about 6 kB).
case "$target" in
    level) max_len=8192 ;;
    game) max_len=12288 ;;
    settings) max_len=4096 ;;
    counter) max_len=512 ;;
    recording | progress | seedlist) max_len=9000 ;;
esac
options=(-max_len="$max_len" -timeout=10 -rss_limit_mb=1024 -print_final_stats=1
         -artifact_prefix="$artifacts/")
dict="$root/tests/fuzz/$target.dict"
[ -f "$dict" ] && options+=(-dict="$dict")

# The target may change the current folder (the game plays in a scratch folder): every path
# given to libFuzzer is absolute.
status=0
"$fuzzer" "${options[@]}" -max_total_time="$seconds" "$work" "$corpus" || status=$?

# The merge runs every input again in a child process, so an input that crashes is left out
# instead of stopping it.
merged="$build/merge/$target"
rm -rf "$merged"
mkdir -p "$merged"
hashed=(-maxdepth 1 -type f -regextype posix-extended -regex '.*/[0-9a-f]{40}')
named=(-maxdepth 1 -type f -regextype posix-extended ! -regex '.*/[0-9a-f]{40}')
find "$corpus" "${named[@]}" -exec cp {} "$merged/" \;
"$fuzzer" "${options[@]}" -merge=1 -use_counters=0 "$merged" "$corpus" "$work"

# libFuzzer's merge meets the inputs smallest first and keeps each that adds an edge, so many
# small inputs adding one edge each are kept. With the edges of each kept input on its own, a
# greedy cover (fuzz-cover.awk) keeps far fewer.
edges() {  # FOLDER: the features of the inputs in the folder, as a merge records them
    local control="$build/merge/control"
    rm -f "$control"
    rm -rf "$build/merge/none" && mkdir -p "$build/merge/none"
    "$fuzzer" "${options[@]}" -merge=1 -use_counters=0 -merge_control_file="$control" \
        "$build/merge/none" "$1" > /dev/null 2>&1
    awk '$1 == "FT" { for (i = 3; i <= NF; ++i) printf " %s", $i }' "$control"
}
one="$build/merge/one"
candidates="$build/merge/$target.candidates"
{
    mkdir -p "$one" && find "$one" -mindepth 1 -delete
    find "$merged" "${named[@]}" -exec cp {} "$one/" \;
    echo "covered $(edges "$one")"
    find "$merged" "${hashed[@]}" -print | while IFS= read -r input; do
        find "$one" -mindepth 1 -delete
        cp "$input" "$one/"
        echo "input $input $(edges "$one")"
    done
} > "$candidates"
cover="$build/merge/$target.cover"
rm -rf "$cover" && mkdir -p "$cover"
awk -f "$root/tools/fuzz-cover.awk" "$candidates" | while IFS= read -r input; do
    cp "$input" "$cover/"
done
find "$corpus" "${hashed[@]}" -delete
find "$cover" "${hashed[@]}" -exec cp {} "$corpus/" \;
echo "corpus $corpus: $(find "$corpus" -maxdepth 1 -type f | wc -l) files"

if [ "$status" -ne 0 ]; then
    echo "the fuzzer stopped with status $status; its input is in $artifacts" >&2
fi
exit "$status"
