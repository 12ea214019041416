#!/usr/bin/env bash
# Installs every Debian 12 package that the build and all test tiers need.
# Safe to run again: when everything is there already it changes nothing and needs no network.
set -euo pipefail

packages=(
    # build
    g++ cmake ninja-build pkgconf git ccache
    qt6-base-dev qt6-multimedia-dev qt6-svg-dev libsndfile1-dev
    # run time: fonts for the windows (the xcb, offscreen and JPEG plugins come with libqt6gui6,
    # QAudioSink's PulseAudio client with libqt6multimedia6)
    fonts-dejavu-core
    # benchmarks, libFuzzer
    libbenchmark-dev libgtest-dev clang libclang-rt-14-dev
    # desktop tier: X server, tray host, window tools, audio server and recorder, accessibility
    xvfb xauth x11-utils xdotool wmsystemtray xfonts-base imagemagick
    pulseaudio pulseaudio-utils sox
    dbus dbus-x11 at-spi2-core python3 python3-pyatspi
    procps time
    # package tier: the Debian package and the checks of what it installs
    dpkg-dev lintian desktop-file-utils appstream
)

missing=()
for p in "${packages[@]}"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]]; then
        missing+=("$p")
    fi
done
if ((${#missing[@]} == 0)); then
    exit 0
fi

sudo=()
if ((EUID != 0)); then
    if ! command -v sudo >/dev/null; then
        echo "install-deps: these packages are missing and installing them needs root: ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -qq
"${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
