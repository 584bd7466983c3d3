# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# awk -v marker='<!-- recipe: NAME -->' -f readme_recipe.awk README.md
# Prints the commands of the README's recipe NAME: the code block that follows its marker.
$0 == marker { found = 1 }
found && /^```/ { fences++; next }
fences == 1
