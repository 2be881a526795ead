#!/usr/bin/env bash
# Times velmora-batch of an earlier commit and of the current tree on the same generated waters, in one
# run, and prints the ratios: 10 000 waters on one and on all cores, and the memory of 100 000.
# Usage: bench/compare-baseline.sh [COMMIT]   (default: the last commit before the engine was made faster)
# The earlier commit is built in build-baseline/ beside the tree; later runs reuse it.
set -euo pipefail

base=${1:-4d184bf}
root=$(cd "$(dirname "$0")/.." && pwd)
work="$root/build-baseline"
cd "$root"

scripts/install-deps.sh
scripts/build.sh >/dev/null
if [ ! -d "$work/src" ]; then
    git worktree add --detach "$work/src" "$base" >/dev/null
else
    git -C "$work/src" checkout --quiet --detach "$base"
fi
cmake -S "$work/src" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$work/build" --parallel "$(nproc)" --target velmora-batch >/dev/null

before="$work/build/bin/velmora-batch"
after="$root/build/bin/velmora-batch"
waters="$work/waters-10000.csv"
build/bin/batch_bench --write-waters="$waters"
{ head -n 1 "$waters"; for _ in 1 2 3 4 5 6 7 8 9 10; do tail -n +2 "$waters"; done; } >"$work/waters-100000.csv"
export QT_QPA_PLATFORM=offscreen

# Elapsed seconds and maximum resident kilobytes of one run, its results kept for the comparison.
measure() {
    local output=$1
    shift
    /usr/bin/time -f '%e %M' -o "$work/time" "$@" >"$output" 2>/dev/null || true
    tail -n 1 "$work/time" # after a line on the exit status of a run with failed rows
}

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

cores=$(nproc)
declare -A seconds
for round in 1 2 3 4 5; do
    for run in before after-1 after-all; do
        case $run in
        before) result=$(measure "$work/before.csv" "$before" evaluate "$waters") ;;
        after-1) result=$(measure "$work/after.csv" "$after" evaluate -j 1 "$waters") ;;
        after-all) result=$(measure "$work/after-all.csv" "$after" evaluate -j "$cores" "$waters") ;;
        esac
        seconds[$run]+="${result%% *} "
    done
done
memoryBefore=$(measure /dev/null "$before" evaluate "$work/waters-100000.csv")
memoryAfter=$(measure /dev/null "$after" evaluate "$work/waters-100000.csv")

b=$(echo ${seconds[before]} | tr ' ' '\n' | median)
echo "velmora-batch evaluate, 10 000 generated waters, medians of five runs on $cores cores"
echo "  $base:          $b s"
for run in after-1 after-all; do
    t=$(echo ${seconds[$run]} | tr ' ' '\n' | median)
    label=$([ "$run" = after-1 ] && echo "-j 1" || echo "-j $cores")
    awk -v label="$label" -v b="$b" -v t="$t" 'BEGIN { printf "  current, %-6s %s s   %.2f times faster\n", label, t, b / t }'
done
echo "memory for 100 000 waters: $base $((${memoryBefore#* } / 1024)) MB, current $((${memoryAfter#* } / 1024)) MB"
if cmp -s "$work/before.csv" "$work/after.csv" && cmp -s "$work/after.csv" "$work/after-all.csv"; then
    echo "the results are byte-identical"
else
    echo "the results differ in $(diff "$work/before.csv" "$work/after.csv" | grep -c '^<') lines"
fi
