#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test; exits non-zero on any failure.
# With --sanitize the suite runs in a debug build under AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
export QT_QPA_PLATFORM=offscreen
build=build
if [ "${1:-}" = "--sanitize" ]; then
    build=build-sanitize
    # Test discovery runs the binaries during the build, so the options hold for the build too.
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1
    export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
    export LSAN_OPTIONS="suppressions=$PWD/scripts/leak-suppressions.txt:print_suppressions=0"
fi
scripts/build.sh "$@"
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)" --timeout 600
