#!/bin/bash
# Compares what two builds of orvana-tax make of the same returns: `calc --auto --json` of a
# first and a second calculation, the summary of a third, the data file's bytes after each,
# and `dump --json`. Run by
# hand around a change that must not change any result:
#   bench/cli/compare_outputs.sh BEFORE/orvana-tax AFTER/orvana-tax [LARGE]
# LARGE is a folder left by `bench_large_return --keep` (ASSETS2000.TAX, IMPORT.TAX); without
# it only the sample return and an import of the sample trade list are compared.
set -euo pipefail

before=$1 after=$2 large=${3:-}
here=$(cd "$(dirname "$0")/../.." && pwd)
tfn=123456782
work=$(mktemp -d /tmp/orvana-compare-XXXXXX)
trap 'rm -rf "$work"' EXIT

# The inputs, made once with the first tool so both start from the same bytes.
mkdir "$work/in"
"$before" new "$work/in/SAMPLE.TAX" --tfn $tfn >/dev/null
"$before" set "$work/in/SAMPLE.TAX" --tfn $tfn --from "$here/samples/sample-return.txt" >/dev/null
"$before" new "$work/in/TRADES.TAX" --tfn $tfn >/dev/null
"$before" import "$work/in/TRADES.TAX" --tfn $tfn \
    --trades "$here/samples/sample-trades.csv" >/dev/null
if [ -n "$large" ]; then
    cp "$large/ASSETS2000.TAX" "$large/IMPORT.TAX" "$work/in/"
fi

# Every output of one tool on every return, into folder $2.
outputs() {
    local tool=$1 out=$2
    mkdir "$out"
    for input in "$work"/in/*.TAX; do
        local name
        name=$(basename "$input" .TAX)
        cp "$input" "$out/$name.TAX"
        for pass in 1 2; do
            "$tool" calc "$out/$name.TAX" --tfn $tfn --auto --json >"$out/$name.calc$pass.json"
            cp "$out/$name.TAX" "$out/$name.bytes$pass"
        done
        "$tool" calc "$out/$name.TAX" --tfn $tfn --auto >"$out/$name.calc3.txt"
        cp "$out/$name.TAX" "$out/$name.bytes3"
        "$tool" dump "$out/$name.TAX" --tfn $tfn --json >"$out/$name.dump.json"
        rm -f "$out/$name.TAX" "$out/$name.BAK"
    done
}

outputs "$before" "$work/before"
outputs "$after" "$work/after"
if diff -r "$work/before" "$work/after" >"$work/diff"; then
    echo "identical: $(ls "$work/before" | wc -l) outputs of $(ls "$work"/in/*.TAX | wc -l) returns"
else
    head -40 "$work/diff"
    echo "DIFFERENT"
    exit 1
fi
