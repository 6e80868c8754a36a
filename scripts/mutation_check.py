#!/usr/bin/env python3
"""Plants one-token faults in the model, one at a time, and tells which ones no test catches.

Works on a copy of the tree (never the clone it is run from): the copy and its Release build
live in --work, are made on the first run and kept, so later runs rebuild only what a fault
touches. Each fault is built with ninja; the model, pxdtool and window tests (offscreen) run
against it; a failing test or a timeout catches it. A fault that does not build is skipped and
the next one is taken, so --count faults are always tried. A fault that leaves the compiled
object as it was (code this platform does not compile, or a change the compiler proved void) is
counted apart, untested. The same --seed plants the same faults.

    nice -n 10 scripts/mutation_check.py --count 200 --seed 1
    scripts/mutation_check.py --only src/core/shift_sprite.cpp:26   # every fault of one line
    scripts/mutation_check.py --again last_output.txt               # a run's survivors again
"""
import argparse
import os
import random
import re
import shutil
import signal
import subprocess
import sys
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
MODEL_DIRS = ["src/core", "src/canvas", "src/files", "src/compose"]
# Each test program with what it needs built, fastest first: a fault the model tests catch
# costs no link of the others.
STAGES = [("model_tests", ["model_tests"]), ("cli_tests", ["cli_tests", "pxdtool"]),
          ("ui_tests", ["ui_tests"])]
EQUIVALENTS = REPO / "scripts" / "mutation_equivalents.txt"

SWAPS = {"<": "<=", "<=": "<", ">": ">=", ">=": ">", "==": "!=", "!=": "==",
         "&&": "||", "||": "&&", "++": "--", "--": "++", "true": "false", "false": "true"}
# Longest first, so "<<" is never read as "<", nor "->" as "-".
TOKEN = re.compile(r"<<=|>>=|<<|>>|->|<=|>=|==|!=|&&|\|\||\+\+|--|[+-]\s+1(?![\w.])"
                   r"|\b(?:true|false)\b|\b(?:0[xX][0-9a-fA-F]+|\d+)(?:[uU]?[lL]{0,2}|[lL]{0,2}[uU]?)\b(?![.])"
                   r"|[<>]|\w+")
# Binary comparisons and logic are written with a space on each side; a template's angle
# brackets and "T&&" are not, and would only waste a build.
NEEDS_SPACES = {"<", "<=", ">", ">=", "&&", "||"}


def blank_comments_and_strings(lines):
    """The lines with comments, string and character literals and preprocessor lines blanked,
    columns kept, so a fault is only ever planted in code."""
    out, in_block = [], False
    for line in lines:
        chars, i = list(line), 0
        if not in_block and line.lstrip().startswith("#"):
            out.append(" " * len(line))
            continue
        while i < len(chars):
            two = line[i:i + 2]
            if in_block:
                if two == "*/":
                    chars[i] = chars[i + 1] = " "
                    in_block, i = False, i + 2
                    continue
                chars[i] = " "
            elif two == "//":
                chars[i:] = " " * (len(chars) - i)
                break
            elif two == "/*":
                chars[i] = chars[i + 1] = " "
                in_block, i = True, i + 2
                continue
            elif line[i] in "\"'" and not (line[i] == "'" and i and line[i - 1].isalnum()):
                quote, j = line[i], i + 1  # a digit separator (1'000) is no literal
                while j < len(line) and line[j] != quote:
                    j += 2 if line[j] == "\\" else 1
                for k in range(i, min(j + 1, len(chars))):
                    chars[k] = " "
                i = j + 1
                continue
            i += 1
        out.append("".join(chars))
    return out


def mutations_of(token, code, start, end):
    """The faults a token can carry: a swapped operator, + 1 for - 1, a constant moved by one."""
    if token in SWAPS:
        if token in NEEDS_SPACES and not (code[start - 1:start] == " " and code[end:end + 1] == " "):
            return []
        return [SWAPS[token]]
    if token[0] in "+-" and token.endswith("1"):
        return [("-" if token[0] == "+" else "+") + token[1:]]
    m = re.fullmatch(r"(0[xX][0-9a-fA-F]+|\d+)([uUlL]*)", token)
    if not m or (start and (code[start - 1].isalnum() or code[start - 1] in "_.")):
        return []
    digits, suffix = m.groups()
    value = int(digits, 16) if digits[:2].lower() == "0x" else int(digits)
    form = (lambda v: hex(v)) if digits[:2].lower() == "0x" else str
    return [form(v) + suffix for v in (value + 1, value - 1) if v >= 0]


def fault_sites(tree):
    """Every place a fault can go: (file, line number, column, old, [new ...])."""
    sites = []
    for folder in MODEL_DIRS:
        for path in sorted((tree / folder).glob("*.cpp")):
            rel = str(path.relative_to(tree))
            lines = path.read_text(encoding="latin-1").split("\n")
            for number, code in enumerate(blank_comments_and_strings(lines), 1):
                for m in TOKEN.finditer(code):
                    news = mutations_of(m.group(), code, m.start(), m.end())
                    if news:
                        sites.append((rel, number, m.start(), m.group(), news))
    return sites


def load_equivalents():
    """Faults known to change nothing a user can see: 'file | old -> new | line | why'."""
    known = set()
    if EQUIVALENTS.exists():
        for entry in EQUIVALENTS.read_text().splitlines():
            if entry.strip() and not entry.startswith("#"):
                # The line itself may hold " | ": the reason is what follows the last one.
                file, change, rest = entry.split(" | ", 2)
                known.add((file.strip(), change.strip(), rest.rsplit(" | ", 1)[0].strip()))
    return known


def sync_copy(tree):
    """Brings the copy up to the clone's tracked and new files; an unchanged file keeps its
    time stamp, so ninja rebuilds only what differs."""
    listed = subprocess.run(["git", "ls-files", "-co", "--exclude-standard", "-z"], cwd=REPO,
                            check=True, capture_output=True).stdout.decode().split("\0")
    for rel in filter(None, listed):
        source, target = REPO / rel, tree / rel
        if not source.is_file():
            continue
        if not target.exists() or target.read_bytes() != source.read_bytes():
            target.parent.mkdir(parents=True, exist_ok=True)
            shutil.copyfile(source, target)
            shutil.copymode(source, target)


def build(tree, build_dir, targets, log):
    if not (build_dir / "build.ninja").exists():
        subprocess.run(["cmake", "-S", tree, "-B", build_dir, "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=Release", "-DPIXADOR_BUILD_BENCH=OFF"],
                       check=True, stdout=log, stderr=log)
    return subprocess.run(["ninja", "-C", build_dir] + targets,
                          stdout=log, stderr=log).returncode == 0


def object_of(build_dir, file):
    """The compiled form of a model source file, as ninja leaves it."""
    return build_dir / "src" / "CMakeFiles" / "pixador_model.dir" / (file[len("src/"):] + ".o")


def run_tests(tree, build_dir, timeout, log, unchanged_object=None):
    """'passed', 'failed' (a failing test or a timeout, which ends the run early), 'unbuilt'
    when the model itself does not build, or 'unchanged' when the fault left the object as it
    was (code this platform does not compile, or a change the compiler proved void)."""
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
    for program, targets in STAGES:
        if not build(tree, build_dir, targets, log):
            if program == STAGES[0][0]:
                return "unbuilt"
            sys.exit(f"{program} does not build though the model does: see {log.name}")
        if unchanged_object and program == STAGES[0][0]:
            path, clean = unchanged_object
            if path.read_bytes() == clean:
                return "unchanged"
        try:
            result = subprocess.run([build_dir / "bin" / program, "--gtest_fail_fast",
                                     "--gtest_brief=1"], cwd=build_dir / "tests", env=env,
                                    stdout=log, stderr=log, timeout=timeout, start_new_session=True)
        except subprocess.TimeoutExpired:
            print(f"{program}: timed out after {timeout} s", file=log, flush=True)
            return "failed"
        if result.returncode != 0:
            return "failed"
    return "passed"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--count", type=int, default=200, help="faults to try (default 200)")
    parser.add_argument("--seed", type=int, default=1, help="which faults (default 1)")
    parser.add_argument("--work", type=Path, default=Path("/tmp/pixador-mutation"),
                        help="folder of the tree's copy and its build (default /tmp/pixador-mutation)")
    parser.add_argument("--timeout", type=int, default=20,
                        help="seconds per test program, whose clean run takes about 5 (default 20)")
    parser.add_argument("--only", action="append", default=[], metavar="FILE:LINE",
                        help="try every fault of this line instead (repeatable)")
    parser.add_argument("--again", type=Path, metavar="OUTPUT",
                        help="try exactly the survivors a former run printed (its output saved)")
    args = parser.parse_args()
    # Stopped from a shell or a job control, the fault in hand is still taken out again.
    signal.signal(signal.SIGINT, signal.default_int_handler)
    signal.signal(signal.SIGTERM, signal.default_int_handler)
    if args.work.resolve().is_relative_to(REPO):
        sys.exit("--work must lie outside the clone")

    tree, build_dir = args.work / "tree", args.work / "build"
    tree.mkdir(parents=True, exist_ok=True)
    log = open(args.work / "last_run.log", "w")
    sync_copy(tree)
    print("building the copy in", build_dir, flush=True)
    if run_tests(tree, build_dir, None, log) != "passed":
        sys.exit(f"the clean copy does not build or fails its tests: see {log.name}")

    sites = fault_sites(tree)
    rng = random.Random(args.seed)
    rng.shuffle(sites)
    if args.only or args.again:
        wanted = set(args.only)
        if args.again:
            for m in re.finditer(r"^(\S+:\d+)  (.+) -> (.+?)(?:  \(equivalent\))?$",
                                 args.again.read_text(), re.M):
                wanted.add(m.groups())
        sites = [(f, n, c, old, [new]) for f, n, c, old, news in sites for new in news
                 if f"{f}:{n}" in wanted or (f"{f}:{n}", old, new) in wanted]
        args.count = len(sites)
    equivalents = load_equivalents()
    clean_objects = {f: object_of(build_dir, f).read_bytes() for f in {site[0] for site in sites}}
    tried, caught, unbuilt, unchanged, survivors = 0, 0, 0, 0, []
    for file, number, column, old, news in sites:
        if tried == args.count:
            break
        new = rng.choice(news)
        path = tree / file
        original = path.read_bytes()
        lines = original.decode("latin-1").split("\n")
        line = lines[number - 1]
        lines[number - 1] = line[:column] + new + line[column + len(old):]
        path.write_bytes("\n".join(lines).encode("latin-1"))
        try:
            print(f"--- {file}:{number}  {old} -> {new}", file=log, flush=True)
            outcome = run_tests(tree, build_dir, args.timeout, log,
                                (object_of(build_dir, file), clean_objects[file]))
            if outcome == "unbuilt":
                unbuilt += 1
                continue
            tried += 1
            if outcome == "unchanged":
                unchanged += 1
            elif outcome == "passed":
                equivalent = (file, f"{old} -> {new}", line.strip()) in equivalents
                survivors.append((file, number, old, new, equivalent))
                print(f"{file}:{number}  {old} -> {new}" + ("  (equivalent)" if equivalent else ""),
                      flush=True)
            else:
                caught += 1
        finally:
            path.write_bytes(original)
        print(f"[{tried}/{args.count}] caught {caught}", file=sys.stderr, flush=True)

    known = sum(1 for s in survivors if s[4])
    real = tried - unchanged - known
    label = "retried" if args.only or args.again else f"seed {args.seed}"
    print(f"\n{label}: {tried} faults, {unchanged} left the compiled code unchanged,"
          f" {known} survivors are known equivalents; {caught} of the {real} others caught"
          f" ({100 * caught / max(real, 1):.0f}%), {len(survivors) - known} survived;"
          f" {unbuilt} faults did not build and were replaced")


if __name__ == "__main__":
    main()
