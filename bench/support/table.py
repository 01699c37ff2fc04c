#!/usr/bin/env python3
"""Prints one Markdown table from the results bench/run collected in the folder given."""
import json
import re
import sys
from pathlib import Path

folder = Path(sys.argv[1])
UNITS = {"us": "µs"}


def figure(value):
    """Three significant digits, never in exponent form."""
    text = f"{value:.3g}"
    return f"{value:.0f}" if "e" in text else text


def google(program, name):
    """real_time of one Google Benchmark case with its unit, or None."""
    try:
        runs = json.loads((folder / f"{program}.json").read_text())["benchmarks"]
    except (OSError, ValueError, KeyError):
        return None
    for run in runs:
        if run.get("name") == name and run.get("run_type", "iteration") == "iteration":
            return f"{figure(run['real_time'])} {UNITS.get(run['time_unit'], run['time_unit'])}"
    return None


def text(program):
    try:
        return (folder / f"{program}.txt").read_text()
    except OSError:
        return ""


def ticks(program, label):
    """The median and 99th percentile a tick harness printed for the line starting with label."""
    for line in text(program).splitlines():
        if line.strip().startswith(label):
            found = re.search(r"median\s+([\d.]+) us, p99\s+([\d.]+) us.*\(([+-]\d+) KiB\)", line)
            if found:
                return f"{found[1]} µs (p99 {found[2]} µs, resident {found[3]} KiB)"
    return None


def heap(what):
    """The heap growth bench_openclose printed for one dialog, with its rounds."""
    found = re.search(rf"{what}, (\d+) rounds: heap in use \d+ KiB after \d+ rounds, ([+-]\d+) KiB",
                      text("bench_openclose"))
    return f"heap {found[2]} KiB over {found[1]} openings" if found else None


def startup():
    found = re.search(r"over (\d+) runs: min ([\d.]+) ms, median ([\d.]+) ms, max ([\d.]+) ms",
                      text("bench_startup"))
    return f"{found[3]} ms (min {found[2]}, max {found[4]}, {found[1]} runs)" if found else None


rows = [
    ("start-up to dialog shown (Xvfb)", startup(), "bench_startup"),
    ("opening the main dialog", google("bench_maindialog", "BM_OpenDialog_BuiltIn"), "bench_maindialog"),
    ("one update (a choice in the list)", google("bench_maindialog", "BM_SetBaseColorThroughList_BuiltIn"),
     "bench_maindialog"),
    ("the same with the contrast window open",
     google("bench_maindialog", "BM_SetBaseColorThroughList_ContrastWindowOpen"), "bench_maindialog"),
    ("the same after the contrast window was closed",
     google("bench_maindialog", "BM_SetBaseColorThroughList_ContrastWindowClosed"), "bench_maindialog"),
    ("opening with 100,000 user colors", google("bench_maindialog", "BM_OpenDialog_UserFile100k/iterations:5"),
     "bench_maindialog"),
    ("one update with 100,000 user colors", google("bench_maindialog", "BM_SetBaseColorThroughList_UserFile100k"),
     "bench_maindialog"),
    ("one pick tick, new color every tick (Xvfb)", ticks("bench_picking", "new colour every tick"),
     "bench_picking"),
    ("one pick tick, cursor still (Xvfb)", ticks("bench_picking", "cursor still"), "bench_picking"),
    ("one pick tick over the still image, new color every tick (Xvfb)",
     ticks("bench_picking", "still image: new colour every tick"), "bench_picking"),
    ("one pick tick over the still image, cursor still (Xvfb)", ticks("bench_picking", "still image: cursor still"),
     "bench_picking"),
    ("hue field paint (a saturation bar step)", google("bench_hsvdialog", "BM_SaturationBarStep/0"),
     "bench_hsvdialog"),
    ("one HSV dialog drag step", google("bench_hsvdialog", "BM_HueFieldDragStep/0"), "bench_hsvdialog"),
    ("one HSV drag step through to the main dialog",
     google("bench_hsvselector", "BM_HSVSelectorDragStep/repaint:0/immediate:1"), "bench_hsvselector"),
    ("the same with both repaints",
     google("bench_hsvselector", "BM_HSVSelectorDragStep/repaint:1/immediate:1"), "bench_hsvselector"),
    ("magnifier view update, 188 x 104 (fake screen)", ticks("bench_zoom", "fake screen    view 188"),
     "bench_zoom"),
    ("magnifier view update, 188 x 104 (Xvfb)", ticks("bench_zoom", "QtScreen/Xvfb  view 188"), "bench_zoom"),
    ("HSB round trip of all 16,777,216 colors", google("bench_colormodels", "BM_CubeRoundTrip"),
     "bench_colormodels"),
    ("reading a user file of 100,000 entries", google("bench_namedcolors", "BM_ReadUserFile/100000"),
     "bench_namedcolors"),
    ("opening and closing the main dialog", heap("main dialog"), "bench_openclose"),
    ("opening and closing the HSV dialog", heap("HSV dialog"), "bench_openclose"),
]

print("| what | figure | program |")
print("|---|---|---|")
for what, figure, program in rows:
    print(f"| {what} | {figure or 'not measured, see ' + str(folder / (program + '.txt'))} | `{program}` |")
