#!/usr/bin/env python3
"""quillday --batch side by side with the tools a user would take instead,
on the same random Gregorian dates (years 1601 to 4095, which every tool
reads), one per line:

  date -> date and week day   quillday --batch FILE              2012-12-31 CE, Monday
                              dateutils.dconv -i %F -f '%F %A'   2012-12-31 Monday
                              date -f FILE '+%F %A', TZ=UTC      2012-12-31 Monday
                              the same with TZ unset
  date -> day number          quillday --batch --to JDN FILE     2012-12-31 CE = 2,456,293 JDN, Monday
                              dateutils.dconv -i %F -f jdn       2456292.500000

First the answers of every tool to a sample of the lines are compared: the
same week day, the same day number (dconv counts from noon, so its number is
quillday's less one half). Then the tools run alternately, in an order that
turns round from one round to the next, with their output going to
/dev/null; each tool's figures are the medians of its rounds: wall-clock
seconds and CPU seconds (user + system). A ratio is the peer's time over
quillday's: above 1, quillday is faster. Last come quillday's largest
resident memory at the given lines and at ten times as many, and its times
on a single core.

Usage: bench/quillday_vs_peers.py [BUILD_DIR] [LINES] [ROUNDS]
       (defaults: build, 1000000, 5)
Needs Debian's dateutils, GNU date and GNU time. Exits 1 when the tools disagree,
77 when dateutils or GNU time is missing; missed speed targets are printed, not failed.
"""
import datetime
import os
import random
import shutil
import statistics
import sys
import tempfile
import time

build = sys.argv[1] if len(sys.argv) > 1 else "build"
lines = int(sys.argv[2]) if len(sys.argv) > 2 else 1_000_000
rounds = int(sys.argv[3]) if len(sys.argv) > 3 else 5
quillday = os.path.join(build, "bin", "quillday")
SAMPLE_LINES = 10_000
GROWTH = 10
# quillday against dconv: wall-clock and CPU time.
TARGETS = {"wall": 5.0, "cpu": 2.5}

if not os.access(quillday, os.X_OK):
    sys.exit(f"No {quillday}: build first (cmake --build {build} --target quillday)")
dconv = shutil.which("dateutils.dconv")
gnu_date = shutil.which("date")
gnu_time = shutil.which("time", path="/usr/bin")
taskset = shutil.which("taskset")
if dconv is None or gnu_time is None:
    print("dateutils.dconv or /usr/bin/time is missing: apt-get install dateutils time",
          file=sys.stderr)
    sys.exit(77)

# Every tool writes English week days; only the time zone differs.
base_env = {k: v for k, v in os.environ.items() if k not in ("TZ", "LANGUAGE", "LC_ALL", "LANG")}
base_env["LC_ALL"] = "C"
utc_env = dict(base_env, TZ="UTC")


def tool_run(command, env=base_env, stdin=False):
    """A command reading the dates FILE: as its last word, or on its input."""
    return {"command": command, "env": env, "stdin": stdin}


WEEKDAY = {
    "quillday": tool_run([quillday, "--batch"]),
    "dconv": tool_run([dconv, "-i", "%F", "-f", "%F %A"], stdin=True),
    "date TZ=UTC": tool_run([gnu_date, "+%F %A", "-f"], env=utc_env),
    "date TZ unset": tool_run([gnu_date, "+%F %A", "-f"]),
}
DAY_NUMBER = {
    "quillday": tool_run([quillday, "--batch", "--to", "JDN"]),
    "dconv": tool_run([dconv, "-i", "%F", "-f", "jdn"], stdin=True),
}
TASKS = {"date -> date and week day": WEEKDAY, "date -> day number": DAY_NUMBER}


def argv_of(tool, path):
    return tool["command"] if tool["stdin"] else tool["command"] + [path]


def output_of(tool, path):
    """The tool's standard output for the file, as text lines."""
    read_end, write_end = os.pipe()
    actions = [(os.POSIX_SPAWN_DUP2, write_end, 1), (os.POSIX_SPAWN_CLOSE, read_end)]
    if tool["stdin"]:
        actions.append((os.POSIX_SPAWN_OPEN, 0, path, os.O_RDONLY, 0))
    argv = argv_of(tool, path)
    pid = os.posix_spawn(argv[0], argv, tool["env"], file_actions=actions)
    os.close(write_end)
    with os.fdopen(read_end, "r") as out:
        text = out.read()
    os.waitpid(pid, 0)
    return text.splitlines()


def run_once(tool, path, prefix=()):
    """Wall seconds and CPU seconds of one run."""
    actions = [(os.POSIX_SPAWN_OPEN, 1, os.devnull, os.O_WRONLY, 0)]
    if tool["stdin"]:
        actions.append((os.POSIX_SPAWN_OPEN, 0, path, os.O_RDONLY, 0))
    argv = list(prefix) + argv_of(tool, path)
    start = time.perf_counter()
    pid = os.posix_spawn(argv[0], argv, tool["env"], file_actions=actions)
    _, status, usage = os.wait4(pid, 0)
    wall = time.perf_counter() - start
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{' '.join(argv)} failed")
    return wall, usage.ru_utime + usage.ru_stime


def largest_memory(tool, path, work):
    """The largest resident KiB of one run, as GNU time measures it: a child
    of this script would count the script's own memory as well."""
    report = os.path.join(work, "time.txt")
    run_once(tool, path, prefix=(gnu_time, "-f", "%M", "-o", report))
    with open(report) as text:
        return int(text.read().split()[-1])


def write_dates(path, count):
    random.seed(27)
    first = datetime.date(1601, 1, 1).toordinal()
    last = datetime.date(4095, 12, 31).toordinal()
    with open(path, "w") as out:
        for _ in range(count):
            out.write(datetime.date.fromordinal(random.randint(first, last)).isoformat() + "\n")


def check_agreement(sample):
    """Exits unless every tool gives the same week days and day numbers."""
    days = [line.replace(" CE, ", " ") for line in output_of(WEEKDAY["quillday"], sample)]
    for name in ("dconv", "date TZ=UTC", "date TZ unset"):
        if output_of(WEEKDAY[name], sample) != days:
            sys.exit(f"quillday and {name} disagree on week days")
    numbers = [line.split(" = ")[1].split(" ")[0].replace(",", "")
               for line in output_of(DAY_NUMBER["quillday"], sample)]
    noon_based = [str(int(float(value) + 0.5)) for value in output_of(DAY_NUMBER["dconv"], sample)]
    if numbers != noon_based:
        sys.exit("quillday and dconv disagree on day numbers")
    print(f"All tools agree on the week days and day numbers of {len(days):,} sample lines.")


def alternate(task, path):
    """Each tool's runs, taken in turn, the first tool changing every round."""
    names = list(task)
    samples = {name: [] for name in names}
    for name in names:
        run_once(task[name], path)  # the file and the programs in the page cache
    for round_number in range(rounds):
        turn = round_number % len(names)
        for name in names[turn:] + names[:turn]:
            samples[name].append(run_once(task[name], path))
    return {name: (statistics.median(s[0] for s in runs), statistics.median(s[1] for s in runs))
            for name, runs in samples.items()}


def report(title, medians):
    own_wall, own_cpu = medians["quillday"]
    print(f"\n{title}: {lines:,} lines, median of {rounds} alternating rounds")
    print(f"  {'tool':<14} {'wall s':>8} {'cpu s':>8} {'wall ratio':>11} {'cpu ratio':>10}")
    for name, (wall, cpu) in medians.items():
        print(f"  {name:<14} {wall:>8.3f} {cpu:>8.3f} {wall / own_wall:>10.1f}x {cpu / own_cpu:>9.1f}x")
    wall_ratio = medians["dconv"][0] / own_wall
    cpu_ratio = medians["dconv"][1] / own_cpu
    met = wall_ratio >= TARGETS["wall"] and cpu_ratio >= TARGETS["cpu"]
    print(f"  target against dconv: {TARGETS['wall']:g}x wall, {TARGETS['cpu']:g}x cpu: "
          f"{'met' if met else 'NOT met'}")


def report_memory_and_one_core(path, work):
    big = os.path.join(work, "dates_x10.txt")
    with open(path) as source, open(big, "w") as out:
        text = source.read()
        for _ in range(GROWTH):
            out.write(text)
    print("\nquillday as the input grows (largest resident memory):")
    for name, tool in (("CE", WEEKDAY["quillday"]), ("JDN", DAY_NUMBER["quillday"])):
        for file, count in ((path, lines), (big, lines * GROWTH)):
            kib = largest_memory(tool, file, work)
            print(f"  --to {name:<3} {count:>12,} lines: {kib / 1024:6.1f} MiB")
    if taskset is None:
        return
    print("\nquillday on one core (taskset -c 0), median of the rounds:")
    for name, tool in (("CE", WEEKDAY["quillday"]), ("JDN", DAY_NUMBER["quillday"])):
        runs = [run_once(tool, path, prefix=(taskset, "-c", "0")) for _ in range(rounds)]
        print(f"  --to {name:<3} wall {statistics.median(r[0] for r in runs):.3f} s, "
              f"cpu {statistics.median(r[1] for r in runs):.3f} s")


def main():
    with tempfile.TemporaryDirectory(prefix="quillday_bench.") as work:
        dates = os.path.join(work, "dates.txt")
        sample = os.path.join(work, "sample.txt")
        write_dates(dates, lines)
        with open(dates) as source, open(sample, "w") as out:
            out.writelines(line for _, line in zip(range(SAMPLE_LINES), source))
        check_agreement(sample)
        load = os.getloadavg()[0]
        print(f"{os.cpu_count()} CPUs, load average {load:.2f} at the start")
        for title, task in TASKS.items():
            report(title, alternate(task, dates))
        report_memory_and_one_core(dates, work)


main()
