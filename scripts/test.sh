#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${ZUVO_BUILD_DIR:-$root/build}

bash "$root/scripts/install-deps.sh" test
bash "$root/scripts/build.sh"
cd "$build"
ctest --output-on-failure -j4 --timeout 900
