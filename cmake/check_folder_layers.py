#!/usr/bin/env python3
"""Fails when the folders under src/ depend on each other in a circle.

A folder depends on another when one of its files includes a header of the
other ("other/..."), or when one of its CMake libraries links one of the
other's. Libraries declared in src/CMakeLists.txt itself (quelmo_core) only
gather others: linking one counts as linking what it gathers.

Exit status 0 with the folders in layers, bottom first; 1 naming each cycle
with a file and line for every step of it.
"""

import argparse
import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s*"([^"/]+)/')
DECLARE = re.compile(r'\badd_(?:library|executable)\s*\(\s*([A-Za-z0-9_.+-]+)', re.I)
LINK = re.compile(r'\btarget_link_libraries\s*\(\s*([A-Za-z0-9_.+-]+)([^)]*)\)', re.I | re.S)
WORD = re.compile(r'[A-Za-z0-9_.+-]+')
SOURCE_SUFFIXES = {'.h', '.hpp', '.cpp', '.cc', '.c', '.inc', '.mm'}


def line_of(text, offset):
    return text.count('\n', 0, offset) + 1


def strip_cmake_comments(text):
    # Keeps every line where it was, so that line numbers still hold.
    return '\n'.join(line.split('#', 1)[0] for line in text.split('\n'))


class Graph:
    def __init__(self, folders):
        self.folders = sorted(folders)
        self.edges = {f: {} for f in self.folders}  # to -> first evidence

    def add(self, source, target, evidence):
        if source != target and source in self.edges and target in self.edges:
            self.edges[source].setdefault(target, evidence)


def read_includes(src, graph):
    for path in sorted(src.rglob('*')):
        if path.suffix not in SOURCE_SUFFIXES or not path.is_file():
            continue
        folder = path.relative_to(src).parts[0]
        if folder == path.name:
            continue
        text = path.read_text(encoding='utf-8', errors='replace')
        for number, line in enumerate(text.split('\n'), 1):
            match = INCLUDE.match(line)
            if match:
                graph.add(folder, match.group(1),
                          f'{path.relative_to(src.parent)}:{number} includes "{match.group(1)}/..."')


def read_links(src, graph):
    owner = {}  # target -> folder, None for the gathering ones at src/
    links = []  # (target, linked target, evidence)
    for path in sorted(src.rglob('CMakeLists.txt')):
        parts = path.relative_to(src).parts
        folder = parts[0] if len(parts) > 1 else None
        text = strip_cmake_comments(path.read_text(encoding='utf-8'))
        for match in DECLARE.finditer(text):
            owner.setdefault(match.group(1), folder)
        for match in LINK.finditer(text):
            where = f'{path.relative_to(src.parent)}:{line_of(text, match.start())}'
            for word in WORD.findall(match.group(2)):
                links.append((match.group(1), word, where))
    linked = {}
    for target, other, where in links:
        if other in owner:
            linked.setdefault(target, []).append((other, where))

    def folders_behind(target, seen):
        # The folders a link to `target` reaches, through gathering targets.
        if target in seen:
            return []
        seen.add(target)
        if owner.get(target) is not None:
            return [(owner[target], target)]
        reached = []
        for other, _ in linked.get(target, []):
            reached += folders_behind(other, seen)
        return reached

    for target, others in linked.items():
        folder = owner.get(target)
        if folder is None:
            continue
        for other, where in others:
            for reached, library in folders_behind(other, set()):
                via = '' if library == other else f' (through {other})'
                graph.add(folder, reached, f'{where} links {target} to {library}{via}')


def components(graph):
    """Tarjan's strongly connected components, each sorted."""
    index, low, on_stack, stack, found = {}, {}, set(), [], []

    def visit(node):
        index[node] = low[node] = len(index)
        stack.append(node)
        on_stack.add(node)
        for other in sorted(graph.edges[node]):
            if other not in index:
                visit(other)
                low[node] = min(low[node], low[other])
            elif other in on_stack:
                low[node] = min(low[node], index[other])
        if low[node] == index[node]:
            group = []
            while True:
                other = stack.pop()
                on_stack.discard(other)
                group.append(other)
                if other == node:
                    break
            found.append(sorted(group))

    sys.setrecursionlimit(10000)
    for node in graph.folders:
        if node not in index:
            visit(node)
    return found


def shortest_cycle(graph, group):
    """A shortest circle through the group's first folder, by breadth."""
    start = group[0]
    members = set(group)
    came_from = {start: None}
    queue = [start]
    while queue:
        node = queue.pop(0)
        for other in sorted(graph.edges[node]):
            if other not in members:
                continue
            if other == start:
                path = [node]
                while came_from[path[-1]] is not None:
                    path.append(came_from[path[-1]])
                return list(reversed(path)) + [start]
            if other not in came_from:
                came_from[other] = node
                queue.append(other)
    return [start]


def layers(graph):
    """Each folder's height: 0 for one that depends on none, else one above its highest."""
    height = {}

    def measure(node):
        if node not in height:
            height[node] = 0
            height[node] = 1 + max((measure(o) for o in graph.edges[node]), default=-1)
        return height[node]

    for node in graph.folders:
        measure(node)
    rows = {}
    for node, level in height.items():
        rows.setdefault(level, []).append(node)
    return [sorted(rows[level]) for level in sorted(rows)]


def main():
    parser = argparse.ArgumentParser(description=__doc__.split('\n')[0])
    parser.add_argument('src', type=pathlib.Path, help='the src/ folder')
    parser.add_argument('--edges', action='store_true', help='also list every dependency')
    args = parser.parse_args()
    src = args.src.resolve()
    folders = [p.name for p in src.iterdir() if p.is_dir()]
    graph = Graph(folders)
    read_includes(src, graph)
    read_links(src, graph)

    cycles = [group for group in components(graph) if len(group) > 1]
    if cycles:
        for group in cycles:
            path = shortest_cycle(graph, group)
            print(f'cycle among {", ".join(group)}: {" -> ".join(path)}')
            for here, there in zip(path, path[1:]):
                print(f'  {here} -> {there}: {graph.edges[here][there]}')
            steps = [(here, there) for here in group for there in sorted(graph.edges[here])
                     if there in group and (here, there) not in zip(path, path[1:])]
            if steps:
                print('  and the other steps among them:')
                for here, there in steps:
                    print(f'  {here} -> {there}: {graph.edges[here][there]}')
        return 1

    print('no cycle among the folders under src/; layers, bottom first:')
    for level, row in enumerate(layers(graph)):
        print(f'  {level}: {" ".join(row)}')
    if args.edges:
        for folder in graph.folders:
            print(f'{folder} -> {" ".join(sorted(graph.edges[folder])) or "-"}')
    return 0


if __name__ == '__main__':
    sys.exit(main())
