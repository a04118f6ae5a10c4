#!/usr/bin/env python3
"""Side by side in one process: a solve request through the engine's export (request file written, export
called, answer file read, as the solver does it) against numpy.roots (companion matrix eigenvalues) on the
same polynomials.

    env -u OPENBLAS_CORETYPE /usr/bin/python3 bench/numpy_comparison.py build/bin/libVX_KOVALIN.so

Needs python3-numpy (Debian). Prints the best time of many repetitions for each and the ratio."""

import ctypes
import os
import sys
import tempfile
import time

import numpy

CASES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "cases")


def read_case(name):
    with open(os.path.join(CASES, name + ".txt")) as f:
        lines = [line.strip() for line in f if line.strip()]
    degree = int(lines[0].split()[0])
    texts = lines[1 : degree + 2]
    complex_ = any("," in t for t in texts)
    values = [complex(*map(float, t.split(","))) if complex_ else float(t) for t in texts]
    return degree, complex_, texts, values


def request_text(degree, complex_, texts):
    numbers = ["(" + t + ")" if complex_ else t for t in texts]
    return "\r\n".join(["S", "C" if complex_ else "R", str(degree)] + numbers + ["", ""]).encode()


def best_time(action, repeats):
    action()
    best = float("inf")
    for _ in range(repeats):
        start = time.perf_counter()
        action()
        best = min(best, time.perf_counter() - start)
    return best


def main():
    library = ctypes.CDLL(os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/libVX_KOVALIN.so"))
    # A memory-backed folder, as the solver's own exchange folder is where the system has one.
    memory = "/dev/shm" if os.path.isdir("/dev/shm") else None
    folder = tempfile.mkdtemp(prefix="kovalin-bench-", dir=os.environ.get("XDG_RUNTIME_DIR", memory))
    os.environ["KOVALIN_EXCHANGE_DIR"] = folder
    request_path = os.path.join(folder, "TEMP_ZERO.DAT")
    answer_path = os.path.join(folder, "TEMP_ZERO.OUT")
    print("case         engine (export)   numpy.roots   ratio")
    for name in ["rand_d100", "unity_n100", "rand_d050", "crand_d49", "crand_d30"]:
        degree, complex_, texts, values = read_case(name)
        request = request_text(degree, complex_, texts)

        def engine():
            # As the solver does it: write and close the request, call, remove it, read and remove the answer
            # (with the system's calls, so that the interpreter's file objects do not weigh on the engine).
            fd = os.open(request_path, os.O_WRONLY | os.O_CREAT | os.O_TRUNC, 0o600)
            os.write(fd, request)
            os.close(fd)
            library.VX_KOVALIN()
            os.unlink(request_path)
            fd = os.open(answer_path, os.O_RDONLY)
            answer = os.read(fd, 1 << 20)
            os.close(fd)
            os.unlink(answer_path)
            if answer.count(b"\n") != degree:
                raise SystemExit("the engine answered " + repr(answer[:200]))

        coefficients = numpy.array(values)
        ours = best_time(engine, 300)
        theirs = best_time(lambda: numpy.roots(coefficients), 300)
        print(f"{name:12} {ours * 1e3:10.3f} ms   {theirs * 1e3:9.3f} ms   {theirs / ours:5.1f}x")
    os.rmdir(folder)


if __name__ == "__main__":
    main()
