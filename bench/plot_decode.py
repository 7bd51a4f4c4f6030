"""Draws decode time against binding count for both libraries from codec_bench's JSON output,
as a PNG (gnuplot, Debian's gnuplot-nox).

  python3 bench/plot_decode.py codec.json docs/decode-scaling.png [caption]
"""
import os
import subprocess
import sys
import tempfile

from codec_table import load


def main():
    source, png = sys.argv[1], sys.argv[2]
    caption = sys.argv[3] if len(sys.argv) > 3 else ""
    times = load(source)
    rows = {}
    for name, ns in times.items():
        for library, prefix in (("vandrel", "Vandrel_DecodeTable/"), ("netsnmp", "NetSnmp_DecodeTable/")):
            if name.startswith(prefix):
                rows.setdefault(int(name[len(prefix):]), {})[library] = ns / 1000
    with tempfile.TemporaryDirectory() as work:
        data = os.path.join(work, "decode.dat")
        with open(data, "w") as f:
            f.write("# bindings vandrel_us netsnmp_us\n")
            for n in sorted(rows):
                f.write(f"{n} {rows[n].get('vandrel', 'NaN')} {rows[n].get('netsnmp', 'NaN')}\n")
        script = f"""
set terminal pngcairo size 900,560 font 'sans,11'
set output '{png}'
set title 'Decoding a GetResponse: time per message against its number of bindings'
set xlabel 'bindings in the message'
set ylabel 'time per message (microseconds)'
set logscale xy
set grid
set key top left
set label 1 "{caption}" at graph 0.99, graph 0.04 right font 'sans,9'
plot '{data}' using 1:2 with linespoints lw 2 pt 7 title 'Vandrel', \\
     '{data}' using 1:3 with linespoints lw 2 pt 5 title 'Net-SNMP (libnetsnmp)', \\
     '{data}' using 1:($1 * {rows[max(rows)]['vandrel'] / max(rows)}) with lines dt 2 lc rgb 'gray' \\
       title 'proportional to the bindings (through the last Vandrel point)'
"""
        subprocess.run(["gnuplot"], input=script, text=True, check=True)


if __name__ == "__main__":
    main()
