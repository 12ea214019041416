#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build into a scratch prefix and checks what a desktop reads from it.
#
#   tests/dist/check-install.sh BUILD_DIR APP_ID
set -eu

build=$1
id=$2
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null
missing=0
for file in bin/zibac share/zibac/Bell.wav share/zibac/didi.snd share/zibac/help/achelp.htm \
    "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$id.svg" "share/icons/hicolor/48x48/apps/$id.png" \
    share/man/man1/zibac.1.gz; do
    if [ ! -f "$prefix/$file" ]; then
        echo "not installed: $file" >&2
        missing=1
    fi
done
[ "$missing" = 0 ]
desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$id.metainfo.xml"
