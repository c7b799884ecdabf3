#!/usr/bin/env bash
# Builds the whole project for 64-bit Windows with Debian's MinGW-w64 against Qt for Windows
# (built once from Debian's own Qt source by scripts/build-qt-windows.sh and cached): the file
# libraries, qiradb.exe, qira-db-editor.exe and every test, the window tests among them. Then,
# under Debian's Wine:
#   - every test (the window tests on the offscreen platform, as on Linux; the registry tests
#     with the real Win32 registry of the run's own prefix);
#   - qiradb.exe on a generated sample (make-sample, a rewrite that must give the same bytes, a
#     rewrite over the existing files, a read-only file that must be refused and kept), in a
#     folder whose name is not ASCII;
#   - the editor with the `windows` platform on an X server (Xvfb when there is no display): it
#     finds a generated sample through the prefix's registry, opens it, finds a player and saves
#     a screenshot, editor-screenshot-windows.png in the build folder.
#
#   scripts/cross-windows.sh [BUILD_FOLDER]     default: build-windows
#
# Installs the Debian packages it needs when it runs as root; where they cannot be installed it
# says so in one line and stops with success. Wine runs with a prefix of its own under the build
# folder. QIRA_JOBS sets the build's parallel jobs (default: all cores); QIRA_QT_WINDOWS the
# folder of Qt for Windows (see scripts/build-qt-windows.sh). The build uses the compiler cache of
# scripts/ccache-env.sh.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/ccache-env.sh
build=${1:-build-windows}
jobs=${QIRA_JOBS:-$(nproc)}

packages=(cmake ninja-build g++-mingw-w64-x86-64 g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64
          googletest libcli11-dev wine wine64 xvfb xauth qt6-base-dev fonts-dejavu-core)
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
# Wine passes no QT_* variable of the Unix environment on, so the prefix's own environment holds
# those the tests need. Qt writes a test's results to the debugger instead of the output when no
# console is attached (as under ctest), unless QT_FORCE_STDERR_LOGGING is set.
"$wine" reg add 'HKCU\Environment' /v QT_FORCE_STDERR_LOGGING /d 1 /f > /dev/null 2>&1
# Qt's offscreen platform reads its fonts from a folder (on Linux fontconfig finds them): the
# window tests measure and lay out real text, as on Linux, with Debian's DejaVu fonts.
if [[ -d /usr/share/fonts/truetype/dejavu ]]; then
    "$wine" reg add 'HKCU\Environment' /v QT_QPA_FONTDIR /d "$(winepath -w /usr/share/fonts/truetype/dejavu 2> /dev/null)" \
        /f > /dev/null 2>&1
fi

echo "== Qt for Windows"
scripts/build-qt-windows.sh | tee "$build_abs/qt-windows.log"
qt=$(tail -n 1 "$build_abs/qt-windows.log")
[[ -f $qt/lib/cmake/Qt6/qt.toolchain.cmake ]] || { echo "cross-windows.sh: no Qt for Windows in $qt"; exit 1; }

echo "== Building for Windows (MinGW-w64, Qt $qt) in $build"
# A build folder configured without Qt's toolchain (or another Qt) is configured afresh.
if [[ -f $build/CMakeCache.txt ]] && ! grep -qF "CMAKE_TOOLCHAIN_FILE:FILEPATH=$qt/" "$build/CMakeCache.txt"; then
    rm -rf "$build/CMakeCache.txt" "$build/CMakeFiles"
fi
log=$build_abs/configure.log
cmake -S . -B "$build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$qt/lib/cmake/Qt6/qt.toolchain.cmake" \
    -DQT_CHAINLOAD_TOOLCHAIN_FILE="$PWD/cmake/windows/mingw-w64.cmake" -DQIRA_SHARED_RUNTIME=ON \
    -DCMAKE_BUILD_TYPE=Release -DQIRA_BUILD_GUI=ON -DQIRA_BUILD_BENCH=OFF -DQIRA_FUZZ=OFF \
    -DQIRA_GTEST_SOURCE=/usr/src/googletest -DCLI11_DIR="$PWD/cmake/windows" "${qira_launcher[@]}" > "$log" 2>&1 ||
    { cat "$log"; exit 1; }
cmake --build "$build" -j"$jobs"

# The programs find Qt's DLLs and the MinGW runtime DLLs through Wine's search path; Qt finds
# its plugins beside its own DLLs (../plugins). The package lays all of them beside the programs.
runtime=$(scripts/mingw-runtime-dirs.sh)
mapfile -t runtime_dirs <<< "$runtime"
runtime_dirs=("$qt/bin" "${runtime_dirs[@]}")
WINEPATH=$(for d in "${runtime_dirs[@]}"; do winepath -w "$d"; done 2> /dev/null | sort -u | paste -sd ';')
export WINEPATH

echo "== Every test under Wine: units, windows (offscreen), registry, the fuzz corpus"
# Wine now and then fails to start one of the many programs a parallel run starts (the test
# ends at once, with no output of its own); such a test is run again, up to twice. A test that
# fails on its own account fails every time.
# The random edit sequences: fewer of them under Wine.
export QIRA_EDIT_SEQUENCES=${QIRA_EDIT_SEQUENCES:-8}
ctest --test-dir "$build" --output-on-failure -j"$jobs" --timeout 600 --repeat until-pass:3

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

echo "== The editor on screen under Wine (the windows platform, Xvfb when there is no display)"
game="$work/QIRA 2004 Spiel ä"
qiradb make-sample "$(winpath "$game")" --scale game --seed 11 | tr -d '\r'
# Where the game's 32-bit installer leaves its folder: the 32-bit view of the machine's hive.
"$wine" reg add 'HKLM\Software\Wow6432Node\ZQ sports\QIRA 2004' /v 'Install Dir' \
    /d "$(winpath "$game")\\" /f > /dev/null
"$wine" reg delete 'HKLM\Software\Wow6432Node\Brolt Software' /f > /dev/null 2>&1 || true
shot=$build_abs/editor-screenshot-windows.png
rm -f "$build_abs"/editor-screenshot-windows*.png
shot_windows=$(winpath "$shot")
# A new Wine server for the editor, which it starts with the X server's display: Wine's desktop
# is made by the first program that needs one and keeps the display that program saw. The
# platform is Qt's default on Windows, `windows`.
wineserver -k 2> /dev/null || true
wineserver -w
status=0
QIRA_AUTOSCREENSHOT=$shot_windows timeout 300 \
    xvfb-run -a -s "-screen 0 1280x900x24" "$wine" "$build_abs/app/qira-db-editor.exe" \
    > "$work/editor.log" 2>&1 || status=$?
tr -d '\r' < "$work/editor.log"
if [[ $status -ne 0 || ! -s $shot ]]; then
    echo "cross-windows.sh: the editor did not open the sample it found through Wine's registry"
    exit 1
fi
echo "Screenshot of the Windows editor: $shot"
# Again in Spanish, chosen in the editor's key as the window does: Qt's Windows build shows the
# translations built into the program.
"$wine" reg add 'HKCU\Software\Brolt Software\QIRA DB EDITOR 2004' /v 'UI language' /d es /f > /dev/null
shot_es=$build_abs/editor-screenshot-windows-es.png
status=0
QIRA_AUTOSCREENSHOT=$(winpath "$shot_es") timeout 300 \
    xvfb-run -a -s "-screen 0 1280x900x24" "$wine" "$build_abs/app/qira-db-editor.exe" \
    > "$work/editor-es.log" 2>&1 || status=$?
"$wine" reg delete 'HKCU\Software\Brolt Software\QIRA DB EDITOR 2004' /v 'UI language' /f > /dev/null 2>&1 || true
tr -d '\r' < "$work/editor-es.log"
if [[ $status -ne 0 || ! -s $shot_es ]] || ! grep -q '^Window language: es' "$work/editor-es.log" ||
    grep -q '^Window language: es ("Open Database")' "$work/editor-es.log"; then
    echo "cross-windows.sh: the Windows editor did not speak the Spanish chosen in the registry"
    exit 1
fi
echo "Screenshot of the Windows editor in Spanish: $shot_es"
echo "cross-windows.sh: the Windows build passed its tests under Wine"
