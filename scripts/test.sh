#!/usr/bin/env bash
# Builds Tabulyst and runs every test. With --sanitize, the same in build-sanitize/ under
# the address and undefined-behaviour sanitizers.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
    export TABULYST_SANITIZE=ON TABULYST_BUILD_DIR=build-sanitize
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
fi
bash scripts/build.sh
ctest --test-dir "${TABULYST_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
