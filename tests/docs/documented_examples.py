#!/usr/bin/env python3
"""Runs every quillday example of the given documents exactly as printed.

An example is a line "    $ COMMAND" in an indented block; the lines under
it, up to the next "$" line or the block's end (blank lines at its end left
out), are what it prints:
standard output, then standard error. Each runs through bash, with the
built program first on the PATH and the locale fixed; an example printed
without output (today's date, for one) must only succeed.

Usage: documented_examples.py PROGRAM_FOLDER DOCUMENT...
"""
import os
import subprocess
import sys

PROMPT = "    $ "
INDENT = "    "


def examples(path):
    """(line number, command, expected output lines) of each example."""
    found = []
    current = None
    with open(path, encoding="utf-8") as document:
        for number, line in enumerate(document.read().split("\n"), 1):
            if line.startswith(PROMPT):
                current = (number, line[len(PROMPT):], [])
                found.append(current)
            elif current and (line.startswith(INDENT) or not line):
                current[2].append(line[len(INDENT):])  # a blank line may be printed too
            else:
                current = None
    for _, _, expected in found:
        while expected and not expected[-1]:
            expected.pop()
    return found


def run(command, folder):
    environment = dict(os.environ, LC_ALL="C.UTF-8", PATH=folder + os.pathsep + os.environ["PATH"])
    environment.pop("LANG", None)
    done = subprocess.run(["bash", "-c", command], capture_output=True, text=True,
                          env=environment, timeout=60, check=False)
    return done.returncode, (done.stdout + done.stderr).splitlines()


def main():
    folder, documents = sys.argv[1], sys.argv[2:]
    failures = 0
    count = 0
    for document in documents:
        for number, command, expected in examples(document):
            count += 1
            status, printed = run(command, folder)
            if expected and printed != expected:
                failures += 1
                print(f"{document}:{number}: {command}\n  expected: {expected}\n  printed:  {printed}")
            elif not expected and status != 0:
                failures += 1
                print(f"{document}:{number}: {command}\n  failed with status {status}: {printed}")
    print(f"{count} examples, {failures} failed")
    return 1 if failures or count == 0 else 0


if __name__ == "__main__":
    sys.exit(main())
