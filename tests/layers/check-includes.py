#!/usr/bin/env python3
"""Checks that the layers of src/ hold: the core includes neither platform nor app code, the
platform includes no app code, no two folders of src/app include each other in a circle, and
every include of our own headers names its folder."""

import pathlib
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.M)


def layer_of(include, src):
    """The layer and folder an include names, or None for a header that is not ours."""
    if include.startswith('platform/') and (src / include).is_file():
        return 'platform', 'platform'
    for layer in ('core', 'app'):
        if (src / layer / include).is_file():
            return layer, include.split('/')[0] if '/' in include else None
    return None


def own_headers(src):
    names = set()
    for header in src.rglob('*.h'):
        names.add(header.name)
    return names


def cycles(graph):
    """Every strongly connected group of more than one folder (Tarjan)."""
    index, low, stack, on_stack, found = {}, {}, [], set(), []
    counter = [0]

    def visit(node):
        index[node] = low[node] = counter[0]
        counter[0] += 1
        stack.append(node)
        on_stack.add(node)
        for target in sorted(graph.get(node, ())):
            if target not in index:
                visit(target)
                low[node] = min(low[node], low[target])
            elif target in on_stack:
                low[node] = min(low[node], index[target])
        if low[node] == index[node]:
            group = []
            while True:
                member = stack.pop()
                on_stack.discard(member)
                group.append(member)
                if member == node:
                    break
            if len(group) > 1:
                found.append(sorted(group))

    for node in sorted(graph):
        if node not in index:
            visit(node)
    return found


def check(src):
    problems = []
    headers = own_headers(src)
    graph = {}
    for path in sorted(src.rglob('*')):
        if path.suffix not in ('.h', '.cpp'):
            continue
        relative = path.relative_to(src)
        layer = relative.parts[0]
        folder = relative.parts[1] if layer == 'app' and len(relative.parts) > 2 else None
        for include in INCLUDE.findall(path.read_text(encoding='utf-8')):
            target = layer_of(include, src)
            if target is None:
                if '/' not in include and include in headers:
                    problems.append(f'{relative}: "{include}" does not name its folder')
                continue
            target_layer, target_folder = target
            if target_folder is None:
                problems.append(f'{relative}: "{include}" does not name its folder')
            if layer == 'core' and target_layer != 'core':
                problems.append(f'{relative}: the core includes {target_layer} code "{include}"')
            if layer == 'platform' and target_layer == 'app':
                problems.append(f'{relative}: the platform includes app code "{include}"')
            if folder and target_layer == 'app' and target_folder and target_folder != folder:
                graph.setdefault(folder, set()).add(target_folder)
    for group in cycles(graph):
        problems.append('src/app folders include each other in a circle: ' + ' <-> '.join(group))
    return problems


def main():
    src = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else 'src')
    if not (src / 'core').is_dir():
        print(f'{src}: no core folder here', file=sys.stderr)
        return 2
    problems = check(src)
    for problem in problems:
        print(problem)
    if problems:
        return 1
    print('layers hold')
    return 0


if __name__ == '__main__':
    sys.exit(main())
