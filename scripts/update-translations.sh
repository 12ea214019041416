#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Brings translations/*.ts up to date with the texts of src/: new texts are added unfinished
# (translate them in Qt Linguist or by hand), texts that are gone are dropped.
# Usage: scripts/update-translations.sh [catalogue.ts...]   (default: every catalogue)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
catalogues=("$@")
if ((${#catalogues[@]} == 0)); then
    catalogues=(translations/zibac_*.ts)
fi
"$lupdate" -silent -locations none -no-obsolete -extensions cpp,h src -ts "${catalogues[@]}"
