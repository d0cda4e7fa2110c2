#!/usr/bin/env bash
# Searches the engine's parsers with libFuzzer under the address and undefined-behaviour
# sanitizers, two targets at a time.
#
#   scripts/fuzz.sh [seconds]   runs every target for that long (default 30) from its
#                               committed corpus; new inputs go to build-fuzz/corpus/<target>,
#                               crashes, hangs and leaks to build-fuzz/artifacts/<target>/,
#                               libFuzzer's own report to build-fuzz/logs/<target>.log.
#                               Fails when any target left an artifact.
#   scripts/fuzz.sh --corpus    remakes fuzz/corpus/<target> from the seeds (tests/data and
#                               examples/) and what the searches found, minimised to the fewest inputs that reach the same coverage (-set_cover_merge=1).
#
# FUZZ_TARGETS="conversion delimited" limits either to those targets.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh fuzz
targets=(${FUZZ_TARGETS:-policy_line policy_file qualifiers delimited plain_text conversion})
dir=build-fuzz
CC=clang-14 CXX=clang++-14 cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DTABULYST_FUZZ=ON -DTABULYST_TESTS=OFF -DTABULYST_GUI=OFF >/dev/null
cmake --build "$dir" -j 2 --target "${targets[@]/#/fuzz_}"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1

# Seeds: every input and policy file of the tests and the examples, each given to the
# targets that read its kind. Delimited and conversion inputs start with the byte that
# chooses how the rest is read; a document case's policy file rides along as
# CHANGE_POLICY lines ahead of its data.
make_seeds() {
    local seeds=$1 n=0 f case fmt
    rm -rf "$seeds" && mkdir -p "$seeds"/{policy_line,policy_file,qualifiers,delimited,plain_text,conversion}
    while IFS= read -r f; do
        n=$((n + 1))
        cp "$f" "$seeds/policy_line/$n.pol"
        cp "$f" "$seeds/policy_file/$n.pol"
    done < <(find tests/data -name '*.pol' | sort)
    while IFS= read -r f; do
        n=$((n + 1))
        case $f in
            *.csv) { printf ','; cat "$f"; } > "$seeds/delimited/$n"
                   { printf 'c'; cat "$f"; } > "$seeds/conversion/$n" ;;
            *.tsv) { printf '\t'; cat "$f"; } > "$seeds/delimited/$n"
                   { printf 't'; cat "$f"; } > "$seeds/conversion/$n" ;;
            *) cp "$f" "$seeds/plain_text/$n"
               { printf 'a'; cat "$f"; } > "$seeds/conversion/$n"
               { printf 'u'; cat "$f"; } > "$seeds/conversion/$n.u" ;;
        esac
    done < <(find tests/data/table tests/data/output examples -type f \
                 \( -name '*.txt' -o -name '*.csv' -o -name '*.tsv' \) | sort)
    for case in tests/data/documents/*/; do
        n=$((n + 1))
        cp "$case/command" "$seeds/qualifiers/$n"
        case $(cat "$case/command") in
            *-comma*) fmt=c ;; *-tabbed*) fmt=t ;; *-table*) fmt=u ;; *) fmt=a ;;
        esac
        {
            printf '%s' "$fmt"
            for f in "$case"*.pol; do
                [ -e "$f" ] && grep -v '^[[!#]' "$f" | grep ':' | sed 's/^/$_$_CHANGE_POLICY /'
            done
            cat "$case"data.*
        } > "$seeds/conversion/$n"
    done
    # Command lines in the forms the README shows.
    local line
    while IFS= read -r line; do
        n=$((n + 1))
        printf '%s' "$line" > "$seeds/qualifiers/$n"
    done <<'LINES'
-rtf -comma data.csv
/output=/srv/htdocs/out/*.html /log=/home/lo/run.log /silent a.txt
-Output="my dir/out file.htm" -LOg=run.log -CONSole -DEbug -LISt=x -DOs
--tabbed -ruleset=SEC -Policy=saved -HTml -SIMple -CONTents -Frames -Index=ix -TAGs -CU b.pol
-table -HElp -? --version x.POL /nonexist.txt list@host
LINES
}

if [ "${1:-}" = "--corpus" ]; then
    seeds=$dir/seeds
    make_seeds "$seeds"
    for t in "${targets[@]}"; do
        fresh=$dir/merged/$t
        rm -rf "$fresh" && mkdir -p "$fresh" "$dir/corpus/$t"
        existing=()
        [ -d "fuzz/corpus/$t" ] && existing=("fuzz/corpus/$t")
        "$dir/fuzz/fuzz_$t" -set_cover_merge=1 "$fresh" "$seeds/$t" "$dir/corpus/$t" "${existing[@]}" \
            >"$dir/merged/$t.log" 2>&1 </dev/null
        rm -rf "fuzz/corpus/$t" && mkdir -p "fuzz/corpus/$t" && cp "$fresh"/* "fuzz/corpus/$t/"
        echo "$t: $(ls "fuzz/corpus/$t" | wc -l) files, $(cat "fuzz/corpus/$t"/* | wc -c) bytes"
    done
    exit 0
fi

seconds=${1:-30}
run_target() {
    local t=$1
    mkdir -p "$dir/corpus/$t" "$dir/artifacts/$t" "$dir/logs"
    # The search starts from the committed corpus and adds to its own folder only.
    (cd "$dir/artifacts/$t" && ../../fuzz/"fuzz_$t" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=4096 -print_final_stats=1 -artifact_prefix=./ \
        ../../corpus/"$t" ../../../fuzz/corpus/"$t") >"$dir/logs/$t.log" 2>&1 </dev/null || true
    local done_line
    done_line=$(grep -E '^#[0-9]+[[:space:]]+DONE' "$dir/logs/$t.log" | tail -n 1 || true)
    echo "$t: ${done_line:-no final line, see $dir/logs/$t.log}"
    grep -E '^stat::number_of_executed_units|^stat::average_exec_per_sec' "$dir/logs/$t.log" |
        sed "s/^/$t: /" || true
}
running=0
for t in "${targets[@]}"; do
    rm -rf "$dir/artifacts/$t"
    run_target "$t" &
    running=$((running + 1))
    if [ "$running" -ge 2 ]; then
        wait -n
        running=$((running - 1))
    fi
done
wait
found=$(find "$dir/artifacts" -type f | sort)
if [ -n "$found" ]; then
    echo "Found (each is an input that failed; replay it with $dir/fuzz/fuzz_<target> FILE):"
    echo "$found"
    exit 1
fi
echo "Nothing found in ${#targets[@]} targets of $seconds seconds each."
