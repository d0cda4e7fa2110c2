#!/usr/bin/env bash
# Builds Tabulyst and converts the shipped examples; the documents land beside them in examples/.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh tabulyst
shopt -s nullglob
for f in examples/*.csv; do build/tabulyst -comma "$f"; done
for f in examples/*.tsv; do build/tabulyst -tabbed "$f"; done
for f in examples/*.txt; do build/tabulyst "$f"; done
# The same comma data as an RTF document too.
for f in examples/*.csv; do build/tabulyst -rtf -comma "$f"; done
echo
echo "Results:"
ls -1 examples/*.html examples/*.rtf 2>/dev/null || true
