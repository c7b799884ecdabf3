#!/usr/bin/env bash
# Builds the file libraries, qiradb.exe and their unit tests for 64-bit Windows with Debian's
# MinGW-w64, and runs them under Debian's Wine: the unit tests (the Win32 branch of the file code
# among them), the kept fuzz corpus, and qiradb.exe on a generated sample (make-sample, a rewrite
# that must give the same bytes, a rewrite over the existing files, a read-only file that must be
# refused and kept), in a folder whose name is not ASCII.
#
#   scripts/cross-windows.sh [BUILD_FOLDER]     default: build-windows
#
# Installs the Debian packages it needs when it runs as root; where they cannot be installed it
# says so in one line and stops with success. Wine runs without a display, with a prefix of its
# own under the build folder. QIRA_JOBS sets the build's parallel jobs (default: all cores).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
jobs=${QIRA_JOBS:-$(nproc)}

packages=(cmake ninja-build g++-mingw-w64-x86-64 googletest libcli11-dev wine wine64)
mapfile -t missing < <(scripts/missing-packages.sh "${packages[@]}")
if ((${#missing[@]} > 0)); then
    if [[ $(id -u) -ne 0 ]]; then
        echo "cross-windows.sh: SKIPPED: the Windows build needs ${missing[*]} (run as root to install them)"
        exit 0
    fi
    echo "Installing: ${missing[*]}"
    export DEBIAN_FRONTEND=noninteractive
    if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "cross-windows.sh: SKIPPED: ${missing[*]} could not be installed here"
        exit 0
    fi
fi

mkdir -p "$build"
build_abs=$(cd "$build" && pwd)

# Wine: a fresh prefix of our own, no display, no messages, and no offer to install the .NET or
# HTML runtimes (which would wait for a click).
export WINEPREFIX=$build_abs/wineprefix
export WINEARCH=win64
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY WAYLAND_DISPLAY
wine=$(command -v wine || command -v wine64)
if [[ ! -f $WINEPREFIX/system.reg ]]; then
    echo "== A Wine prefix for the tests: $WINEPREFIX"
    timeout 600 "$wine" wineboot --init > "$build_abs/wineboot.log" 2>&1 ||
        { cat "$build_abs/wineboot.log"; echo "cross-windows.sh: wineboot failed"; exit 1; }
    wineserver -w
fi
# One Wine server for every program of the run (quicker), ended when the run ends. Wine's own
# services start now, away from the output of the tests: started by a test, they would keep its
# output open and ctest would wait for them.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
"$wine" cmd /c exit < /dev/null > /dev/null 2>&1

echo "== Building for Windows (MinGW-w64) in $build"
log=$build_abs/configure.log
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/windows/mingw-w64.cmake \
    -DCMAKE_BUILD_TYPE=Release -DQIRA_BUILD_GUI=OFF -DQIRA_BUILD_BENCH=OFF -DQIRA_FUZZ=OFF \
    -DQIRA_GTEST_SOURCE=/usr/src/googletest -DCLI11_DIR="$PWD/cmake/windows" > "$log" 2>&1 ||
    { cat "$log"; exit 1; }
cmake --build "$build" -j"$jobs"

echo "== The unit tests and the fuzz corpus under Wine"
# Wine now and then fails to start one of the many programs a parallel run starts (the test
# ends at once, with no output of its own); such a test is run again, up to twice. A test that
# fails on its own account fails every time.
# The random edit sequences: fewer of them under Wine.
export QIRA_EDIT_SEQUENCES=${QIRA_EDIT_SEQUENCES:-8}
ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 600 --repeat until-pass:3

echo "== The editor's sources compiled for Windows (syntax only)"
# Qt 6 for Windows is not packaged here, so the editor itself is not built for Windows; its
# sources are compiled by MinGW-w64 against the Qt headers at hand, which catches a POSIX call or
# a Windows branch that does not compile (not what only linking would show).
qt_include=$(ls -d /usr/include/*/qt6 2> /dev/null | head -1 || true)
if [[ -n $qt_include && -d build/app/qira_editor_autogen/include ]]; then
    ls app/*.cpp views/*.cpp | xargs -P "$jobs" -I{} sh -c '
        x86_64-w64-mingw32-g++-posix -std=c++20 -fsyntax-only -Wall -Wextra -Wpedantic -Wshadow \
            -Wno-attributes -DQT_NO_VERSION_TAGGING -I. -Ibuild/app/qira_editor_autogen/include \
            -I"$1" -I"$1/QtCore" -I"$1/QtGui" -I"$1/QtWidgets" {} 2>&1 |
            grep -E "^(app|views|fileio|langfile|dbfile)/" && exit 1 || exit 0' _ "$qt_include" ||
        { echo "cross-windows.sh: the editor's sources do not compile for Windows"; exit 1; }
    echo "The editor's sources compile for Windows."
else
    echo "cross-windows.sh: no Qt headers or no normal build (build/); the editor's sources were not checked"
fi

echo "== qiradb.exe under Wine"
qiradb() { "$wine" "$build_abs/tools/qiradb.exe" "$@"; }
winpath() { winepath -w "$1" 2> /dev/null; }
work=$build_abs/qiradb-run
rm -rf "$work"
sample="$work/Spiel ä 日本"
mkdir -p "$sample"
qiradb make-sample "$(winpath "$sample")" --scale tiny --seed 7 | tr -d '\r'
db="$sample/data/cmn/qira.db"
lang="$sample/data/cmn/fe/eng.db"
# A rewrite of a generated (canonical) install gives the same bytes.
qiradb rewrite "$(winpath "$db")" "$(winpath "$work/qira-out.db")" \
    --lang "$(winpath "$lang")" "$(winpath "$work/eng-out.db")"
cmp "$db" "$work/qira-out.db"
cmp "$lang" "$work/eng-out.db"
# Over the existing files themselves: the Win32 replacement of a file that exists.
cp "$db" "$work/before.db"
qiradb rewrite "$(winpath "$db")" "$(winpath "$db")"
cmp "$db" "$work/before.db"
if ls "$sample/data/cmn" | grep -q '\.tmp$'; then
    echo "cross-windows.sh: a temporary file was left behind"; exit 1
fi
# A read-only target is refused, and kept.
"$wine" cmd /c attrib +r "$(winpath "$work/qira-out.db")" > /dev/null
status=0
qiradb rewrite "$(winpath "$db")" "$(winpath "$work/qira-out.db")" 2> "$work/refusal.txt" || status=$?
"$wine" cmd /c attrib -r "$(winpath "$work/qira-out.db")" > /dev/null
tr -d '\r' < "$work/refusal.txt"
if [[ $status -ne 1 ]] || ! grep -q 'read-only' "$work/refusal.txt"; then
    echo "cross-windows.sh: a read-only file was not refused (exit code $status)"; exit 1
fi
cmp "$db" "$work/qira-out.db"
qiradb check "$(winpath "$db")" --lang "$(winpath "$lang")" | tr -d '\r'
echo "cross-windows.sh: the Windows build passed its tests under Wine"
