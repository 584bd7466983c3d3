#!/bin/sh
# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# A language added as two files, its translation and its names, in a copy of the source tree:
# the build finds it, the program speaks it when the locale asks for it, the window test makes
# its row and passes it, and the desktop entry names the program in it.
# new_language.sh <source tree> <cmake>
set -eu
source=$1 cmake=$2
tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
git -C "$source" ls-files -z | (cd "$source" && xargs -0 cp --parents -t "$tree")

# Esperanto, as Valtora does not speak it: Swedish's texts and names, with a caption, the praise
# and iron's name of its own.
sed -e 's/language="sv"/language="eo"/' -e 's/Gissa namnet/Divenu la nomon/' \
    -e 's/Du är grym!/Vi estas mia heroo!/' \
    "$tree/translations/valtora_sv.ts" >"$tree/translations/valtora_eo.ts"
sed 's/^26\t.*/26\tFero/' "$tree/data/names/sv.tsv" >"$tree/data/names/eo.tsv"

"$cmake" -S "$tree" -B "$tree/build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DBUILD_TESTING=ON >/dev/null
"$cmake" --build "$tree/build" --target tst_frmelements desktop_files >/dev/null

LC_ALL= LANG=eo.UTF-8 "$tree/build/src/valtora" --help | grep "Ett datorquiz"
"$tree/build/tests/tst_frmelements" speaksTheClassLanguage:eo | grep "PASS   : .*(eo)"
grep "^GenericName\[eo\]=" "$tree/build/data/org.valtora.Valtora.desktop"
