#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages of the groups named on the command line:
#   run    what the program needs to run
#   build  what building it needs
#   test   what the tests, benchmarks and fuzzing need (the desktop tier included)
#   all    every group
# Without an argument every group is installed. Safe to run again: when everything is there
# already it changes nothing and needs no network.
set -euo pipefail

# Fonts for the windows; the X11, Wayland, offscreen and JPEG platform plugins; the sound
# server's client library; the sound file decoder; Qt's own catalogues (standard buttons and
# dialogs in the user's language).
run=(
    libqt6widgets6 libpulse0 libsndfile1 qt6-wayland fonts-dejavu-core qt6-translations-l10n
)
build=(
    g++ cmake ninja-build pkgconf
    qt6-base-dev qt6-svg-dev libsndfile1-dev libpulse-dev
    # lupdate and lrelease with their CMake functions, for the catalogues
    qt6-tools-dev qt6-l10n-tools
)
test=(
    git ccache
    # benchmarks, libFuzzer
    libbenchmark-dev libgtest-dev clang libclang-rt-14-dev
    # desktop tier: X server, Wayland compositor, XEmbed tray host, window tools, audio server and
    # recorder, accessibility
    xvfb xauth x11-utils xdotool wmsystemtray xfonts-base imagemagick weston
    # a StatusNotifierItem host: Xfce's panel with its systray plugin
    xfce4-panel
    pulseaudio pulseaudio-utils sox
    # the same tests through PipeWire's PulseAudio service
    pipewire pipewire-pulse wireplumber
    dbus dbus-x11 at-spi2-core python3 python3-pyatspi
    # the German locale that the translated desktop test starts the program in
    locales
    procps time stress-ng
    # a wall clock that jumps while the monotonic one runs on: nights away, clocks that change
    faketime libfaketime tzdata
    # package tier: the Debian package and the checks of what it installs
    dpkg-dev lintian desktop-file-utils appstream
)

groups=("$@")
if ((${#groups[@]} == 0)); then
    groups=(all)
fi
packages=()
for group in "${groups[@]}"; do
    case $group in
    run) packages+=("${run[@]}") ;;
    build) packages+=("${build[@]}") ;;
    test) packages+=("${test[@]}") ;;
    all) packages+=("${run[@]}" "${build[@]}" "${test[@]}") ;;
    *)
        echo "install-deps: unknown group '$group' (run, build, test or all)" >&2
        exit 2
        ;;
    esac
done

missing=()
for p in "${packages[@]}"; do
    if [[ "$(dpkg-query -W -f='${Status}' "$p" 2>/dev/null)" != "install ok installed" ]]; then
        missing+=("$p")
    fi
done
if ((${#missing[@]} == 0)); then
    echo "install-deps: the packages of ${groups[*]} are installed"
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
