#!/usr/bin/env bash
# Renders the desktop program's main window and status window after converting an
# example, and the "Table generation" page in English and in German, without a display,
# into docs/main-window.png, docs/status-window.png, docs/table-generation.png and
# docs/table-generation-de.png.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh all
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULYST_GUI=ON >/dev/null
cmake --build build -j "$(nproc)" --target tabulyst-screenshots
settings=$(mktemp -d)
trap 'rm -rf "$settings"' EXIT
mkdir -p docs
QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME="$settings" XDG_RUNTIME_DIR="$settings" \
  build/tabulyst-screenshots examples/sales.csv docs
ls -1 docs/*.png
