#!/usr/bin/env python3
"""Batch speed of kovalin-roots against numpy.roots (companion matrix eigenvalues) on the same polynomials:
10,000 random degree-20 coefficient files solved in one run of the program, and the same polynomials solved by
numpy.roots in this one Python process (already in memory, so numpy pays no reading or printing).

    env -u OPENBLAS_CORETYPE -u OPENBLAS_L2_SIZE /usr/bin/python3 bench/cli_batch_comparison.py build/bin/kovalin-roots

Needs python3-numpy (Debian). Prints the best of three runs of each, and the ratio."""

import os
import random
import shutil
import subprocess
import sys
import tempfile
import time

import numpy

COUNT = 10000
DEGREE = 20
RUNS = 3


def write_files(folder):
    rng = random.Random(20)
    paths, polynomials = [], []
    for k in range(COUNT):
        coefficients = [rng.uniform(-1.0, 1.0) for _ in range(DEGREE + 1)]  # leading one first
        path = os.path.join(folder, f"p{k:05d}.txt")
        with open(path, "w") as f:
            f.write(f"{DEGREE}\tdegree of equation\n" + "".join(repr(c) + "\n" for c in coefficients))
        paths.append(path)
        polynomials.append(numpy.array(coefficients))
    return paths, polynomials


def best(action):
    times = []
    for _ in range(RUNS):
        start = time.perf_counter()
        action()
        times.append(time.perf_counter() - start)
    return min(times)


def main():
    program = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/kovalin-roots")
    folder = tempfile.mkdtemp(prefix="kovalin-batch-")
    try:
        paths, polynomials = write_files(folder)

        def run(format_):
            done = subprocess.run([program, "--format", format_] + paths, stdout=subprocess.DEVNULL)
            if done.returncode not in (0, 1):
                raise SystemExit(f"kovalin-roots ended with status {done.returncode}")

        def numpy_roots():
            for p in polynomials:
                numpy.roots(p)

        text = best(lambda: run("text"))
        csv = best(lambda: run("csv"))
        ours = min(text, csv)
        theirs = best(numpy_roots)
        print(f"{COUNT} random degree-{DEGREE} polynomials, best of {RUNS} runs")
        print(f"kovalin-roots (files read, solved, accuracy, text): {text:8.3f} s  {text / COUNT * 1e6:7.1f} us each")
        print(f"kovalin-roots (the same, CSV):                      {csv:8.3f} s  {csv / COUNT * 1e6:7.1f} us each")
        print(f"numpy.roots (in memory, one process):               {theirs:8.3f} s  {theirs / COUNT * 1e6:7.1f} us each")
        print(f"ratio numpy / kovalin-roots: {theirs / ours:.2f}x (goal: at least 5x)")
    finally:
        shutil.rmtree(folder)


if __name__ == "__main__":
    main()
