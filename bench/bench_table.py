#!/usr/bin/env python3
"""Google Benchmark JSON files (pixador_bench --benchmark_out, and rows in the same form from the
scripts beside it) as one table: operation, size, time, target and whether it is met.
Benchmarks are named "Operation/size[/argument]"; a label names the variant and a "target_us"
counter the target its feature set."""
import json
import sys

TO_US = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}


def duration(us, digits=3):
    for scale, unit in ((1e6, "s"), (1e3, "ms"), (1.0, "us")):
        if us >= scale:
            return f"{us / scale:.{digits}g} {unit}"
    return f"{us * 1e3:.{digits}g} ns"


def rows(report):
    for run in report["benchmarks"]:
        if run.get("run_type") == "aggregate":
            continue
        parts = run["name"].split("/")
        operation = parts[0] + (f" ({run['label']})" if run.get("label") else "")
        size = parts[1].replace("_", " ") if len(parts) > 1 else ""
        target = run.get("target_us")
        if run.get("error_occurred"):
            yield operation, size, "error: " + run.get("error_message", ""), target, False
            continue
        time = run["real_time"] * TO_US[run["time_unit"]]
        yield operation, size, time, target, None if target is None else time <= target


def main(*paths):
    table = []
    for path in paths:
        with open(path) as f:
            table += rows(json.load(f))
    header = ("operation", "size", "time", "target", "met")
    lines = [header]
    for operation, size, time, target, met in table:
        lines.append((operation, size, time if isinstance(time, str) else duration(time),
                      "-" if target is None else "<= " + duration(target, 6),
                      "-" if met is None else ("yes" if met else "NO")))
    widths = [max(len(line[i]) for line in lines) for i in range(len(header))]
    for n, line in enumerate(lines):
        print("  ".join(cell.ljust(w) if i < 2 else cell.rjust(w) for i, (cell, w) in enumerate(zip(line, widths))).rstrip())
        if n == 0:
            print("  ".join("-" * w for w in widths))
    with_target = [met for *_, target, met in table if target is not None]
    print(f"\n{sum(1 for m in with_target if m)} of {len(with_target)} targets met; "
          f"{len(table) - len(with_target)} benchmarks set no target.")
    return 0 if all(with_target) else 1


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:]))
