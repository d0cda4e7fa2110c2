#!/usr/bin/env bash
# Configures and builds everything into build/: the command-line program, the desktop
# program and every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULYST_TESTS=ON -DTABULYST_GUI=ON >/dev/null
cmake --build build -j "$(nproc)"
