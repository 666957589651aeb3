#!/usr/bin/env python3
"""Lists the C++ files under a source tree longer than 500 lines and the functions longer than
60 lines, so that every file and function stays small enough to read in one sitting.

    tools/check_sizes.py [--all] [SOURCE_DIR]     (SOURCE_DIR: src/ beside this script)

Exits 1 when a file outside the allow-list below is too long or holds too long a function.
--all also reports the largest file and function, allow-list or not.

Functions are found by matching braces, not by parsing: a brace block at namespace or class
level whose head has a parameter list is a function, from the line of its name to its closing
brace. Lambdas and local classes count toward the function they stand in.
"""

import os
import re
import sys

MAX_FILE_LINES = 500
MAX_FUNCTION_LINES = 60

# Files (or folders, or a file's .h and .cpp) that may break the limits for a while, reported but
# not failed: empty, and to stay so.
ALLOWED = []

SUFFIXES = (".cpp", ".h", ".hpp", ".cc")
CONTAINER_WORDS = {"namespace", "class", "struct", "union", "enum", "extern"}


def is_allowed(path):
    return any(path.startswith(prefix) for prefix in ALLOWED)


def strip_code(text):
    """The text with comments, literals and preprocessor lines blanked out, newlines kept, so
    that braces in them do not count and line numbers stay as they are."""
    out = []
    i, n = 0, len(text)
    line_start = True
    while i < n:
        c = text[i]
        if line_start and c == "#":
            # A directive, with its continuation lines.
            while i < n and text[i] != "\n":
                if text[i] == "\\" and i + 1 < n and text[i + 1] == "\n":
                    out.append("\n")
                    i += 2
                    continue
                i += 1
            continue
        if c == "\n":
            out.append(c)
            line_start = True
            i += 1
            continue
        if c in " \t":
            out.append(c)
            i += 1
            continue
        line_start = False
        if text.startswith("//", i):
            while i < n and text[i] != "\n":
                i += 1
            continue
        if text.startswith("/*", i):
            end = text.find("*/", i + 2)
            end = n if end < 0 else end + 2
            out.append(re.sub(r"[^\n]", " ", text[i:end]))
            i = end
            continue
        if c == '"':
            prefix = re.search(r"(u8|u|U|L)?R$", text[max(0, i - 3):i])
            if prefix:
                # A raw string: R"delim( ... )delim".
                open_paren = text.find("(", i)
                closing = ")" + text[i + 1:open_paren] + '"'
                end = text.find(closing, open_paren)
                end = n if end < 0 else end + len(closing)
            else:
                end = i + 1
                while end < n and text[end] != '"' and text[end] != "\n":
                    end += 2 if text[end] == "\\" else 1
                end += 1
            out.append('""' + re.sub(r"[^\n]", " ", text[i + 2:end]))
            i = end
            continue
        if c == "'":
            run = re.search(r"[0-9A-Za-z_.']*$", text[max(0, i - 40):i]).group(0)
            if run and run[0].isdigit():  # a digit separator: 1'000
                out.append(c)
                i += 1
                continue
            end = i + 1
            while end < n and text[end] != "'" and text[end] != "\n":
                end += 2 if text[end] == "\\" else 1
            end += 1
            out.append("' '")
            i = end
            continue
        out.append(c)
        i += 1
    return "".join(out)


def first_assignment(head):
    """Where the head's first '=' outside parentheses is (not ==, <=, >=, !=), or -1."""
    depth = 0
    for k, c in enumerate(head):
        if c in "([":
            depth += 1
        elif c in ")]":
            depth = max(0, depth - 1)
        elif (c == "=" and depth == 0 and head[k + 1:k + 2] != "=" and
              head[k - 1:k] not in ("=", "<", ">", "!")):
            return k
    return -1


def classify_head(head):
    """'function', 'container' or 'other' for a brace block whose head (the text since the
    previous statement) is head."""
    head = re.sub(r"\boperator\s*(\(\)|[^\s(]+)", "operator", head)
    equals = first_assignment(head)
    if equals >= 0:
        # An initialiser: a lambda held in a variable is a function all the same.
        return "function" if head[equals + 1:].lstrip().startswith("[") else "other"
    if "(" in head:
        return "function"
    if set(re.findall(r"[A-Za-z_]\w*", head)) & CONTAINER_WORDS:
        return "container"
    return "other"


def drop_macro_lines(head):
    """The head with lines that are a macro's use alone (IMPLEMENT_DYNAMIC(...)) blanked."""
    return re.sub(r"(?m)^[ \t]*[A-Z][A-Z0-9]*_[A-Z0-9_]*[ \t]*\([^;{}()]*\)[ \t]*$",
                  lambda m: " " * len(m.group(0)), head)


def function_name(head):
    equals = first_assignment(head)
    if equals >= 0:
        head = head[:equals]  # a lambda: the variable's name
    before = head[:head.index("(")] if "(" in head else head
    match = re.search(r"((?:[\w~]+::)*(?:operator\s*\S+|~?\w+))\s*$", before)
    if match:
        return match.group(1)
    return " ".join(before.split())[-40:] or "(lambda)"


def find_functions(code):
    """(name, first line, last line) of each function in stripped code."""
    functions = []
    stack = []  # for each open brace: its kind
    head_start = 0
    i, n = 0, len(code)
    init_list = False
    while i < n:
        c = code[i]
        in_body = any(kind in ("function", "other") for kind in stack)
        if in_body:
            if c == "{":
                stack.append("inner")
            elif c == "}":
                kind = stack.pop()
                if kind == "function":
                    name, first = functions[-1][0], functions[-1][1]
                    functions[-1] = (name, first, code.count("\n", 0, i) + 1)
                if not any(k in ("function", "other") for k in stack):
                    head_start = i + 1
            i += 1
            continue
        if c in ";}":
            if c == "}" and stack:
                stack.pop()
            head_start = i + 1
            init_list = False
        elif c == ":" and code[i + 1:i + 2] != ":" and code[i - 1:i] != ":":
            head = drop_macro_lines(code[head_start:i])
            if re.fullmatch(r"\s*(public|private|protected|signals|Q_SIGNALS|slots|"
                            r"(public|private|protected)\s+(slots|Q_SLOTS))\s*", head):
                head_start = i + 1
            elif ")" in head and classify_head(head) == "function":
                init_list = True  # a constructor's initialisers: member{...} is not the body
        elif c == "{":
            head = drop_macro_lines(code[head_start:i])
            before = code[head_start:i].rstrip()
            if init_list and before and (before[-1].isalnum() or before[-1] in "_>"):
                # A member's braced initialiser: skip to its match.
                depth = 0
                while i < n:
                    depth += {"{": 1, "}": -1}.get(code[i], 0)
                    if depth == 0:
                        break
                    i += 1
            else:
                kind = classify_head(head)
                if kind == "function":
                    paren = head.find("(") if "(" in head else len(head)
                    first = code.count("\n", 0, head_start + paren) + 1
                    functions.append((function_name(head), first, first))
                stack.append(kind)
                init_list = False
                head_start = i + 1
        i += 1
    return functions


def scan(root):
    files, functions = [], []
    for folder, _, names in os.walk(root):
        for name in sorted(names):
            if not name.endswith(SUFFIXES):
                continue
            path = os.path.join(folder, name)
            rel = os.path.relpath(path, root)
            with open(path, encoding="utf-8") as f:
                text = f.read()
            files.append((text.count("\n"), rel))
            for fname, first, last in find_functions(strip_code(text)):
                functions.append((last - first + 1, rel, first, fname))
    return sorted(files, reverse=True), sorted(functions, reverse=True)


def main(argv):
    show_all = "--all" in argv
    args = [a for a in argv if a != "--all"]
    root = args[0] if args else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..",
                                               "src")
    files, functions = scan(root)
    long_files = [(n, p) for n, p in files if n > MAX_FILE_LINES]
    long_functions = [f for f in functions if f[0] > MAX_FUNCTION_LINES]
    failed = False
    for lines, path in long_files:
        note = " (allowed for now)" if is_allowed(path) else ""
        failed |= not note
        print(f"file over {MAX_FILE_LINES} lines: {path}: {lines}{note}")
    for lines, path, line, name in long_functions:
        note = " (allowed for now)" if is_allowed(path) else ""
        failed |= not note
        print(f"function over {MAX_FUNCTION_LINES} lines: {path}:{line}: {name}: {lines}{note}")
    if show_all:
        for label, chosen in (("outside the allow-list", lambda p: not is_allowed(p)),
                              ("overall", lambda p: True)):
            top_file = next((f for f in files if chosen(f[1])), None)
            top_function = next((f for f in functions if chosen(f[1])), None)
            if top_file:
                print(f"largest file {label}: {top_file[1]}: {top_file[0]}")
            if top_function:
                print(f"largest function {label}: {top_function[1]}:{top_function[2]}: "
                      f"{top_function[3]}: {top_function[0]}")
    if not failed:
        print(f"no file over {MAX_FILE_LINES} lines, no function over {MAX_FUNCTION_LINES} lines"
              " outside the allow-list")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
