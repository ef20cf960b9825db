#!/usr/bin/env python3
"""Fails when an include runs up the folder stack, two files include each other, or two
units (a header with its source) depend on each other.

Usage: check-layers.py ROOT FOLDER... (the folders bottom to top). A file may include
files of its own folder and of the folders below it; a core file (a folder's top
level) may not include that folder's ui/. Tools may include any core folder."""
import re
import sys
from pathlib import Path

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def sources(root, folder):
    base = root / folder
    return sorted(p for p in base.rglob("*") if p.suffix in (".h", ".cpp"))


def parse(path, root):
    """The folder, whether it is ui code, and the project includes of a file."""
    rel = path.relative_to(root)
    return rel.parts[0], "ui" in rel.parts[1:-1], INCLUDE.findall(path.read_text(errors="replace"))


def check(root, stack, tools=("tools",)):
    rank = {name: i for i, name in enumerate(stack)}
    problems = []
    graph = {}
    for folder in list(stack) + [t for t in tools if (root / t).is_dir()]:
        for path in sources(root, folder):
            _, is_ui, includes = parse(path, root)
            rel = path.relative_to(root).as_posix()
            graph[rel] = [i for i in includes if (root / i).exists()]
            for inc in includes:
                target = inc.split("/")[0]
                if target not in rank:
                    continue
                target_ui = "/ui/" in inc
                if folder in rank and rank[target] > rank[folder]:
                    problems.append(f"{rel}: includes {inc}, a folder above {folder}/")
                elif target_ui and not is_ui:
                    problems.append(f"{rel}: core code includes the windows of {inc}")
    file_cycles = cycles(graph)
    problems += ["include cycle: " + " -> ".join(c) for c in file_cycles]
    # A cycle of files is a cycle of their units too: name it once.
    seen = [{unit_of(f) for f in c} for c in file_cycles]
    problems += ["unit include cycle: " + " -> ".join(c)
                 for c in cycles(unit_graph(graph)) if set(c) not in seen]
    return problems


def unit_of(path):
    return path.rsplit(".", 1)[0]


def unit_graph(graph):
    """Unit (a header with its source) to the units whose headers either file includes."""
    units = {}
    for path, includes in graph.items():
        unit = unit_of(path)
        units.setdefault(unit, set()).update(
            unit_of(i) for i in includes if i.endswith(".h") and unit_of(i) != unit)
    return {unit: sorted(deps) for unit, deps in sorted(units.items())}


def cycles(graph):
    found, state = [], {}

    def visit(node, trail):
        state[node] = "open"
        for nxt in graph.get(node, []):
            if state.get(nxt) == "open":
                found.append(trail[trail.index(nxt):] + [nxt])
            elif nxt not in state:
                visit(nxt, trail + [nxt])
        state[node] = "done"

    for node in graph:
        if node not in state:
            visit(node, [node])
    return found


def main(argv):
    if len(argv) < 3:
        print(__doc__, file=sys.stderr)
        return 2
    problems = check(Path(argv[1]), argv[2:])
    for problem in problems:
        print(problem)
    print(f"{len(problems)} include(s) against the folder stack" if problems else "folder stack holds")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
