#!/usr/bin/env bash
# Builds the command-line program and converts the shipped examples; the documents land
# beside them in examples/. Needs neither the test libraries nor the desktop toolkit.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh engine
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTABULYST_TESTS=OFF >/dev/null
cmake --build build -j "$(nproc)" --target tabulyst
shopt -s nullglob
for f in examples/*.csv; do build/tabulyst -comma "$f"; done
for f in examples/*.tsv; do build/tabulyst -tabbed "$f"; done
for f in examples/*.txt; do build/tabulyst "$f"; done
# The same comma data as an RTF document too.
for f in examples/*.csv; do build/tabulyst -rtf -comma "$f"; done
echo
echo "Results:"
ls -1 examples/*.html examples/*.rtf 2>/dev/null || true
