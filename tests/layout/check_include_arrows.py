#!/usr/bin/env python3
"""Fails when the folders of src/ include each other round a cycle, or when
anything outside the main window's folder includes from it (only app/ may).

Usage: check_include_arrows.py <src folder>"""
import os
import re
import sys
from collections import defaultdict

INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)
BLOCK_COMMENT = re.compile(r"/\*.*?\*/", re.S)
# The main window and its start-up, splash, info window and choosers.
MAIN_WINDOW = "frame"


def sources(src):
    for root, _, files in os.walk(src):
        for name in sorted(files):
            if name.endswith((".h", ".cpp")):
                yield os.path.join(root, name)


def included_file(src, path, inc):
    """The included file relative to src, or None when it is not one of src's."""
    for base in (os.path.dirname(path), src):
        candidate = os.path.normpath(os.path.join(base, inc))
        if os.path.isfile(candidate):
            relative = os.path.relpath(candidate, src)
            return None if relative.startswith("..") else relative
    return None


def include_graph(src):
    """Folder -> folder -> the files that make the arrow; and the includes of the main window."""
    edges = defaultdict(lambda: defaultdict(set))
    main_window_users = []
    for path in sources(src):
        here_file = os.path.relpath(path, src)
        here = os.path.dirname(here_file)
        with open(path, encoding="utf-8") as f:
            text = BLOCK_COMMENT.sub("", f.read())
        for inc in INCLUDE.findall(text):
            target = included_file(src, path, inc)
            if target is None:
                continue
            there = os.path.dirname(target)
            if there == here:
                continue
            edges[here][there].add(here_file)
            if there == MAIN_WINDOW or there.startswith(MAIN_WINDOW + os.sep):
                main_window_users.append(f"{here_file} includes {target}")
    return edges, main_window_users


def find_cycle(edges):
    """One cycle as a list of folders (first == last), or None."""
    state = {}
    stack = []

    def visit(node):
        state[node] = "open"
        stack.append(node)
        for nxt in sorted(edges.get(node, {})):
            if state.get(nxt) == "open":
                return stack[stack.index(nxt):] + [nxt]
            if nxt not in state:
                found = visit(nxt)
                if found:
                    return found
        stack.pop()
        state[node] = "done"
        return None

    for node in sorted(edges):
        if node not in state:
            found = visit(node)
            if found:
                return found
    return None


def main():
    if len(sys.argv) != 2:
        print(__doc__)
        return 2
    src = sys.argv[1]
    edges, main_window_users = include_graph(src)
    # Nothing found means a wrong folder or a broken reader, never a sound layout.
    if not edges:
        print(f"no includes between folders found under {src}")
        return 2
    failed = False
    cycle = find_cycle(edges)
    if cycle:
        failed = True
        print("include cycle between folders: " + " -> ".join(cycle))
        for a, b in zip(cycle, cycle[1:]):
            print(f"  {a} -> {b}: {', '.join(sorted(edges[a][b]))}")
    for user in sorted(main_window_users):
        failed = True
        print(f"{user}: only app/ includes the main window")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
