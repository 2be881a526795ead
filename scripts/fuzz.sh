#!/usr/bin/env bash
# scripts/fuzz.sh [SECONDS [TARGET...]]: builds the libFuzzer targets with clang into build-fuzz/ and runs
# each (or only the TARGETs named) for SECONDS (default 60), starting from its seeds in
# tests/fuzz/corpus/<target>/; what a run finds grows in build-fuzz/corpus/<target>/.
# Exits non-zero when a target crashes, hangs, leaks or runs out of memory; the input is left in
# build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
scripts/install-deps.sh
CC=clang-14 CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELMORA_FUZZ=ON >/dev/null
mapfile -t targets < <(sed -n 's/^velmora_fuzz_target(\(fuzz_[a-z_]*\) .*/\1/p' tests/fuzz/CMakeLists.txt)
[ $# -gt 1 ] && targets=("${@:2}")
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:fast_unwind_on_malloc=0
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
export LSAN_OPTIONS="suppressions=$PWD/scripts/leak-suppressions.txt:print_suppressions=0"
mkdir -p build-fuzz/findings
failed=0
for target in "${targets[@]}"; do
    corpus="build-fuzz/corpus/$target"
    mkdir -p "$corpus"
    log="build-fuzz/$target.log"
    if build-fuzz/bin/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
        -artifact_prefix="build-fuzz/findings/$target-" "$corpus" "tests/fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "$target: $runs runs in ${seconds} s, nothing found"
    else
        echo "$target: FAILED, see $log"
        tail -n 30 "$log"
        failed=1
    fi
done
exit "$failed"
