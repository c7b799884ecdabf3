#!/usr/bin/env bash
# Builds the benchmark in Release and runs it on the game and max sample installs (made once
# under build-bench/), printing the table of medians, references and targets.
#   bench/run-bench.sh [benchmark flags]        (e.g. --benchmark_min_time=0.2)
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
# The JSON library the patch document's rows are compared with (headers only; a reference of the
# benchmark, not part of the editor).
mapfile -t missing < <(scripts/missing-packages.sh rapidjson-dev)
if ((${#missing[@]} > 0)) && [[ $(id -u) -eq 0 ]]; then
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" ||
        echo "run-bench.sh: rapidjson-dev could not be installed; its reference rows are left out"
fi
cmake -S . -B build-bench -G Ninja -DCMAKE_BUILD_TYPE=Release -DQIRA_BUILD_GUI=ON \
    -DQIRA_BUILD_TESTS=OFF -DQIRA_BUILD_BENCH=ON > build-bench.configure.log
cmake --build build-bench -j"$(nproc)"
for scale in game max; do
    if [[ ! -f build-bench/sample-$scale/data/cmn/qira.db ]]; then
        build-bench/tools/qiradb make-sample build-bench/sample-$scale --scale "$scale"
    fi
done
export QT_QPA_PLATFORM=offscreen
build-bench/bench/qira_bench --install game=build-bench/sample-game \
    --install max=build-bench/sample-max "$@" 2> /dev/null | sed -n '/^| step/,$p'
