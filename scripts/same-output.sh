#!/usr/bin/env bash
# Converts every input under tests/data and examples/ with two builds of tabulyst and
# several option sets, and reports every document, message text or exit status that
# differs. Usage: scripts/same-output.sh OLD_BIN NEW_BIN
set -uo pipefail
if [ $# -ne 2 ]; then
    echo "usage: $0 OLD_BIN NEW_BIN" >&2
    exit 2
fi
old=$(realpath "$1")
new=$(realpath "$2")
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

printf 'Minimise HTML file size : Yes\n' > "$work/minimised.pol"
printf 'Colour data rows : Yes\nDefault TABLE border size : 1\nDefault TABLE caption : Q&A <b>\n' \
    > "$work/styled.pol"
sets=(
    ""
    "-rtf"
    "-comma"
    "-tabbed"
    "-comma -rtf"
    "-tabbed -rtf"
    "-ruleset=SEC"
    "-ruleset=Merrill -rtf"
    "$work/minimised.pol"
    "-comma $work/minimised.pol"
    "-comma $work/styled.pol"
    "$work/styled.pol"
)

# Policy files are read as policy files, not converted; the rest are all inputs.
mapfile -t inputs < <(cd "$root" && find tests/data examples -type f ! -name command ! -name '*.pol' | sort)

# Runs one build on one input in a fixed place, so that paths in messages agree.
run() {
    local bin=$1 set=$2 input=$3 keep=$4
    local base=${input##*/} ext=txt
    [[ $base == *.* ]] && ext=${base##*.}
    rm -rf "$work/run" && mkdir -p "$work/run"
    cp "$root/$input" "$work/run/in.$ext"
    # shellcheck disable=SC2086
    (cd "$work/run" && "$bin" $set "in.$ext" > stdout 2> stderr; echo $? > status)
    rm -f "$work/run/in.$ext"
    # The RTF information group holds the minute of the conversion.
    for f in "$work/run"/*.rtf; do
        [ -e "$f" ] && sed -i 's/{\\creatim[^}]*}//' "$f"
    done
    rm -rf "$keep" && mv "$work/run" "$keep"
}

compared=0
differing=0
for set in "${sets[@]}"; do
    for input in "${inputs[@]}"; do
        run "$old" "$set" "$input" "$work/old"
        run "$new" "$set" "$input" "$work/new"
        compared=$((compared + 1))
        if ! diff -r -q "$work/old" "$work/new" > /dev/null; then
            differing=$((differing + 1))
            echo "DIFFERS: ${set:-(defaults)} $input"
            diff -r "$work/old" "$work/new" | head -n 20
        fi
    done
done
echo "$compared conversions compared, $differing differ"
[ "$differing" -eq 0 ]
