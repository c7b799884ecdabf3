#!/usr/bin/env bash
# Remakes the seed corpus in fuzz/corpus/{database,language,roundtrip}:
#  - the hand-made edge files written by fuzz_make_seeds (fuzz/make_seeds.cpp);
#  - the generated tiny sample install (its game database file, its English language file, and
#    the two as one round-trip input), when `qiradb make-sample` works and the database file is
#    at most 150 KiB; a larger one would make the corpus too big to keep in the repository.
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

for folder in database language roundtrip; do
    mkdir -p "$corpus/$folder"
    find "$corpus/$folder" -maxdepth 1 -type f ! -name 'regress-*' -delete
    for f in "$tmp/seeds/$folder"/*; do
        # A reproducer the generator writes stays as the one kept in the repository.
        [[ $(basename "$f") = regress-* && -e $corpus/$folder/$(basename "$f") ]] && continue
        cp "$f" "$corpus/$folder/"
    done
done
kib=$(find "$corpus" -type f -printf '%s\n' | awk '{ s += $1 } END { print int(s / 1024) }')
echo "corpus: $(find "$corpus" -type f | wc -l) files, $kib KiB"
