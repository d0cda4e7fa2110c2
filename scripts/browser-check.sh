#!/usr/bin/env bash
# Shows every example as a reader sees it, and checks what the browser makes of its table
# (not run in CI: it installs a browser and a word processor). Writes into docs/:
#   html-<example>.png              the HTML document rendered by headless Chromium
#   rtf-<example>.pdf, rtf-<example>.png   the RTF document opened by LibreOffice
# and fails when a rendered table has other than the rows and cells counted below.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/deps.sh browser
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j 2 --target tabulyst
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p docs

# Rows and cells of each example's table, counted by hand from its text: a rule line below
# a header or at the end of a bordered grid is a row of its own, the border above the
# header is none, and blank lines between rows are no rows.
declare -A expected=(
    [fruit_grid.txt]="7 21"
    [inventory.tsv]="7 42"
    [parts_stock.txt]="9 36"
    [quarterly_report.txt]="7 35"
    [sales.csv]="7 42"
    [statement.txt]="6 18"
)

# A browser with nothing of its own: a fresh profile and no network of any kind.
browser() {
    chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
        --disable-background-networking --disable-component-update --disable-sync \
        --user-data-dir="$work/profile-$RANDOM" --hide-scrollbars "$@" 2>>"$work/browser.log"
}

# "rows cells" of every table in the DOM the browser built, one line per table.
count_tables() {
    python3 -c '
import sys
sys.path.insert(0, sys.argv[1])
from real_readers import TableGrid
grid = TableGrid()
grid.feed(sys.stdin.read())
grid.close()
for rows in grid.tables:
    print(len(rows), sum(len(row) for row in rows))
' "$root/tests"
}

failed=0
for input in examples/*; do
    name=$(basename "$input")
    stem=${name%.*}
    case $name in
        *.csv) options=-comma ;;
        *.tsv) options=-tabbed ;;
        *) options= ;;
    esac
    cp "$input" "$work/$name"
    # shellcheck disable=SC2086
    (cd "$work" && "$root/build/tabulyst" -silent $options "$name" &&
        "$root/build/tabulyst" -silent -rtf $options "$name")

    browser --window-size=600,260 --screenshot="$root/docs/html-$stem.png" \
        "file://$work/$stem.html" >/dev/null
    found=$(browser --dump-dom "file://$work/$stem.html" | count_tables)
    if [ "$found" = "${expected[$name]:-none}" ]; then
        echo "$name: the browser's table has ${found% *} rows and ${found#* } cells"
    else
        echo "$name: the browser's tables have (rows cells) '$found', expected '${expected[$name]:-none}'"
        failed=1
    fi

    soffice -env:UserInstallation="file://$work/office" --headless --convert-to pdf \
        --outdir "$work" "$work/$stem.rtf" >/dev/null 2>>"$work/office.log"
    cp "$work/$stem.pdf" "docs/rtf-$stem.pdf"
    pdftoppm -png -r 60 -f 1 -l 1 -singlefile "docs/rtf-$stem.pdf" "docs/rtf-$stem"
done
ls -1 docs/html-*.png docs/rtf-*
exit "$failed"
