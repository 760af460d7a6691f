#!/usr/bin/env python3
"""How big Korva's classes and functions are, as universal-ctags sees them.

A class's size is its members: data members plus member functions declared in
the class (an overload counts once per declaration; nested types do not count).
A function's size is its lines from its first to its closing brace. Data tables
(a function or variable whose body is mostly one initialiser list) are left out
by name in TABLES below, with the reason.

  scripts/code-size.py             the largest ten of each
  scripts/code-size.py --check     fails when a class has more than 40 members
                                   or a function more than 60 lines
"""
import json
import subprocess
import sys
from collections import Counter
from pathlib import Path

MAX_MEMBERS = 40
MAX_LINES = 60
SOURCE_DIRS = ["app", "base", "board", "combat", "counters", "dice", "game",
               "geometry", "history", "movefile", "netplay", "overlay", "server"]
# Functions that are data: one table each, read row by row, not as logic.
TABLES = {
    "buildOrderOfBattle",  # the order of battle, one counter per row
    "CommandTable::rows",  # the window's commands, one row each
}


def tags(root):
    files = [str(p.relative_to(root)) for d in SOURCE_DIRS for p in sorted((root / d).rglob("*"))
             if p.suffix in (".h", ".cpp")]
    out = subprocess.run(
        ["ctags", "--output-format=json", "--fields=+neKZs", "--c++-kinds=+pm",
         "--sort=no", "-f", "-", *files],
        cwd=root, check=True, capture_output=True, text=True).stdout
    return [json.loads(line) for line in out.splitlines() if line.startswith("{")]


def measure(root):
    members = Counter()
    functions = []
    all_tags = tags(root)
    # A member counts where its class is defined: a definition elsewhere (a function's body,
    # "X::~X() = default;") was declared in the class already.
    defined_in = {t["name"]: t["path"] for t in all_tags if t.get("kind") in ("class", "struct")
                  and "scope" not in t}
    for tag in all_tags:
        kind, scope_kind = tag.get("kind"), tag.get("scopeKind")
        if scope_kind in ("class", "struct") and kind in ("member", "prototype", "function"):
            if defined_in.get(tag["scope"], tag["path"]) == tag["path"]:
                members[tag["scope"]] += 1
        if kind == "function" and "end" in tag and not tag["name"].startswith("__anon"):
            name = (tag["scope"] + "::" if scope_kind in ("class", "struct") else "") + tag["name"]
            if name not in TABLES:
                functions.append((tag["end"] - tag["line"] + 1, name,
                                  f'{tag["path"]}:{tag["line"]}'))
    functions.sort(reverse=True)
    return members, functions


def main():
    root = Path(__file__).resolve().parent.parent
    members, functions = measure(root)
    if "--check" in sys.argv:
        big = [(n, c) for c, n in members.items() if n > MAX_MEMBERS]
        long_ = [f for f in functions if f[0] > MAX_LINES]
        for n, c in sorted(big, reverse=True):
            print(f"class {c}: {n} members (at most {MAX_MEMBERS})")
        for n, name, where in long_:
            print(f"function {name} at {where}: {n} lines (at most {MAX_LINES})")
        return 1 if big or long_ else 0
    print("members  class")
    for c, n in members.most_common(10):
        print(f"{n:7}  {c}")
    print("\n  lines  function")
    for n, name, where in functions[:10]:
        print(f"{n:7}  {name}  ({where})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
