#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles a glibc locale into a private folder, for tests that start a program in it; nothing
# outside the folder changes and no root is needed. Prints the folder to put into LOCPATH.
#
#   tests/scripts/make-locale.sh FOLDER NAME        e.g. make-locale.sh /tmp/x de_DE.UTF-8
set -euo pipefail

folder=$1
name=$2
language=${name%%.*}
charmap=${name#*.}
if [[ ! -f /usr/share/i18n/locales/$language ]]; then
    echo "make-locale: no definition of $language (is the locales package installed?)" >&2
    exit 1
fi
mkdir -p "$folder"
# localedef exits 1 on mere warnings of the definition files; the locale is written all the same.
localedef --no-archive -i "$language" -f "$charmap" "$folder/$name" 2>/dev/null || true
if [[ ! -f $folder/$name/LC_MESSAGES/SYS_LC_MESSAGES && ! -f $folder/$name/LC_CTYPE ]]; then
    echo "make-locale: localedef did not make $name" >&2
    exit 1
fi
echo "$folder"
