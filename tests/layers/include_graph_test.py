#!/usr/bin/python3
"""The include graph of src/: folders are layers and includes run downward only.

Layers, lowest first: core, clues, text, ui, game, app. A file may include files of its own layer
and of the layers below it, never of a layer above. Modules (a header and its source of the same
name) form no circle: when a.cpp includes b.h, b.cpp must not include a.h, however long the way
round. src/sound is the sound player module the program loads; it includes nothing of the program.
And rooms stay small: a file over LIMIT lines holds two jobs, unless it is a data table.

usage: include_graph_test.py SRC_FOLDER
"""

import os
import re
import sys

LAYERS = ["core", "clues", "text", "ui", "game", "app"]
ALONE = {"sound"}
INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"]+)"', re.M)
LIMIT = 400
# Tables of data, which grow with what they list: the clue patterns.
DATA_TABLES = {"clues/Patterns3.cpp", "clues/Patterns4.cpp", "clues/Patterns5.cpp"}


def main():
    src = sys.argv[1]
    problems = []
    edges = {}  # module -> set of modules it includes
    for folder in sorted(os.listdir(src)):
        path = os.path.join(src, folder)
        if not os.path.isdir(path) or folder == "resources":
            continue
        if folder not in LAYERS and folder not in ALONE:
            problems.append("src/%s is no layer (%s)" % (folder, ", ".join(LAYERS)))
            continue
        for name in sorted(os.listdir(path)):
            if not name.endswith((".h", ".cpp")):
                continue
            module = folder + "/" + os.path.splitext(name)[0]
            with open(os.path.join(path, name), encoding="utf-8") as f:
                text = f.read()
            lines = text.count("\n")
            if lines > LIMIT and folder + "/" + name not in DATA_TABLES:
                problems.append("%s/%s has %d lines, over %d: a room with two jobs" % (folder, name, lines, LIMIT))
            for included in INCLUDE.findall(text):
                target = included.split("/")[0]
                if "/" not in included or (target not in LAYERS and target not in ALONE):
                    problems.append("%s/%s includes \"%s\", which is no file of a layer" % (folder, name, included))
                    continue
                if folder in ALONE or target in ALONE:
                    if target != folder:
                        problems.append("%s/%s includes \"%s\": src/%s stands alone" % (folder, name, included, folder if folder in ALONE else target))
                    continue
                if LAYERS.index(target) > LAYERS.index(folder):
                    problems.append("%s/%s includes \"%s\": %s lies above %s" % (folder, name, included, target, folder))
                other = os.path.splitext(included)[0]
                if other != module:
                    edges.setdefault(module, set()).add(other)

    # A circle of modules: depth-first search for a way back.
    state = {}
    def visit(module, trail):
        state[module] = "open"
        for other in sorted(edges.get(module, ())):
            if state.get(other) == "open":
                circle = trail[trail.index(other):] + [other]
                problems.append("modules include each other in a circle: " + " -> ".join(circle))
            elif other not in state:
                visit(other, trail + [other])
        state[module] = "done"
    for module in sorted(edges):
        if module not in state:
            visit(module, [module])

    for p in problems:
        print(p)
    print("%d modules, %d problems" % (len(set(edges) | {m for s in edges.values() for m in s}), len(problems)))
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
