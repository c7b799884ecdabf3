#!/usr/bin/env bash
# Builds Qt for Windows (x86_64, MinGW-w64) from Debian's own source of the Qt the Linux build
# uses, and installs it into a cache folder that every later run reuses:
#
#   scripts/build-qt-windows.sh            prints the folder of the installed Qt on its last line
#
# QIRA_QT_WINDOWS names the cache folder (default ~/.cache/qira-db-editor/qt-VERSION-mingw-w64);
# QIRA_JOBS the build's parallel jobs (default: all cores). The folder holds a finished install
# only: Qt is built and installed beside it and moved into place once complete, with a stamp
# file naming the version, so a run that was stopped half way leaves no folder that a later run
# would take for a whole one.
#
# What is built: qtbase's Core, Gui, Widgets and Test, shared, Release, with the `windows` and
# `offscreen` platform plugins; the bundled zlib, PCRE2, libpng, FreeType and HarfBuzz; without
# OpenGL, D-Bus, ICU, SQL, network, printing, XML, Vulkan, Concurrent and tablet events (Debian's
# source drops the header they need), and without what the editor never loads: the Direct2D
# platform plugin (a second build of the whole `windows` plugin; Gui keeps its DirectWrite font
# engine) and the JPEG and GIF image plugins with libjpeg. The host tools (moc, rcc, uic) are the
# installed Debian Qt's, which must be the same version. The stamp names the version and the
# features left out, so a cached Qt built with other options is built again.
#
# The build does not go through the compiler cache: Qt is built once and then kept whole, and a
# cache that is empty the first time only adds a preprocessor run to each of its thousand
# sources.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
started=$SECONDS
say() { echo "== [$((SECONDS - started))s] $*"; }

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2> /dev/null || true)
[[ -n $host_version ]] || { echo "qt6-base-dev is not installed (scripts/install-deps.sh)" >&2; exit 1; }
version=${host_version%%+*}  # 6.4.2+dfsg-10 -> 6.4.2
version=${version#*:}
cache=${QIRA_QT_WINDOWS:-$HOME/.cache/qira-db-editor/qt-$version-mingw-w64}
stamp=$cache/.qira-qt-windows

# What is left out: each feature named here is built without (-DFEATURE_x=OFF).
off=(opengl dynamicgl dbus icu sql network printsupport xml vulkan concurrent tabletevent
     direct2d1_1 jpeg gif
     system_zlib system_pcre2 system_png system_jpeg system_freetype system_harfbuzz)
signature="$version without ${off[*]}"
complete() { [[ -f $stamp ]] && [[ $(cat "$stamp") == "$signature" ]]; }
if complete && [[ -f $cache/licenses/README.txt ]]; then
    say "Qt $version for Windows is in $cache already"
    echo "$cache"
    exit 0
fi

# The compilers and the other tools the build needs.
need=(g++-mingw-w64-x86-64-posix binutils-mingw-w64-x86-64 cmake ninja-build dpkg-dev perl python3)
mapfile -t missing < <(scripts/missing-packages.sh "${need[@]}")
if ((${#missing[@]} > 0)); then
    say "installing ${missing[*]}"
    [[ $(id -u) -eq 0 ]] || { echo "Run this as root (or install ${missing[*]})." >&2; exit 1; }
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

work=${QIRA_QT_WORK:-$root/build-qt-windows}
mkdir -p "$work"
cd "$work"

fetch_source() {
    # Debian's source of qt6-base, the same version as the host Qt. Source lists are enabled in a
    # file of their own when the machine has none.
    src=$(find . -maxdepth 1 -type d -name "qt6-base-$version*" | head -1)
    if [[ -z $src ]]; then
        if ! apt-get source --print-uris qt6-base="$host_version" > /dev/null 2>&1; then
            say "enabling Debian's source lists (/etc/apt/sources.list.d/qira-debian-sources.sources)"
            [[ $(id -u) -eq 0 ]] || { echo "Run this as root to enable Debian's source lists." >&2; exit 1; }
            codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
            cat > /etc/apt/sources.list.d/qira-debian-sources.sources << EOF
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: $codename $codename-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg

Types: deb-src
URIs: http://deb.debian.org/debian-security
Suites: $codename-security
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
EOF
            apt-get update -qq
        fi
        say "fetching the source of qt6-base $host_version"
        apt-get source -qq qt6-base="$host_version" > source.log 2>&1 || { cat source.log; exit 1; }
        src=$(find . -maxdepth 1 -type d -name "qt6-base-$version*" | head -1)
    fi
    [[ -n $src ]] || { echo "apt-get source left no qt6-base-$version folder" >&2; exit 1; }
    src=$(cd "$src" && pwd)
    say "source: $src"
}

# What a Qt shipped with the editor must come with (its LGPL asks for the licence texts and
# for where its source is): Qt's licence texts, Debian's copyright file of the source package
# (Qt and the third-party code it bundles), the source package's description with the
# checksums of its tarballs, and a note of how it was built.
install_notices() {
    local dest=$1/licenses dsc
    dsc=$(ls "$work"/qt6-base_"$version"*.dsc | head -1)
    mkdir -p "$dest"
    cp "$src/LICENSES/LGPL-3.0-only.txt" "$src/LICENSES/GPL-3.0-only.txt" \
        "$src/LICENSES/GPL-2.0-only.txt" "$dest/"
    cp "$src/debian/copyright" "$dest/qt6-base-copyright.txt"
    cp "$dsc" "$dest/"
    cat > "$dest/README.txt" << EOF
Qt $version for Windows, as shipped with the QIRA DB Editor

The Qt libraries and plugins beside the editor (Qt6Core.dll, Qt6Gui.dll, Qt6Widgets.dll and
the folders platforms and styles) are Qt $version, used under the GNU Lesser General Public
License version 3 (LGPL-3.0-only.txt; it builds on the GNU General Public License version 3,
GPL-3.0-only.txt). Qt and the third-party code it includes (zlib, PCRE2, libpng, FreeType,
HarfBuzz and others) are described with their authors and licences in qt6-base-copyright.txt.

Source: Debian's source package qt6-base $host_version, unmodified:
    apt-get source qt6-base=$host_version
    https://deb.debian.org/debian/pool/main/q/qt6-base/
    https://snapshot.debian.org/package/qt6-base/$host_version/
$(basename "$dsc") names its files with their SHA-256 checksums. It was built for
x86_64 Windows with Debian's MinGW-w64 by scripts/build-qt-windows.sh of the QIRA DB Editor's
source; you may replace these DLLs with a Qt of your own build of the same version.
EOF
}

fetch_source
if complete; then
    say "adding the licence texts to $cache"
    install_notices "$cache"
    echo "$cache"
    exit 0
fi

# The toolchain of the Qt build: MinGW-w64's posix compilers, shared runtime.
cat > toolchain.cmake << 'EOF'
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
EOF

features=()
for f in "${off[@]}"; do features+=("-DFEATURE_$f=OFF"); done

staging=$cache.partial
rm -rf build "$staging"
say "configuring qtbase for Windows"
cmake -S "$src" -B build -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" \
    -DQT_HOST_PATH=/usr \
    -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF \
    -DCMAKE_INSTALL_PREFIX="$staging" \
    "${features[@]}" > configure.log 2>&1 || { tail -60 configure.log; exit 1; }
say "building (about half an hour on two cores)"
cmake --build build -j"${QIRA_JOBS:-$(nproc)}" > build.log 2>&1 || { tail -60 build.log; exit 1; }
say "installing into $staging"
cmake --install build > install.log 2>&1 || { tail -60 install.log; exit 1; }
for f in bin/Qt6Core.dll bin/Qt6Gui.dll bin/Qt6Widgets.dll bin/Qt6Test.dll \
    plugins/platforms/qwindows.dll plugins/platforms/qoffscreen.dll lib/cmake/Qt6/qt.toolchain.cmake; do
    [[ -f $staging/$f ]] || { echo "the install lacks $f" >&2; exit 1; }
done
install_notices "$staging"
echo "$signature" > "$staging/.qira-qt-windows"
rm -rf "$cache"
mkdir -p "$(dirname "$cache")"
mv "$staging" "$cache"
say "Qt $version for Windows installed in $cache"
echo "$cache"
