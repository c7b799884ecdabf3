#!/usr/bin/env bash
# Makes the packages and checks them:
#   - build/packages/qira-db-editor_<version>_amd64.deb: the editor and qiradb, the menu entry,
#     the icon and the AppStream metadata, from the normal build folder (built when needed);
#   - build-windows/packages/qira-db-editor-<version>-windows-x86_64.zip and -setup.exe: the
#     editor and qiradb for Windows, made and checked under Wine by scripts/package-windows.sh
#     from the Windows build folder, when scripts/cross-windows.sh has made it.
# The menu entry and the metadata are validated (desktop-file-validate, appstreamcli), the .deb
# is unpacked into a temporary root (dpkg -x), and qiradb --help and the editor's start on the
# offscreen platform (opening a generated sample) run from there.
#
#   scripts/package.sh [BUILD_FOLDER [WINDOWS_BUILD_FOLDER]]     default: build build-windows
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
windows=${2:-build-windows}

packages=(dpkg-dev file desktop-file-utils appstream nsis xvfb)
mapfile -t missing < <(scripts/missing-packages.sh "${packages[@]}")
if ((${#missing[@]} > 0)); then
    if [[ $(id -u) -ne 0 ]] || ! { echo "Installing: ${missing[*]}" &&
        DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
        echo "package.sh: SKIPPED: the package check needs ${missing[*]}, which cannot be installed here"
        exit 0
    fi
fi

echo "== The menu entry and the AppStream metadata"
desktop-file-validate packaging/org.qiradb.Editor.desktop
appstreamcli validate --no-net packaging/org.qiradb.Editor.metainfo.xml

echo "== The .deb"
if [[ ! -f $build/CMakeCache.txt ]]; then
    scripts/build.sh "$build"
else
    cmake --build "$build" -j"${QIRA_JOBS:-$(nproc)}"
fi
rm -rf "$build/packages"
(cd "$build" && cpack -G DEB > cpack-deb.log 2>&1) || { cat "$build/cpack-deb.log"; exit 1; }
deb=$(ls "$build"/packages/*.deb)
echo "$deb"
dpkg-deb --field "$deb" Package Version Depends
depends=$(dpkg-deb --field "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 qt6-qpa-plugins; do
    if [[ $depends != *"$needed"* ]]; then
        echo "package.sh: the .deb does not depend on $needed"; exit 1
    fi
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg -x "$deb" "$root"
for f in usr/bin/qira-db-editor usr/bin/qiradb usr/share/applications/org.qiradb.Editor.desktop \
    usr/share/metainfo/org.qiradb.Editor.metainfo.xml \
    usr/share/icons/hicolor/scalable/apps/org.qiradb.Editor.svg \
    usr/share/icons/hicolor/48x48/apps/org.qiradb.Editor.png \
    usr/share/icons/hicolor/256x256/apps/org.qiradb.Editor.png; do
    [[ -f $root/$f ]] || { echo "package.sh: the .deb has no $f"; exit 1; }
done
desktop-file-validate "$root/usr/share/applications/org.qiradb.Editor.desktop"
"$root/usr/bin/qiradb" --help > /dev/null
# A user with the game in a Wine prefix and no settings: the editor finds the game and opens it.
"$root/usr/bin/qiradb" make-sample "$root/prefix/drive_c/Games/QIRA 2004" --scale tiny
cat > "$root/prefix/system.reg" << 'REG'
WINE REGISTRY Version 2
;; All keys relative to \\Machine

#arch=win64

[Software\\Wow6432Node\\ZQ sports\\QIRA 2004] 1700000000
#time=1d9a3c1f2b4e6a0
"Install Dir"="C:\\Games\\QIRA 2004\\"
REG
mkdir -p "$root/home"
QT_QPA_PLATFORM=offscreen WINEPREFIX=$root/prefix HOME=$root/home \
    QIRA_REGISTRY=$root/registry.ini QIRA_AUTOSCREENSHOT=$root/shot.png \
    "$root/usr/bin/qira-db-editor" > "$root/editor.log" 2>&1 ||
    { cat "$root/editor.log"; echo "package.sh: the installed editor did not open the game"; exit 1; }
echo "The installed editor started and opened the game it found in a Wine prefix."

echo "== The Windows .zip and installer"
if [[ -f $windows/app/qira-db-editor.exe ]]; then
    scripts/package-windows.sh "$windows"
else
    echo "package.sh: no Windows build of the editor in $windows (scripts/cross-windows.sh makes it); no Windows packages"
fi
echo "package.sh: the packages are made and checked"
