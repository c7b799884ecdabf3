#!/usr/bin/env bash
# Installs the Debian packages the project needs, and only when one is missing: on a machine that
# has them all, apt-get is not run at all.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config ccache
    qt6-base-dev libgl-dev qt6-l10n-tools qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    libcli11-dev nlohmann-json3-dev
    xvfb xauth
    clang-14 libclang-rt-14-dev
)

mapfile -t missing < <("$(dirname "$0")/missing-packages.sh" "${packages[@]}")

if ((${#missing[@]} == 0)); then
    exit 0
fi

echo "Installing: ${missing[*]}"
if [[ $(id -u) -ne 0 ]]; then
    echo "Run this as root (or install the packages above yourself)." >&2
    exit 1
fi
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
