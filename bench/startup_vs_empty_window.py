#!/usr/bin/env python3
"""Start-up of qly734 to its first shown window, side by side with an empty
Qt window: alternating runs of both probes, the median wall time and the peak
resident memory of each, and their ratios. Usage: startup_vs_empty_window.py [build folder] [runs]"""
import os
import statistics
import sys
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 30
probe = os.path.join(build, "bin", "startup_probe")
env = dict(os.environ, QT_QPA_PLATFORM="offscreen")


def run_once(kind):
    start = time.perf_counter()
    quiet = [(os.POSIX_SPAWN_OPEN, 2, os.devnull, os.O_WRONLY, 0)]
    pid = os.posix_spawn(probe, [probe, kind], env, file_actions=quiet)
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"startup_probe {kind} failed")
    return elapsed, usage.ru_maxrss  # seconds, KiB


samples = {"qly734": [], "empty": []}
for kind in samples:
    run_once(kind)  # warm the page cache
for _ in range(runs):
    for kind in samples:
        samples[kind].append(run_once(kind))

print(f"{'window':<10} {'median ms':>10} {'peak RSS MiB':>13}")
result = {}
for kind, values in samples.items():
    median = statistics.median(t for t, _ in values) * 1000
    peak = max(m for _, m in values) / 1024
    result[kind] = (median, peak)
    print(f"{kind:<10} {median:>10.1f} {peak:>13.1f}")
print(f"start-up ratio qly734 / empty window: {result['qly734'][0] / result['empty'][0]:.2f}")
print(f"memory ratio   qly734 / empty window: {result['qly734'][1] / result['empty'][1]:.2f}")
