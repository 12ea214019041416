#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source, script and CMake file of the project that
# lacks one, in the comment syntax of its kind (after a shebang or an XML declaration). Files
# that already carry the line are left alone, so running it again changes nothing.
#
#   scripts/spdx-headers.sh            add the line where it is missing
#   scripts/spdx-headers.sh --check    change nothing; list the files without it, fail if any
#
# Files are those that git tracks, or every file outside build folders when there is no git.
# Catalogues, documents, data samples and pictures in binary formats are not sources: skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

tag='SPDX-License-Identifier: GPL-3.0-or-later'
check=0
if [[ ${1:-} == --check ]]; then
    check=1
fi

list_files() {
    if git rev-parse --is-inside-work-tree >/dev/null 2>&1; then
        git ls-files --cached --others --exclude-standard
    else
        find . -path ./.git -prune -o -path './build*' -prune -o -type f -print | sed 's|^\./||'
    fi
}

# The licence line as a comment of the file's kind; nothing for files that are not sources.
comment_for() {
    local path=$1 name=${1##*/}
    case $name in
    *.cpp | *.h | *.hpp | *.c) echo "// $tag" ;;
    *.sh | *.py | *.cmake | CMakeLists.txt) echo "# $tag" ;;
    *.desktop.in | desktop.in) echo "# $tag" ;;
    *.svg | *.xml.in | *.htm | *.html) echo "<!-- $tag -->" ;;
    *.1) echo ".\\\" $tag" ;;
    *)
        # Scripts without an extension are known by their shebang.
        if [[ -f $path ]] && head -c 2 "$path" | grep -q '^#!'; then
            echo "# $tag"
        fi
        ;;
    esac
}

has_line() {
    head -n 5 "$1" | grep -q 'SPDX-License-Identifier:'
}

# How many lines must stay first: a shebang, an XML declaration or a doctype.
kept_lines() {
    local first
    first=$(head -n 1 "$1")
    case $first in
    '#!'* | '<?xml'* | '<!DOCTYPE'* | '<!doctype'*) echo 1 ;;
    *) echo 0 ;;
    esac
}

missing=()
while IFS= read -r file; do
    [[ -f $file ]] || continue
    line=$(comment_for "$file")
    [[ -n $line ]] || continue
    has_line "$file" && continue
    missing+=("$file")
    ((check)) && continue
    keep=$(kept_lines "$file")
    tmp=$(mktemp)
    {
        head -n "$keep" "$file"
        printf '%s\n' "$line"
        tail -n +"$((keep + 1))" "$file"
    } >"$tmp"
    chmod --reference="$file" "$tmp"
    mv "$tmp" "$file"
done < <(list_files)

if ((check)); then
    if ((${#missing[@]} > 0)); then
        printf 'no SPDX line: %s\n' "${missing[@]}" >&2
        exit 1
    fi
    exit 0
fi
echo "spdx-headers: ${#missing[@]} file(s) given the licence line"
