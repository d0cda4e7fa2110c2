#!/usr/bin/env bash
# Builds Tabulyst and runs every test. With --sanitize, the engine's tests, the program they
# run and the corpus replays in build-sanitize/ under the address and undefined-behaviour
# sanitizers: built without optimisation (the slow part is compiling, not the tests) and
# without the desktop program, whose tests exercise the toolkit more than the engine, so that
# CI can afford the second build (about two thirds of the first one's compiler time).
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = "--sanitize" ]; then
    export TABULYST_SANITIZE=ON TABULYST_BUILD_DIR=build-sanitize TABULYST_GUI=OFF
    export TABULYST_BUILD_TYPE=Debug
    export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
fi
bash scripts/build.sh
ctest --test-dir "${TABULYST_BUILD_DIR:-build}" --output-on-failure -j "$(nproc)"
