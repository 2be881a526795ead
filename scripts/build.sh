#!/usr/bin/env bash
# Configures and builds: into build/ (Ninja, release with debug information), or with --sanitize into
# build-sanitize/ (debug, AddressSanitizer and UndefinedBehaviorSanitizer).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
    cmake -S . -B build-sanitize -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVELMORA_SANITIZE=ON >/dev/null
    cmake --build build-sanitize --parallel "$(nproc)"
else
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build --parallel "$(nproc)"
fi
