#!/usr/bin/env bash
# Installs what is missing, builds, and starts Velmora. Until the main window is built, evaluates the
# bundled example analyses instead.
set -euo pipefail
cd "$(dirname "$0")"
scripts/install-deps.sh
scripts/build.sh
if [ -x build/bin/velmora ]; then
    exec build/bin/velmora "$@"
fi
build/bin/velmora-batch evaluate examples/analysen.csv
