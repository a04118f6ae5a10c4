#!/usr/bin/env python3
"""Side by side in one run: a solve request through the engine's export against numpy.roots (companion matrix
eigenvalues) on the same polynomials. The request is timed twice: made from this process through ctypes (request
file written, export called, answer file read), and made by the solver's own exchange code and library loader
(solver_request_timing, next to the library), from the typed coefficients to the roots read back.

    env -u OPENBLAS_CORETYPE /usr/bin/python3 bench/numpy_comparison.py build/bin/libVX_KOVALIN.so [CPU]

Everything runs on one processor (the first this process may use, or CPU): the processors of one machine can
differ in speed, and a comparison across two of them says more about the processors than about the solvers.
Needs python3-numpy (Debian). Prints the best time of many repetitions for each and the ratios."""

import ctypes
import os
import subprocess
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


ROUNDS = 5  # the machine's speed drifts: each round times every contender once, side by side
REPEATS = 60  # calls per contender, case and round; the best one counts


def solver_times(library_path, names):
    """The solver's own request path, per case (nothing when the timing program was not built)."""
    program = os.path.join(os.path.dirname(library_path), "solver_request_timing")
    if not os.path.exists(program):
        return {}
    done = subprocess.run([program, "--repetitions", str(REPEATS)] + names, capture_output=True, text=True, check=True)
    return {name: float(seconds) for name, seconds in (line.split() for line in done.stdout.splitlines())}


def main():
    library_path = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else "build/bin/libVX_KOVALIN.so")
    cpu = int(sys.argv[2]) if len(sys.argv) > 2 else min(os.sched_getaffinity(0))
    os.sched_setaffinity(0, {cpu})  # the timing program started below inherits it
    library = ctypes.CDLL(library_path)
    # A memory-backed folder, as the solver's own exchange folder is where the system has one.
    memory = "/dev/shm" if os.path.isdir("/dev/shm") else None
    folder = tempfile.mkdtemp(prefix="kovalin-bench-", dir=os.environ.get("XDG_RUNTIME_DIR", memory))
    os.environ["KOVALIN_EXCHANGE_DIR"] = folder
    request_path = os.path.join(folder, "TEMP_ZERO.DAT")
    answer_path = os.path.join(folder, "TEMP_ZERO.OUT")
    names = ["rand_d100", "unity_n100", "rand_d050", "crand_d49", "crand_d30"]

    def engine_call(degree, request):
        # As the solver does it: write and close the request, call, remove it, read and remove the answer
        # (with the system's calls, so that the interpreter's file objects do not weigh on the engine).
        def call():
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

        return call

    contenders = {}
    for name in names:
        degree, complex_, texts, values = read_case(name)
        coefficients = numpy.array(values)
        contenders[name] = (engine_call(degree, request_text(degree, complex_, texts)), lambda c=coefficients: numpy.roots(c))
    best = {name: [float("inf")] * 3 for name in names}  # ctypes, solver's path, numpy.roots
    ratios = {name: [] for name in names}  # per round: numpy.roots over the solver's path
    for _ in range(ROUNDS):
        solver = solver_times(library_path, names)
        for name in names:
            engine, theirs = contenders[name]
            times = [best_time(engine, REPEATS), solver.get(name, float("inf")), best_time(theirs, REPEATS)]
            best[name] = [min(b, t) for b, t in zip(best[name], times)]
            ratios[name].append(times[2] / times[1])
    os.rmdir(folder)
    print(f"CPU {cpu}, best of {ROUNDS} rounds of {REPEATS} calls each; the ratios are numpy.roots over the engine")
    print("case         ctypes    solver's path  numpy.roots  ratio: ctypes  solver's path (rounds: lowest-highest)")
    for name in names:
        ours, path, theirs = best[name]
        spread = f"{min(ratios[name]):4.1f}-{max(ratios[name]):4.1f}x" if path < float("inf") else ""
        print(f"{name:12} {ours * 1e3:7.3f} ms {path * 1e3:8.3f} ms {theirs * 1e3:9.3f} ms {theirs / ours:9.1f}x"
              f" {theirs / path:9.1f}x ({spread})")


if __name__ == "__main__":
    main()
