# SPDX-FileCopyrightText: 2026 Orvashel <orvashel@valtora.org>
# SPDX-License-Identifier: GPL-3.0-or-later
"""The folders of src/ stand on one another, each including only the folders below it, and no
file reaches itself through its includes: a header and its source count as one unit."""
import graphlib
import pathlib
import re
import sys

FLOORS = ["platform", "quiz", "data", "ui", ".", "tools"]  # bottom first; "." is main.cpp
src = pathlib.Path(sys.argv[1])
units = {}
for path in src.rglob("*.[hc]*"):
    unit = path.relative_to(src).with_suffix("")
    for name in re.findall(r'^#include "([^"]+)"', path.read_text(), re.M):
        target = path.parent / name if (path.parent / name).exists() else src / name
        target = target.relative_to(src).with_suffix("")
        if target != unit:
            units.setdefault(unit, set()).add(target)

faults = []
for unit, targets in units.items():
    for target in targets:
        if FLOORS.index(str(unit.parent)) < FLOORS.index(str(target.parent)):
            faults.append(f"{unit} includes {target}, a floor above it")

try:
    graphlib.TopologicalSorter(units).prepare()
except graphlib.CycleError as cycle:
    faults.append("a loop: " + " -> ".join(map(str, cycle.args[1])))
print("\n".join(sorted(set(faults))) or "no include upwards or in a loop")
sys.exit(1 if faults else 0)
