#!/usr/bin/env bash
# Configures and builds everything into build/ (or the directory given by
# TABULYST_BUILD_DIR): the command-line program, the desktop program and every test, with
# the options the environment asks for: TABULYST_WERROR=ON makes warnings errors,
# TABULYST_SANITIZE=ON builds with the address and undefined-behaviour sanitizers,
# TABULYST_GUI=OFF leaves the desktop program out, TABULYST_BUILD_TYPE chooses the CMake
# build type (RelWithDebInfo by default).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh all
dir=${TABULYST_BUILD_DIR:-build}
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE="${TABULYST_BUILD_TYPE:-RelWithDebInfo}" \
    -DTABULYST_TESTS=ON -DTABULYST_GUI="${TABULYST_GUI:-ON}" \
    -DTABULYST_WERROR="${TABULYST_WERROR:-OFF}" -DTABULYST_SANITIZE="${TABULYST_SANITIZE:-OFF}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
