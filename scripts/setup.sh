#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages needed to build, test, benchmark and package Maaltafels.
# When everything is there it prints one line and returns at once. With --web: what the browser
# build and its tests need (emscripten, Chromium, the font and icon tools, npm).
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config
    qt6-base-dev qt6-svg-dev
    libgtest-dev googletest
    libxcb1-dev xvfb xauth dbus-daemon
    fonts-comic-neue fonts-liberation2
    clang-format clang libclang-rt-dev
    dpkg-dev file desktop-file-utils appstream lintian x11-utils
)

if [[ "${1:-}" == "--web" ]]; then
    packages=(cmake ninja-build emscripten chromium woff2 python3-fonttools fonts-comic-neue fonts-liberation2
              librsvg2-bin)
    # Debian's npm, unless a node of another origin brought its own.
    command -v npm >/dev/null 2>&1 || packages+=(npm)
fi

missing=("${packages[@]}")
if command -v dpkg-query >/dev/null 2>&1; then
    # One query for all packages; unknown ones are reported on stderr and simply stay missing.
    installed=" $({ dpkg-query -W -f='${Package}=${Status}\n' "${packages[@]}" 2>/dev/null || true; } |
        sed -n 's/=install ok installed$//p' | tr '\n' ' ')"
    missing=()
    for pkg in "${packages[@]}"; do
        [[ "$installed" == *" $pkg "* ]] || missing+=("$pkg")
    done
fi

if ((${#missing[@]} == 0)); then
    echo "setup: all ${#packages[@]} required packages are installed"
    exit 0
fi

if ! command -v apt-get >/dev/null 2>&1; then
    echo "setup: apt-get not found; install these packages with your system's package manager, then retry: ${missing[*]}" >&2
    exit 1
fi

sudo=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null 2>&1; then
        echo "setup: not root and sudo not found; as root run: apt-get install ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi

echo "setup: installing ${missing[*]}"
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -q
"${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends "${missing[@]}"
