#!/usr/bin/env python3
"""Runs every example of the given documents exactly as a reader sees it.

An example is a command after a "$ " prompt and the lines it prints under
it (standard output, then standard error), up to the next command or the
end of its block, blank lines at the block's end left out. A command
printed without output (today's date, for one) must only succeed. What a
block is depends on the document:

- Markdown (.md): an indented block; a command is a line "    $ COMMAND".
- Manual page (.1 to .9, configured): the page as man prints it (groff);
  a command is a line that starts with "$ " after its indentation, in a
  no-fill block (.nf to .fi, or .EX to .EE) of the source.
- help:PROGRAM: what "PROGRAM --help" prints; a command is a line that
  starts with "$ " after its indentation, and its output ends at a line
  indented less.
- HTML (.html): a <pre class="example"> block, its tags removed and its
  entities decoded; a command is a line that starts with "$ ". A block with
  data-today="YYYY-MM-DD" runs with the system's date set to that day at
  noon (faketime). A <pre> that is not marked so must hold no such line.

Each command runs through bash in the document's own fresh folder (so a
command may write a file for the next one), with the built programs first
on the PATH, and with an environment of its own: LC_ALL=C.UTF-8 (LANG,
LANGUAGE and the other LC_ variables unset), TZ=UTC, HOME and
XDG_CONFIG_HOME in a fresh folder, no display. A qly734 command that would
open the window (neither --help nor --version) is refused, not run.
Every document must hold at least one example.

Usage: documented_examples.py PROGRAM_FOLDER DOCUMENT...
A DOCUMENT with "*" in it is a pattern, which must match at least one file.
"""
import glob
import html.parser
import os
import re
import shlex
import subprocess
import sys
import tempfile

PROMPT = "$ "
MARKDOWN_PROMPT = "    " + PROMPT
MARKDOWN_INDENT = "    "
TIMEOUT_SECONDS = 60
FAKED_TIME = "12:00:00"
WINDOW_PROGRAM = "qly734"
ANSWERED_WITHOUT_WINDOW = {"-h", "--help", "-v", "--version"}
# Written into a copy of a manual page where a no-fill block starts and
# ends, so that the rendered page shows where its examples may stand.
BLOCK_START = "@@no-fill-block@@"
BLOCK_END = "@@end-of-no-fill-block@@"
NO_FILL_STARTS = {"nf", "EX"}
NO_FILL_ENDS = {"fi", "EE", "SH", "SS", "PP", "P", "LP", "TP", "IP", "HP"}
MAN_PAGE = re.compile(r"\.[1-9]$")
DAY = re.compile(r"\d{4}-\d{2}-\d{2}$")


class Example:
    """A command, where it stands, what it prints and the day it runs on."""

    def __init__(self, line, command, today=None, indent=0):
        self.line = line
        self.command = command
        self.expected = []
        self.today = today
        self.indent = indent


class DocumentFault(Exception):
    """A document that cannot be read for examples."""


def drop_trailing_blanks(examples):
    for example in examples:
        while example.expected and not example.expected[-1]:
            example.expected.pop()
    return examples


def markdown_examples(text):
    found = []
    current = None
    for number, line in enumerate(text.split("\n"), 1):
        if line.startswith(MARKDOWN_PROMPT):
            current = Example(number, line[len(MARKDOWN_PROMPT):])
            found.append(current)
        elif current and (line.startswith(MARKDOWN_INDENT) or not line):
            current.expected.append(line[len(MARKDOWN_INDENT):])  # a blank line may be printed too
        else:
            current = None
    return drop_trailing_blanks(found)


def indentation(line):
    return len(line) - len(line.lstrip(" "))


def rendered_examples(lines, marked=False):
    """The examples of rendered text: an example's output ends at the next
    command, at a line indented less than its command, or at a block's end.
    In marked text, commands stand only between BLOCK_START and BLOCK_END,
    lines that do not count."""
    found = []
    current = None
    in_block = not marked
    number = 0
    for line in lines:
        if marked and line.strip() in (BLOCK_START, BLOCK_END):
            in_block = line.strip() == BLOCK_START
            current = None
            continue
        number += 1
        if in_block and line.lstrip(" ").startswith(PROMPT):
            indent = indentation(line)
            current = Example(number, line[indent + len(PROMPT):], indent=indent)
            found.append(current)
        elif current and line.strip() and indentation(line) < current.indent:
            current = None
        elif current:
            current.expected.append(line[current.indent:])
    return drop_trailing_blanks(found)


def marked_man_source(text):
    """The page's source with BLOCK_START and BLOCK_END around each no-fill
    block, on lines of their own."""
    marked = []
    in_block = False
    for line in text.split("\n"):
        request = re.match(r"[.']\s*(\w+)", line)
        name = request.group(1) if request else None
        if in_block and name in NO_FILL_ENDS:
            marked.append("\\&" + BLOCK_END)
            in_block = False
        marked.append(line)
        if name in NO_FILL_STARTS and not in_block:
            marked.append("\\&" + BLOCK_START)
            in_block = True
    if in_block:
        marked.append("\\&" + BLOCK_END)
    return "\n".join(marked)


def man_examples(text):
    try:
        rendered = subprocess.run(
            ["groff", "-man", "-Tutf8", "-P", "-cbou"], input=marked_man_source(text),
            capture_output=True, encoding="utf-8", env=dict(os.environ, LC_ALL="C.UTF-8"),
            timeout=TIMEOUT_SECONDS, check=False)
    except FileNotFoundError as error:
        raise DocumentFault("groff is needed to print manual pages (Debian package "
                            "groff-base)") from error
    if rendered.returncode != 0 or rendered.stderr:
        raise DocumentFault(f"groff failed: {rendered.stderr.strip()}")
    # man prints a run of blank lines as one; the marks stand outside it.
    lines = []
    after_blank = False
    for line in rendered.stdout.split("\n"):
        if line.strip() in (BLOCK_START, BLOCK_END):
            lines.append(line)
        elif line.strip() or not after_blank:
            lines.append(line)
            after_blank = not line.strip()
    return rendered_examples(lines, marked=True)


class GuideReader(html.parser.HTMLParser):
    """The <pre> blocks of an HTML page: (first line of their text, their
    text without tags and with entities decoded, their attributes)."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.blocks = []
        self.current = None

    def handle_starttag(self, tag, attrs):
        if tag == "pre" and self.current is None:
            line = self.getpos()[0] + self.get_starttag_text().count("\n")
            self.current = (line, [], dict(attrs))

    def handle_endtag(self, tag):
        if tag == "pre" and self.current is not None:
            line, parts, attributes = self.current
            self.blocks.append((line, "".join(parts), attributes))
            self.current = None

    def handle_data(self, data):
        if self.current is not None:
            self.current[1].append(data)


def guide_examples(text):
    reader = GuideReader()
    reader.feed(text)
    reader.close()
    found = []
    for line, content, attributes in reader.blocks:
        if content.startswith("\n"):  # HTML drops a line end right after <pre>
            content = content[1:]
            line += 1
        lines = content.split("\n")
        if "example" not in (attributes.get("class") or "").split():
            for offset, text_line in enumerate(lines):
                if text_line.startswith(PROMPT):
                    raise DocumentFault(f"line {line + offset}: a command in a <pre> that is not "
                                        'class="example": mark the block, or drop the "$ "')
            continue
        today = attributes.get("data-today")
        if today is not None and not DAY.match(today):
            raise DocumentFault(f'line {line}: data-today="{today}" is no YYYY-MM-DD day')
        block = []
        for offset, text_line in enumerate(lines):
            if text_line.startswith(PROMPT):
                block.append(Example(line + offset, text_line[len(PROMPT):], today))
            elif block:
                block[-1].expected.append(text_line)
            elif text_line.strip():
                raise DocumentFault(f"line {line + offset}: an example block must start with "
                                    f"a command, not '{text_line}'")
        found.extend(drop_trailing_blanks(block))
    return found


def environment(folder, home):
    kept = {name: value for name, value in os.environ.items()
            if not name.startswith("LC_") and name not in (
                "LANG", "LANGUAGE", "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM",
                "XDG_SESSION_TYPE")}
    return dict(kept, LC_ALL="C.UTF-8", TZ="UTC", HOME=home,
                XDG_CONFIG_HOME=os.path.join(home, ".config"),
                PATH=folder + os.pathsep + os.environ["PATH"])


def help_examples(program, folder):
    with tempfile.TemporaryDirectory() as home:
        done = subprocess.run([os.path.join(folder, program), "--help"], capture_output=True,
                              encoding="utf-8", errors="replace", env=environment(folder, home),
                              timeout=TIMEOUT_SECONDS, check=False)
    if done.returncode != 0:
        raise DocumentFault(f"{program} --help failed with status {done.returncode}: "
                            f"{done.stderr.strip()}")
    return rendered_examples(done.stdout.split("\n"))


def opens_window(command):
    try:
        words = shlex.split(command, comments=True)
    except ValueError:
        words = command.split()
    names = {os.path.basename(word) for word in words}
    return WINDOW_PROGRAM in names and not names & ANSWERED_WITHOUT_WINDOW


def run(example, folder, place):
    """(status, printed lines) of the example, run in place's folders."""
    settings = environment(folder, place["home"])
    command = ["bash", "-c", example.command]
    if example.today:
        # The fake clock is preloaded into every program the command starts;
        # AddressSanitizer would refuse a library loaded before its own.
        command = ["faketime", f"{example.today} {FAKED_TIME}"] + command
        settings["ASAN_OPTIONS"] = ":".join(
            option for option in (os.environ.get("ASAN_OPTIONS"), "verify_asan_link_order=0")
            if option)
    try:
        done = subprocess.run(command, capture_output=True, encoding="utf-8", errors="replace",
                              env=settings, cwd=place["work"], timeout=TIMEOUT_SECONDS,
                              check=False)
    except FileNotFoundError:
        if not example.today:
            raise
        return None, ["faketime is needed for data-today (Debian package faketime)"]
    except subprocess.TimeoutExpired:
        return None, [f"did not end within {TIMEOUT_SECONDS} seconds"]
    return done.returncode, (done.stdout + done.stderr).splitlines()


def document_examples(document, folder):
    if document.startswith("help:"):
        return help_examples(document[len("help:"):], folder)
    with open(document, encoding="utf-8") as source:
        text = source.read()
    if document.endswith(".md"):
        return markdown_examples(text)
    if document.endswith(".html"):
        return guide_examples(text)
    if MAN_PAGE.search(document):
        return man_examples(text)
    raise DocumentFault("no rule for examples of this kind of document")


def check_document(document, folder):
    """The number of examples of the document and the number that failed."""
    if document.startswith("help:"):
        document_name = document[len("help:"):] + " --help"
    else:
        document_name = document
    try:
        examples = document_examples(document, folder)
    except (DocumentFault, OSError, subprocess.SubprocessError) as error:
        print(f"{document_name}: {error}")
        return 0, 1
    if not examples:
        print(f"{document_name}: no examples found")
        return 0, 1
    failures = 0
    with tempfile.TemporaryDirectory() as scratch:
        place = {"work": os.path.join(scratch, "work"), "home": os.path.join(scratch, "home")}
        for path in place.values():
            os.mkdir(path)
        for example in examples:
            where = f"{document_name}:{example.line}: {example.command}"
            if opens_window(example.command):
                failures += 1
                print(f"{where}\n  would open the window: print it without the '$ '")
                continue
            status, printed = run(example, folder, place)
            if example.expected and printed != example.expected:
                failures += 1
                print(f"{where}\n  expected: {example.expected}\n  printed:  {printed}")
            elif not example.expected and status != 0:
                failures += 1
                print(f"{where}\n  failed with status {status}: {printed}")
    return len(examples), failures


def documents_named(arguments):
    documents = []
    for argument in arguments:
        if "*" in argument:
            matches = sorted(glob.glob(argument))
            if not matches:
                raise DocumentFault(f"no document matches {argument}")
            documents.extend(matches)
        else:
            documents.append(argument)
    return documents


def main():
    folder = os.path.abspath(sys.argv[1])
    try:
        documents = documents_named(sys.argv[2:])
    except DocumentFault as error:
        print(error)
        return 1
    count = failures = 0
    for document in documents:
        found, failed = check_document(document, folder)
        count += found
        failures += failed
    print(f"{len(documents)} documents, {count} examples, {failures} failed")
    return 1 if failures or not documents else 0


if __name__ == "__main__":
    sys.exit(main())
