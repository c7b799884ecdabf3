#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer (with AddressSanitizer and
# UndefinedBehaviorSanitizer) and runs them one after another, each for a given time.
#
#   fuzz/run-fuzz.sh [TARGET|all] [SECONDS] [LIBFUZZER_OPTION...]
#
#   TARGET   database, language, roundtrip, csv, patch, edits or all (the default)
#   SECONDS  how long each target runs (default 60)
#   further arguments go to libFuzzer as they are (for example -max_len=65536)
#
# Each target runs as one process with one worker (-jobs=1 -workers=1), as many targets at a time as
# the machine has cores (QIRA_FUZZ_JOBS), each on a working corpus in
# the build folder (build-fuzz/corpus/TARGET) that starts from the corpus in the repository and
# keeps what it finds from run to run; the repository's corpus is only read. An input that
# crashes a target, leaks, trips a sanitizer, hangs or runs out of memory is copied to
# fuzz/corpus/TARGET/regress-KIND-HASH, and the script exits with 1 after the remaining targets.
# Every run adds a line to build-fuzz/results.log (date, target, time, executions, corpus).
#
# `edits` is no libFuzzer target: it runs the random edit sequences of the editing core's tests
# (tests/editing/edit_sequence_test.cpp: every edit, undo, redo and saves between them) from a
# random first seed, fifty sequences at a time, for the given time; a failing sequence prints its
# seed, to be kept in the test's list. It uses the normal build's test program (QIRA_EDIT_BUILD,
# default build, built here when missing).
#
# Environment: QIRA_FUZZ_BUILD (default build-fuzz), CC and CXX (default clang-14, clang++-14),
# QIRA_FUZZ_TOLERATE (see fuzz/fuzz_roundtrip.cpp), QIRA_EDIT_BUILD, QIRA_FUZZ_JOBS (default: the
# number of cores). The build uses the compiler cache of scripts/ccache-env.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
source scripts/ccache-env.sh
jobs=${QIRA_FUZZ_JOBS:-$(nproc)}

target=${1:-all}
seconds=${2:-60}
shift $(($# < 2 ? $# : 2))
case $target in
    all) targets=(database language roundtrip csv patch) ;;
    database | language | roundtrip | csv | patch) targets=("$target") ;;
    edits) targets=() ;;
    *) echo "usage: fuzz/run-fuzz.sh [database|language|roundtrip|csv|patch|edits|all] [SECONDS] [OPTION...]" >&2; exit 2 ;;
esac
[[ $seconds =~ ^[0-9]+$ ]] || { echo "SECONDS must be a whole number, not '$seconds'" >&2; exit 2; }

# The random edit sequences, fifty at a time from a random seed, until the time is up.
run_edit_sequences() {
    local tests=${QIRA_EDIT_BUILD:-build}
    [[ $tests = /* ]] || tests=$root/$tests
    [[ -d $tests ]] || scripts/build.sh "$tests"
    cmake --build "$tests" --target editing_tests
    local seed=$(( (RANDOM << 15 | RANDOM) + 100000 )) end=$((SECONDS + seconds)) runs=0
    echo "== edit sequences for ${seconds}s from seed $seed"
    while ((SECONDS < end)); do
        if ! QIRA_EDIT_SEED=$seed QIRA_EDIT_SEQUENCES=50 "$tests/tests/editing_tests" \
            --gtest_filter='EditSequences.*' --gtest_brief=1; then
            echo "edit sequences failed: the seed is printed above" >&2
            return 1
        fi
        seed=$((seed + 50))
        runs=$((runs + 50))
    done
    echo "edit sequences: $runs passed"
}
if [[ $target = edits ]]; then
    run_edit_sequences
    exit
fi

build=${QIRA_FUZZ_BUILD:-build-fuzz}
[[ $build = /* ]] || build=$root/$build
pick() { for c in "$@"; do command -v "$c" > /dev/null && { echo "$c"; return; }; done; echo "$1"; }
export CC=${CC:-$(pick clang-14 clang)}
export CXX=${CXX:-$(pick clang++-14 clang++)}

mkdir -p "$build"
if ! cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIRA_FUZZ=ON \
    -DQIRA_BUILD_GUI=OFF -DQIRA_BUILD_TESTS=OFF -DQIRA_BUILD_BENCH=OFF "${qira_launcher[@]}" \
    > "$build/configure.log" 2>&1; then
    cat "$build/configure.log"
    exit 1
fi
cmake --build "$build" -j"$(nproc)" --target "${targets[@]/#/fuzz_}"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

# One target: its run, what it found kept in the repository's corpus; returns 1 when it failed.
fuzz_target() {
    local t=$1 work=$build/corpus/$1 artifacts=$build/artifacts/$1 logs=$build/logs/$1
    mkdir -p "$work" "$artifacts" "$logs"
    rm -f "$artifacts"/* "$logs"/*.log
    # The round trip also reads the inputs of the two loaders.
    local seeds=("$root/fuzz/corpus/$t")
    [[ $t = roundtrip ]] && seeds+=("$root/fuzz/corpus/database" "$root/fuzz/corpus/language")
    echo "== fuzz_$t for ${seconds}s"
    local status=0
    (cd "$logs" && "$build/fuzz/fuzz_$t" -jobs=1 -workers=1 -max_total_time="$seconds" \
        -timeout=25 -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$artifacts/" \
        "${options[@]}" "$work" "${seeds[@]}" > driver.log 2>&1) || status=$?
    local log=$logs/fuzz-0.log
    [[ -f $log ]] || { echo "fuzz_$t left no log" >&2; return 1; }
    grep -E '^#[0-9]+[[:space:]]+(INITED|DONE)|^stat::(number|average|new|peak)|^==[0-9]+==ERROR|^SUMMARY|runtime error|check failed' "$log" || true
    local execs
    execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
    echo "$(date -u +%Y-%m-%dT%H:%M:%SZ) $t seconds=$seconds executions=${execs:-?}" \
        "corpus=$(find "$work" -type f | wc -l) status=$status" >> "$build/results.log"
    local found=0 a name kind copy
    for a in "$artifacts"/*; do
        [[ -f $a ]] || continue
        name=$(basename "$a")
        kind=${name%%-*}
        if [[ $kind = slow ]]; then # slower than -report_slow_units, not a failure
            echo "fuzz_$t: a slow input: $a" >&2
            continue
        fi
        copy=$root/fuzz/corpus/$t/regress-$kind-$(sha1sum "$a" | cut -c1-12)
        cp "$a" "$copy"
        echo "fuzz_$t: $kind; the input is kept as ${copy#"$root"/}" >&2
        found=1
    done
    if ((status != 0 || found)); then
        echo "fuzz_$t failed (status $status); its log: $log" >&2
        tail -n 60 "$log" >&2
        return 1
    fi
}

# The jobs (the edit sequences and each target), $jobs at a time; each one's output is printed
# whole when it ends, and every job runs whatever another found.
options=("$@")
runs=()
[[ $target = all ]] && runs+=(edits)
runs+=("${targets[@]}")
outputs=$build/outputs
mkdir -p "$outputs"
declare -A running=()
failed=0
finish_one() {
    local pid name status=0
    wait -n -p pid "${!running[@]}" || status=$?
    name=${running[$pid]}
    unset "running[$pid]"
    cat "$outputs/$name.log"
    if ((status != 0)); then failed=1; fi
}
for name in "${runs[@]}"; do
    while ((${#running[@]} >= jobs)); do finish_one; done
    if [[ $name = edits ]]; then
        run_edit_sequences > "$outputs/$name.log" 2>&1 &
    else
        fuzz_target "$name" > "$outputs/$name.log" 2>&1 &
    fi
    running[$!]=$name
done
while ((${#running[@]} > 0)); do finish_one; done
exit $failed
