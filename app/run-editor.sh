#!/usr/bin/env bash
# Starts the editor on the generated tiny sample install, with a registry file of its own, so
# that a newcomer sees a working editor at once and the user's own settings stay untouched.
#
#   app/run-editor.sh [BUILD_DIR]     (default: build)
#
# The sample install is made once, under BUILD_DIR/sample-install. The registry file is
# BUILD_DIR/editor-registry.ini: "Install Dir" points to the sample, "language" is kept between
# runs, and so is the window's language ("UI language"). With no display the window starts under
# Xvfb, opens the database, saves a screenshot (BUILD_DIR/editor-screenshot.png, and the start
# screen as editor-screenshot-start.png) and ends; then the same again in French
# (editor-screenshot-fr.png, ...).
set -euo pipefail

build=${1:-build}
build=$(cd "$build" && pwd)
editor=$build/app/qira-db-editor
qiradb=$build/tools/qiradb
if [[ ! -x $editor ]]; then
    echo "run-editor: $editor is missing; build with -DQIRA_BUILD_GUI=ON first" >&2
    exit 1
fi

sample=$build/sample-install
if [[ ! -f $sample/data/cmn/qira.db ]]; then
    "$qiradb" make-sample "$sample" --scale tiny
fi

# The INI form of the two registry keys, as the editor's registry layer reads them.
registry=$build/editor-registry.ini
language=0
ui_language=
if [[ -f $registry ]]; then
    stored=$(sed -n 's/^Brolt%20Software\\QIRA%20DB%20EDITOR%202004\\language=\(-\?[0-9]\+\)$/\1/p' "$registry")
    language=${stored:-0}
    ui_language=$(sed -n 's/^Brolt%20Software\\QIRA%20DB%20EDITOR%202004\\UI%20language=\([a-z][a-z]\)$/\1/p' "$registry")
fi
install_dir=$sample/
install_dir=${install_dir//\\/\\\\}
install_dir=${install_dir//\"/\\\"}
write_registry() { # UI_LANGUAGE: the registry file, with the window's language when given
    {
        echo "[Software]"
        echo "Brolt%20Software\\QIRA%20DB%20EDITOR%202004\\language=$language"
        [[ -n $1 ]] && echo "Brolt%20Software\\QIRA%20DB%20EDITOR%202004\\UI%20language=$1"
        echo "ZQ%20sports\\QIRA%202004\\Install%20Dir=\"$install_dir\""
    } > "$registry"
}
write_registry "$ui_language"
export QIRA_REGISTRY=$registry

if [[ -z ${DISPLAY:-} && -z ${WAYLAND_DISPLAY:-} ]]; then
    for shown in en fr; do
        write_registry $shown
        shot=$build/editor-screenshot.png
        [[ $shown == en ]] || shot=$build/editor-screenshot-$shown.png
        if command -v xvfb-run > /dev/null; then
            echo "No display: starting the editor under Xvfb ($shown); it opens the sample and saves a screenshot."
            QIRA_AUTOSCREENSHOT=$shot QT_QPA_PLATFORM=xcb \
                xvfb-run -a -s "-screen 0 1280x1024x24" "$editor"
        else
            echo "No display and no xvfb-run: drawing the editor off screen ($shown) for a screenshot."
            QIRA_AUTOSCREENSHOT=$shot QT_QPA_PLATFORM=offscreen "$editor"
        fi
    done
    write_registry "$ui_language"
else
    exec "$editor"
fi
