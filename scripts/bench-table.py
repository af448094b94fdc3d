#!/usr/bin/env python3
"""Turns the paired benchmarks' JSON output into the Markdown tables of docs/performance.md.

    bacnapi_bench --benchmark_filter=BM_ --benchmark_out=run.json --benchmark_out_format=json
    scripts/bench-table.py run.json            # one row per case and size
    scripts/bench-table.py --growth run.json   # time per element at 10^6 over that at 10^3
"""
import json
import re
import sys


def case_name(name):
    m = re.match(r"BM_(\w+)<(?:\(anonymous namespace\)::)?(?:Case|Element)::(\w+)>/(\d+)$", name)
    if m:
        verb = {"Write": "Write", "Read": "Read", "DisplayList": "Display list of"}.get(m.group(1), m.group(1))
        return f"{verb} {m.group(2)}", int(m.group(3))
    m = re.match(r"BM_RepeatedAppend/(\d+)$", name)
    if m:
        return "Append date-time", int(m.group(1))
    return None, None


def number(x):
    return f"{x:.3g}" if x < 1000 else f"{x:.0f}"


def main():
    args = sys.argv[1:]
    growth = "--growth" in args
    files = [a for a in args if not a.startswith("--")]
    rows = {}
    for path in files:
        with open(path) as f:
            for b in json.load(f)["benchmarks"]:
                case, size = case_name(b["name"])
                if case and "ratio" in b:
                    rows[(case, size)] = b
    if growth:
        print("| case | library 10^3 → 10^6 | reference 10^3 → 10^6 | ratio 10^3 → 10^6 |")
        print("|---|---|---|---|")
        for (case, size), b in rows.items():
            small = rows.get((case, 1000))
            if size != 1000000 or not small:
                continue
            print(f"| {case} | {small['lib_ns']:.3g} → {b['lib_ns']:.3g} (×{b['lib_ns'] / small['lib_ns']:.2f}) "
                  f"| {small['ref_ns']:.3g} → {b['ref_ns']:.3g} (×{b['ref_ns'] / small['ref_ns']:.2f}) "
                  f"| {small['ratio']:.2f} → {b['ratio']:.2f} |")
        return
    print("| case | size | library ns | reference ns | ratio | library peak MB | kept MB |")
    print("|---|---|---|---|---|---|---|")
    for (case, size), b in rows.items():
        print(f"| {case} | {size} | {number(b['lib_ns'])} | {number(b['ref_ns'])} | {b['ratio']:.2f} "
              f"| {number(b.get('peak_MB', 0))} | {number(b.get('kept_MB', 0))} |")


if __name__ == "__main__":
    main()
