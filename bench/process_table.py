"""Prints the whole-process table from process_bench.sh's results: median wall time and median
peak RSS of each command, and each one's ratio to the floor's.

  python3 bench/process_table.py OUTDIR NAME...
"""
import glob
import json
import os
import statistics
import sys


def main():
    out, names = sys.argv[1], sys.argv[2:]
    times = {name: [] for name in names}
    for path in sorted(glob.glob(os.path.join(out, "hyperfine-*.json"))):
        with open(path) as f:
            for result in json.load(f)["results"]:
                times[result["command"]].extend(result["times"])
    rss = {name: [] for name in names}
    with open(os.path.join(out, "rss.txt")) as f:
        for line in f:
            words = line.split()
            if len(words) == 2 and words[0] in rss:
                rss[words[0]].append(int(words[1]))

    wall = {name: statistics.median(times[name]) * 1e3 for name in names}
    peak = {name: statistics.median(rss[name]) for name in names}
    floor = "floor"
    print(f"{'command':<10} {'runs':>6} {'median ms':>10} {'x floor':>8} {'peak RSS KiB':>13} "
          f"{'x floor':>8}")
    for name in names:
        print(f"{name:<10} {len(times[name]):>6} {wall[name]:>10.3f} "
              f"{wall[name] / wall[floor]:>8.2f} {peak[name]:>13.0f} {peak[name] / peak[floor]:>8.2f}")
    if "vandrel" in names and "snmpset" in names:
        print(f"snmpset / vandrel wall time: {wall['snmpset'] / wall['vandrel']:.2f}")
    if "vandrel" in names and "before" in names:
        print(f"before / vandrel: wall time {wall['before'] / wall['vandrel']:.2f}, "
              f"peak RSS {peak['before'] / peak['vandrel']:.2f}")


if __name__ == "__main__":
    main()
