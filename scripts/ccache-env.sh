# Sourced by the build scripts: the compiler cache every build of the test command shares.
#
# ccache keeps what the compiler made under the user's cache folder, beside Qt for Windows:
#   ~/.cache/qira-db-editor/ccache (or CCACHE_DIR when that is set)
# so a second run on the same machine, from any clone, compiles only the sources that changed.
# Paths are hashed relative to the checkout, so two clones in different folders share it.
# Clear it with `ccache --clear` (with CCACHE_DIR set as below) or by removing the folder.
# QIRA_CCACHE=off builds without it.
#
# Sets `qira_launcher` to the CMake options that put ccache in front of the compilers (empty when
# ccache is missing or turned off).
qira_launcher=()
if [[ ${QIRA_CCACHE:-on} != off ]] && command -v ccache > /dev/null; then
    export CCACHE_DIR=${CCACHE_DIR:-$HOME/.cache/qira-db-editor/ccache}
    export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)}
    export CCACHE_NOHASHDIR=1
    # Depend mode: the compiler's own dependency file (-MD, which every build here passes) names
    # the headers, so a miss costs no extra preprocessor run and a hit needs none either.
    export CCACHE_DEPEND=true
    # Precompiled headers: the cache takes them when their defines and times are not hashed.
    export CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
    export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-8G}
    qira_launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
fi
