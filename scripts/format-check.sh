#!/usr/bin/env bash
# Fails when a source, test, benchmark or fuzz file differs from what the committed
# .clang-format makes of it; lists the files. With --fix, formats them instead.
set -euo pipefail
cd "$(dirname "$0")/.."
command -v clang-format-14 >/dev/null || bash scripts/deps.sh
mapfile -t files < <(git ls-files 'src/*.cpp' 'src/*.h' 'tests/*.cpp' 'tests/*.h' 'bench/*.cpp' \
                                  'fuzz/*.cpp' 'fuzz/*.h')
if [ "${1:-}" = "--fix" ]; then
    clang-format-14 -i "${files[@]}"
    exit 0
fi
bad=()
for f in "${files[@]}"; do
    clang-format-14 --dry-run --Werror "$f" >/dev/null 2>&1 || bad+=("$f")
done
if [ ${#bad[@]} -gt 0 ]; then
    echo "Not formatted (run scripts/format-check.sh --fix):" >&2
    printf '  %s\n' "${bad[@]}" >&2
    exit 1
fi
echo "Formatting: ${#files[@]} files as .clang-format makes them"
