#!/usr/bin/env bash
# Remakes the seed corpus in fuzz/corpus/{database,language,roundtrip}:
#  - the hand-made edge files written by fuzz_make_seeds (fuzz/make_seeds.cpp);
#  - the generated tiny sample install (its game database file, its English language file, and
#    the two as one round-trip input), when `qiradb make-sample` works and the database file is
#    at most 150 KiB; a larger one would make the corpus too big to keep in the repository.
#  - patches (fuzz/corpus/patch): real diffs between the tiny sample installs of seeds 1 and 2, both
#    ways, cut down to a few changes of each kind (python3 cuts them; without it they are not
#    remade), one saved with a UTF-8 byte-order mark, and a few documents that are refused.
# Inputs named regress-* (reproducers of faults found once) are never touched.
#
#   fuzz/make-corpus.sh [BUILD]
#
# BUILD is a configured build folder that has the fuzz folder (default: build; build-fuzz, as
# fuzz/run-fuzz.sh configures it, works too).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
corpus=fuzz/corpus
max_sample=$((150 * 1024))

cmake --build "$build" --target fuzz_make_seeds qiradb > /dev/null ||
    { echo "cannot build fuzz_make_seeds and qiradb in $build" >&2; exit 1; }

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
"$build/fuzz/fuzz_make_seeds" "$tmp/seeds"

# The round-trip input of a language file and a database file: the length of the language
# file as a 32-bit little-endian word, the language file, the database file.
pair() {
    local n
    n=$(stat -c %s "$1")
    printf "$(printf '\\%03o\\%03o\\%03o\\%03o' $((n & 255)) $((n >> 8 & 255)) $((n >> 16 & 255)) \
        $((n >> 24 & 255)))"
    cat "$1" "$2"
}

if "$build/tools/qiradb" make-sample "$tmp/sample" --scale tiny > /dev/null 2>&1; then
    db=$tmp/sample/data/cmn/qira.db
    eng=$tmp/sample/data/cmn/fe/eng.db
    size=$(stat -c %s "$db")
    if ((size <= max_sample)); then
        cp "$db" "$tmp/seeds/database/sample-tiny.db"
        cp "$eng" "$tmp/seeds/language/sample-tiny-eng.db"
        pair "$eng" "$db" > "$tmp/seeds/roundtrip/sample-tiny.pair"
        echo "added the tiny sample install ($size bytes)"
    else
        echo "the tiny sample's database file is $size bytes, over $max_sample: not added"
    fi
else
    echo "qiradb make-sample does not work in $build: the tiny sample is not added"
fi

# Patches between the tiny installs of seeds 1 and 2; fuzz_patch applies them (forward and back)
# to the tiny install of seed 1.
mkdir -p "$tmp/seeds/patch"
if command -v python3 > /dev/null &&
    "$build/tools/qiradb" make-sample "$tmp/s1" --scale tiny --seed 1 > /dev/null 2>&1 &&
    "$build/tools/qiradb" make-sample "$tmp/s2" --scale tiny --seed 2 > /dev/null 2>&1; then
    files() { echo "$tmp/$1/data/cmn/qira.db"; }
    langs() { echo "$tmp/$1/data/cmn/fe/eng.db"; }
    "$build/tools/qiradb" diff "$(files s1)" "$(files s2)" --lang "$(langs s1)" "$(langs s2)" > "$tmp/12.json"
    "$build/tools/qiradb" diff "$(files s2)" "$(files s1)" --lang "$(langs s2)" "$(langs s1)" > "$tmp/21.json"
    # A few changes of each kind: the first tables, the first rows and entries of each list.
    cut='import json, sys
d = json.load(open(sys.argv[1]))
d["tables"] = d["tables"][: int(sys.argv[3])]
for t in d["tables"]:
    t["changed"], t["removed"], t["added"] = t["changed"][:2], t["removed"][:2], t["added"][:2]
for k in ("changed", "removed", "added"):
    d["language"][k] = d["language"][k][:3]
open(sys.argv[2], "w").write(json.dumps(d, indent=1) + "\n")'
    python3 -c "$cut" "$tmp/12.json" "$tmp/seeds/patch/tiny-1-to-2.json" 12
    python3 -c "$cut" "$tmp/21.json" "$tmp/seeds/patch/tiny-2-to-1.json" 12
    python3 -c "$cut" "$tmp/12.json" "$tmp/seeds/patch/tiny-1-to-2-small.json" 1
    sed 's/"version": 1/"version": 2/' "$tmp/seeds/patch/tiny-1-to-2-small.json" > "$tmp/seeds/patch/refused-version.json"
    head -c 700 "$tmp/seeds/patch/tiny-1-to-2-small.json" > "$tmp/seeds/patch/refused-cut-short.json"
    sed 's/"rank": 0/"rank": "0"/' "$tmp/seeds/patch/tiny-1-to-2-small.json" > "$tmp/seeds/patch/refused-rank-text.json"
    { printf '\xef\xbb\xbf'; cat "$tmp/seeds/patch/tiny-1-to-2-small.json"; } > "$tmp/seeds/patch/bom-tiny-1-to-2-small.json"
    echo "added the patch seeds"
else
    echo "python3 or qiradb make-sample missing: the patch seeds are not remade"
fi

for folder in database language roundtrip patch; do
    mkdir -p "$corpus/$folder"
    # A folder the generator made nothing for keeps what it holds.
    [[ -n $(ls -A "$tmp/seeds/$folder" 2> /dev/null) ]] || continue
    find "$corpus/$folder" -maxdepth 1 -type f ! -name 'regress-*' -delete
    for f in "$tmp/seeds/$folder"/*; do
        # A reproducer the generator writes stays as the one kept in the repository.
        [[ $(basename "$f") = regress-* && -e $corpus/$folder/$(basename "$f") ]] && continue
        cp "$f" "$corpus/$folder/"
    done
done
kib=$(find "$corpus" -type f -printf '%s\n' | awk '{ s += $1 } END { print int(s / 1024) }')
echo "corpus: $(find "$corpus" -type f | wc -l) files, $kib KiB"
