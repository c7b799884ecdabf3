#!/usr/bin/env bash
# Configures and builds the project into the folder given (default: build), with the compiler
# cache of scripts/ccache-env.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ccache-env.sh
build=${1:-build}
shift || true
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQIRA_BUILD_GUI=ON -DQIRA_BUILD_BENCH=ON \
    "${qira_launcher[@]}" "$@" > "$build.configure.log" 2>&1 ||
    { cat "$build.configure.log"; exit 1; }
cmake --build "$build" -j"$(nproc)"
