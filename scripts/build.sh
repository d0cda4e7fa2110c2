#!/usr/bin/env bash
# Configures and builds into build/ (or the directory given by TABULYST_BUILD_DIR), with
# the options the environment asks for: TABULYST_WERROR=ON makes warnings errors,
# TABULYST_SANITIZE=ON builds with the address and undefined-behaviour sanitizers.
# Targets named as arguments are built alone; without any, everything is.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
dir=${TABULYST_BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTABULYST_WERROR="${TABULYST_WERROR:-OFF}" -DTABULYST_SANITIZE="${TABULYST_SANITIZE:-OFF}" >/dev/null
targets=()
for t in "$@"; do targets+=(--target "$t"); done
cmake --build "$dir" -j "$(nproc)" "${targets[@]}"
