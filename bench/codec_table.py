"""Prints the codec table from codec_bench's JSON output: ns per message for Vandrel's library and
Net-SNMP's on the same work, and how many times faster Vandrel is. Given a second file (the same
benchmark built from an earlier revision), it adds that revision's Vandrel figures and the
speed-up since.

  python3 bench/codec_table.py codec.json [codec-before.json]

Medians are used when the run had repetitions, else the single figure.
"""
import json
import sys


def load(path):
    """Returns {benchmark name: ns per message}, medians preferred."""
    with open(path) as f:
        runs = json.load(f)["benchmarks"]
    times, medians = {}, {}
    for run in runs:
        if run.get("error_occurred"):
            continue
        scale = {"ns": 1, "us": 1e3, "ms": 1e6, "s": 1e9}[run.get("time_unit", "ns")]
        name = run.get("run_name", run["name"])
        if run.get("run_type") == "aggregate":
            if run.get("aggregate_name") == "median":
                medians[name] = run["real_time"] * scale
        else:
            times.setdefault(name, run["real_time"] * scale)
    times.update(medians)
    return times


def work_items(times):
    """Pairs each Vandrel_X with NetSnmp_X, in the order the benchmarks ran."""
    for name in times:
        if name.startswith("Vandrel_"):
            work = name[len("Vandrel_"):]
            if "NetSnmp_" + work in times:
                yield work


def main():
    after = load(sys.argv[1])
    before = load(sys.argv[2]) if len(sys.argv) > 2 else None
    header = f"{'work':<18} {'Vandrel ns':>11} {'Net-SNMP ns':>12} {'faster':>7}"
    if before:
        header += f" {'before ns':>10} {'before x':>9} {'speed-up':>9}"
    print(header)
    for work in work_items(after):
        ours, theirs = after["Vandrel_" + work], after["NetSnmp_" + work]
        line = f"{work:<18} {ours:>11.1f} {theirs:>12.1f} {theirs / ours:>7.2f}"
        if before and "Vandrel_" + work in before:
            old = before["Vandrel_" + work]
            line += f" {old:>10.1f} {theirs / old:>9.2f} {old / ours:>9.2f}"
        print(line)
    scaling = sorted((int(name.split("/")[1]), ns) for name, ns in after.items()
                     if name.startswith("Vandrel_DecodeTable/"))
    if len(scaling) > 1:
        print("Vandrel decode, ns per binding: " +
              ", ".join(f"{n}: {ns / n:.1f}" for n, ns in scaling))


if __name__ == "__main__":
    main()
