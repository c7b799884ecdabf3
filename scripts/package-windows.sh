#!/usr/bin/env bash
# Makes the Windows packages of the editor from the Windows build (scripts/cross-windows.sh) and
# checks them under Wine:
#   - qira-db-editor-VERSION-windows-x86_64.zip: one folder with qira-db-editor.exe, qiradb.exe,
#     exactly the DLLs they and Qt's plugins import (Qt's and the MinGW-w64 runtime's, found by
#     reading the import tables), the `windows` platform plugin and the native style, stripped;
#     the README and, under licenses/, the licence texts of Qt and of the runtime with where
#     Qt's source comes from;
#   - qira-db-editor-VERSION-windows-x86_64-setup.exe: the same files in an installer made with
#     Debian's NSIS, for the current user without administrator rights (Start menu entry,
#     uninstaller, nothing under the game's registry key).
# The checks, in a fresh Wine prefix on an X server of their own (Xvfb): every DLL the programs
# and plugins import is in the folder or part of Windows, and every DLL in the folder is imported;
# the installer installs silently (/S), the installed editor starts and opens a generated game it
# finds through the registry, the uninstaller removes every file it installed; the editor of the
# .zip starts from a folder whose path is not ASCII.
#
#   scripts/package-windows.sh [WINDOWS_BUILD_FOLDER]     default: build-windows
set -euo pipefail
cd "$(dirname "$0")/.."
windows=${1:-build-windows}
[[ -f $windows/app/qira-db-editor.exe && -f $windows/tools/qiradb.exe ]] ||
    { echo "package-windows.sh: no Windows build of the editor in $windows (scripts/cross-windows.sh)"; exit 1; }
windows=$(cd "$windows" && pwd)
qt=$(scripts/build-qt-windows.sh | tail -n 1)
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$windows/CMakeCache.txt")
name=qira-db-editor-$version-windows-x86_64
out=$windows/packages
stage=$out/$name
objdump=x86_64-w64-mingw32-objdump
rm -rf "$out"
mkdir -p "$out"

echo "== The folder of the Windows packages: $stage"
cmake --install "$windows" --prefix "$stage" > "$out/install.log"
for plugin in platforms/qwindows.dll styles/qwindowsvistastyle.dll; do
    mkdir -p "$stage/$(dirname "$plugin")"
    cp "$qt/plugins/$plugin" "$stage/$plugin"
done

# Where the DLLs the programs import come from: Qt's, then the MinGW-w64 runtime's.
runtime=$(scripts/mingw-runtime-dirs.sh)
mapfile -t dll_dirs <<< "$runtime"
dll_dirs=("$qt/bin" "${dll_dirs[@]}")
imports() { "$objdump" -p "$1" | sed -n 's/^[[:space:]]*DLL Name: //p' | tr -d '\r'; }
find_dll() {
    local dir
    for dir in "${dll_dirs[@]}"; do
        [[ -f $dir/$1 ]] && { echo "$dir/$1"; return 0; }
    done
    return 0
}
# Every program and plugin, and every DLL they import that is not Windows' own, until none is new.
queue=("$stage"/*.exe "$stage"/platforms/*.dll "$stage"/styles/*.dll)
while ((${#queue[@]} > 0)); do
    file=${queue[0]}
    queue=("${queue[@]:1}")
    while read -r dll; do
        [[ -e $stage/$dll ]] && continue
        from=$(find_dll "$dll")
        [[ -n $from ]] || continue # a DLL of Windows: checked below
        cp "$from" "$stage/$dll"
        queue+=("$stage/$dll")
    done < <(imports "$file")
done
find "$stage" -name '*.exe' -o -name '*.dll' | xargs x86_64-w64-mingw32-strip --strip-unneeded

# The licence texts: Qt's (with its source, from the Qt build) and the runtime's.
mkdir -p "$stage/licenses"
cp "$qt"/licenses/* "$stage/licenses/"
cp /usr/share/doc/gcc-mingw-w64-base/copyright "$stage/licenses/gcc-runtime-copyright.txt"
cp /usr/share/doc/mingw-w64-common/copyright "$stage/licenses/mingw-w64-copyright.txt"
cat >> "$stage/licenses/README.txt" << 'EOF'

The MinGW-w64 runtime DLLs

libstdc++-6.dll and libgcc_s_seh-1.dll are GCC's runtime libraries, under the GNU General
Public License version 3 with the GCC Runtime Library Exception (gcc-runtime-copyright.txt);
libwinpthread-1.dll is MinGW-w64's thread library, under the licences in
mingw-w64-copyright.txt. They come from Debian's MinGW-w64 packages.
EOF
# Windows text files: CR LF line ends, so that Notepad shows their lines.
for f in "$stage"/licenses/*.txt "$stage/README.md"; do
    sed -i 's/\r\?$/\r/' "$f"
done

echo "== The import tables"
# A fresh prefix of the checks: its system32 is what "part of Windows" means here.
check=$out/check
prefix=$check/prefix
mkdir -p "$check"
export WINEPREFIX=$prefix WINEARCH=win64 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset WINEPATH
wine=$(command -v wine || command -v wine64)
timeout 600 "$wine" wineboot --init > "$check/wineboot.log" 2>&1 ||
    { cat "$check/wineboot.log"; echo "package-windows.sh: wineboot failed"; exit 1; }
wineserver -w
system32=$(ls "$prefix/drive_c/windows/system32")
problems=0
declare -A imported=()
while IFS= read -r -d '' file; do
    list=$(imports "$file" | paste -sd ' ')
    printf '  %-32s %s\n' "${file#"$stage"/}" "$list"
    for dll in $list; do
        imported[${dll,,}]=1
        # api-ms-win-*: API sets, names the loader maps onto Windows' own DLLs.
        if [[ ! -e $stage/$dll && ${dll,,} != api-ms-win-* ]] && ! grep -qixF "$dll" <<< "$system32"; then
            echo "package-windows.sh: ${file#"$stage"/} imports $dll, which is neither in the folder nor part of Windows"
            problems=1
        fi
    done
done < <(find "$stage" \( -name '*.exe' -o -name '*.dll' \) -print0 | sort -z)
for file in "$stage"/*.dll; do
    base=$(basename "$file")
    [[ -n ${imported[${base,,}]:-} ]] ||
        { echo "package-windows.sh: $base is in the folder but nothing imports it"; problems=1; }
done
((problems == 0)) || exit 1

echo "== The programs' Windows resources"
# The editor is a GUI program (no console window behind it); both name themselves and the
# version in their version resource and carry their manifest (per-monitor DPI awareness).
# (Each output is read whole: grep -q ending a pipe early would fail the writer under pipefail.)
for exe in qira-db-editor qiradb; do
    file=$stage/$exe.exe
    texts=$(strings -el "$file")
    grep -qx "$exe.exe" <<< "$texts" && grep -qx "$version" <<< "$texts" ||
        { echo "package-windows.sh: $exe.exe has no version resource naming it"; exit 1; }
    grep -aq PerMonitorV2 "$file" || { echo "package-windows.sh: $exe.exe has no manifest"; exit 1; }
done
headers=$("$objdump" -p "$stage/qira-db-editor.exe")
grep -q 'Subsystem.*(Windows GUI)' <<< "$headers" ||
    { echo "package-windows.sh: qira-db-editor.exe would open a console window"; exit 1; }
echo "Version resources, manifests, and a GUI program without a console."

echo "== $name.zip"
(cd "$out" && cmake -E tar cf "$name.zip" --format=zip "$name")
echo "$out/$name.zip ($(du -k "$out/$name.zip" | cut -f1) KB)"

echo "== $name-setup.exe"
# The installer's file list, and the uninstaller's, from the folder itself: the uninstaller
# removes exactly what was installed.
nsh=$out/files.nsh
{
    echo '!macro QIRA_INSTALL_FILES'
    (cd "$stage" && find . -type d | sort) | while read -r dir; do
        rel=${dir#./}
        [[ $dir == . ]] && rel=""
        win=${rel//\//\\}
        echo "    SetOutPath \"\$INSTDIR${win:+\\$win}\""
        (cd "$stage/$dir" && find . -maxdepth 1 -type f | sort) | while read -r f; do
            echo "    File \"$stage/${rel:+$rel/}${f#./}\""
        done
    done
    echo '    SetOutPath "$INSTDIR"'
    echo '!macroend'
    echo '!macro QIRA_UNINSTALL_FILES'
    (cd "$stage" && find . -type f | sort) | while read -r f; do
        win=${f#./}
        echo "    Delete \"\$INSTDIR\\${win//\//\\}\""
    done
    (cd "$stage" && find . -mindepth 1 -type d | sort -r) | while read -r dir; do
        win=${dir#./}
        echo "    RMDir \"\$INSTDIR\\${win//\//\\}\""
    done
    echo '!macroend'
} > "$nsh"
setup=$out/$name-setup.exe
makensis -V2 -DVERSION="$version" -DSTAGE="$stage" -DFILES="$nsh" \
    -DICON="$PWD/packaging/windows/qira-db-editor.ico" -DOUTFILE="$setup" \
    packaging/windows/installer.nsi
echo "$setup ($(du -k "$setup" | cut -f1) KB)"

echo "== The packages under Wine"
# An X server of the checks' own; Wine's desktop keeps the display of the first program.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3> "$check/display" > "$check/xvfb.log" 2>&1 &
xvfb=$!
trap 'wineserver -k 2> /dev/null || true; kill $xvfb 2> /dev/null || true' EXIT
for _ in $(seq 100); do [[ -s $check/display ]] && break; sleep 0.1; done
[[ -s $check/display ]] || { cat "$check/xvfb.log"; echo "package-windows.sh: Xvfb did not start"; exit 1; }
export DISPLAY=:$(cat "$check/display")
winpath() { winepath -w "$1" 2> /dev/null; }

# The editor starts, finds the game through the registry, opens it and saves a screenshot.
start_editor() { # EXE WHAT
    local shot=$check/$2.png status=0
    QIRA_AUTOSCREENSHOT=$(winpath "$shot") timeout 300 "$wine" "$1" > "$check/$2.log" 2>&1 || status=$?
    if [[ $status -ne 0 || ! -s $shot ]]; then
        tr -d '\r' < "$check/$2.log"
        echo "package-windows.sh: the $2 editor did not start and open the game (exit code $status)"
        exit 1
    fi
    echo "The $2 editor started and opened the game."
}
reg_export() { # KEY FILE: the key as text, or nothing when it does not exist
    "$wine" reg export "$1" "$(winpath "$2")" /y > /dev/null 2>&1 || : > "$2"
}

game="$check/Spiele ä/QIRA 2004"
mkdir -p "$game"
"$wine" "$stage/qiradb.exe" make-sample "$(winpath "$game")" --scale tiny --seed 5 | tr -d '\r'
"$wine" reg add 'HKLM\Software\Wow6432Node\ZQ sports\QIRA 2004' /v 'Install Dir' \
    /d "$(winpath "$game")\\" /f > /dev/null
game_key='HKLM\Software\Wow6432Node\ZQ sports'
reg_export "$game_key" "$check/game-key-before.reg"
reg_export 'HKCU\Software\ZQ sports' "$check/user-game-key-before.reg"

# The installer, silently, as the user of the prefix.
"$wine" "$setup" /S
wineserver -w
profile=$(winepath -u "$("$wine" cmd /c echo %LOCALAPPDATA% 2> /dev/null | tr -d '\r')")
appdata=$(winepath -u "$("$wine" cmd /c echo %APPDATA% 2> /dev/null | tr -d '\r')")
installed="$profile/Programs/QIRA DB Editor"
link="$appdata/Microsoft/Windows/Start Menu/Programs/QIRA DB Editor.lnk"
(cd "$stage" && find . -type f | sort) > "$check/files-packaged.txt"
[[ -d $installed ]] || { echo "package-windows.sh: the installer installed nothing in $installed"; exit 1; }
(cd "$installed" && find . -type f ! -name uninstall.exe | sort) > "$check/files-installed.txt"
diff "$check/files-packaged.txt" "$check/files-installed.txt" ||
    { echo "package-windows.sh: the installer did not install exactly the packaged files"; exit 1; }
[[ -f "$installed/uninstall.exe" && -f $link ]] ||
    { echo "package-windows.sh: no uninstaller or no Start menu entry"; exit 1; }
"$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QIRA DB Editor' \
    /v UninstallString > /dev/null 2>&1 ||
    { echo "package-windows.sh: the installer made no entry in the list of installed programs"; exit 1; }
reg_export "$game_key" "$check/game-key-after.reg"
reg_export 'HKCU\Software\ZQ sports' "$check/user-game-key-after.reg"
cmp -s "$check/game-key-before.reg" "$check/game-key-after.reg" &&
    cmp -s "$check/user-game-key-before.reg" "$check/user-game-key-after.reg" ||
    { echo "package-windows.sh: the installer changed the game's registry key"; exit 1; }
echo "The installer installed $(wc -l < "$check/files-installed.txt") files, the uninstaller and the Start menu entry."
start_editor "$installed/qira-db-editor.exe" installed

"$wine" "$installed/uninstall.exe" /S
wineserver -w
left=$( (cd "$installed" 2> /dev/null && find . -type f | sort) || true)
if [[ -n $left || -e $link || -e $installed ]]; then
    echo "package-windows.sh: the uninstaller left ${left:-the Start menu entry or the folder}"; exit 1
fi
if "$wine" reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\QIRA DB Editor' > /dev/null 2>&1; then
    echo "package-windows.sh: the uninstaller left its entry in the list of installed programs"; exit 1
fi
echo "The uninstaller removed every file it installed, the Start menu entry and its registry entry."

# The .zip, unpacked where the path is not ASCII; no DLL or plugin from elsewhere.
unzipped="$check/Programme ä ñ 日本"
mkdir -p "$unzipped"
(cd "$unzipped" && cmake -E tar xf "$out/$name.zip")
start_editor "$unzipped/$name/qira-db-editor.exe" unzipped
echo "package-windows.sh: the Windows packages are made and checked"
