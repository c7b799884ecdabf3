#!/usr/bin/env bash
# Builds everything (library, tools, tests, and the window and its tests when Qt 6 is present)
# with AddressSanitizer and UndefinedBehaviorSanitizer into a build folder of its own (default
# build-asan) and runs every test there. Any sanitizer report fails the run.
#
#   scripts/sanitize.sh [BUILD_FOLDER] [CMAKE_OPTION...]
#
# The build is optimized a little (-O1) to keep both the build and the tests quick, with line
# tables only for debug information (-g1: what a sanitizer's report needs to name file and line),
# and checks the standard library's preconditions (_GLIBCXX_ASSERTIONS). It builds only what runs
# here: no benchmark, no editor program of its own (the window tests link the window's library).
# Uses the compiler cache of scripts/ccache-env.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ccache-env.sh
build=${1:-build-asan}
shift || true

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_init_order=1:check_initialization_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export QT_QPA_PLATFORM=offscreen
# Leaks inside the system's own libraries (font configuration, the graphics stack) are not ours;
# everything reached from our code is still reported.
mkdir -p "$build"
cat > "$build/lsan.supp" << 'EOF'
leak:libfontconfig.so
leak:libdbus-1.so
leak:libglib-2.0.so
EOF
export LSAN_OPTIONS=suppressions=$PWD/$build/lsan.supp:print_suppressions=0

options=(-G Ninja -DCMAKE_BUILD_TYPE=Debug "-DCMAKE_CXX_FLAGS_DEBUG=-O1 -g1 -D_GLIBCXX_ASSERTIONS"
         -DQIRA_SANITIZE=ON -DQIRA_BUILD_TESTS=ON -DQIRA_BUILD_BENCH=OFF -DQIRA_FUZZ=OFF
         "${qira_launcher[@]}")

log=$build/configure.log
if ! cmake -S . -B "$build" "${options[@]}" -DQIRA_BUILD_GUI=ON "$@" > "$log" 2>&1; then
    if grep -q 'Qt6' "$log"; then
        echo "sanitize.sh: Qt 6 is not usable here; building without the window and its tests"
        cmake -S . -B "$build" "${options[@]}" -DQIRA_BUILD_GUI=OFF "$@" > "$log" 2>&1 ||
            { cat "$log"; exit 1; }
    else
        cat "$log"
        exit 1
    fi
fi
cmake --build "$build" -j"$(nproc)"
# The random edit sequences run slower under the sanitizers: fewer of them.
export QIRA_EDIT_SEQUENCES=${QIRA_EDIT_SEQUENCES:-6}
ctest --test-dir "$build" --output-on-failure -j"$(nproc)" --timeout 900
