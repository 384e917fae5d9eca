#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Breaks each promise of the ledger (tests/promises.txt) in turn on a scratch copy of the
sources, rebuilds it incrementally, runs only the tests the entry names, and fails, naming the
promise, when those tests still pass, when they time out, or when the break no longer applies
because the code has moved. The copy and its build live in WORK and are kept for the next run.

Usage: guard-check.py [--work DIR] [--only TEXT] [LEDGER]"""

import argparse
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# What the tests run: the program, its layout tool and the two test executables.
TARGETS = ["karvo", "karvo_layout", "karvo_calc_tests", "karvo_ui_tests"]
ENTRY_SECONDS = 600  # one entry's build and tests, at most


@dataclass
class Entry:
    promise: str
    file: str = ""
    old: list = field(default_factory=list)
    new: list = field(default_factory=list)
    tests: str = ""


def read_ledger(path):
    entries, entry = [], None
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        text = line.strip()
        if not text or line.startswith("#"):
            continue
        if not line.startswith(" "):
            entry = Entry(text)
            entries.append(entry)
        elif entry and text[:2] in ("- ", "+ "):
            (entry.old if text[0] == "-" else entry.new).append(text[2:].strip())
        elif entry and text.startswith(("file:", "tests:")):
            name, _, value = text.partition(":")
            setattr(entry, name, value.strip())
        else:
            sys.exit(f"{path}:{number}: not a line of an entry: {line}")
    for e in entries:
        if not (e.file and e.old and e.tests):
            sys.exit(f"{path}: '{e.promise}' needs a file, the lines it breaks and its tests")
    return entries


def broken(text, entry):
    """The text with the entry's lines replaced, or None when they are not there exactly once."""
    lines = text.split("\n")
    size = len(entry.old)
    found = [i for i in range(len(lines) - size + 1)
             if [s.strip() for s in lines[i:i + size]] == entry.old]
    if len(found) != 1:
        return None
    at = found[0]
    indent = lines[at][:len(lines[at]) - len(lines[at].lstrip())]
    return "\n".join(lines[:at] + [indent + n for n in entry.new] + lines[at + size:])


def sync(src, dest):
    """Copies the files git knows of, those that differ only, so that builds stay incremental."""
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=src, check=True,
                           capture_output=True, text=True).stdout.split("\n")
    for name in filter(None, files):
        a, b = src / name, dest / name
        if a.is_file() and (not b.is_file() or a.read_bytes() != b.read_bytes()):
            b.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(a, b)


def building(build):
    return ["cmake", "--build", str(build), "--target", *TARGETS]


def run(command, log, seconds=ENTRY_SECONDS):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=seconds).returncode
        except subprocess.TimeoutExpired:
            return "timeout"


def test(build, pattern, log):
    """'failed' when some named test fails, else why the tests did not catch anything."""
    code = run(["ctest", "--test-dir", str(build), "-R", pattern, "--timeout", "120",
                "--output-on-failure"], log)
    output = Path(log).read_text(errors="replace")
    if code == "timeout" or "***Timeout" in output:
        return "the tests timed out"
    if "No tests were found" in output:
        return "no test is named " + pattern
    return "failed" if code != 0 else "the tests still pass"


def prepare(work, entries):
    """The scratch copy in step with the sources, built, and the named tests passing on it."""
    src, build, logs = work / "src", work / "build", work / "logs"
    src.mkdir(parents=True, exist_ok=True)
    logs.mkdir(exist_ok=True)
    sync(ROOT, src)
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    configure = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=",
                 "-DCMAKE_CXX_FLAGS=-O1", "-DKARVO_BENCHMARKS=OFF", *launcher]
    if run(configure, logs / "configure.log", None) or run(building(build), logs / "build.log",
                                                             None):
        sys.exit(f"guard-check: the unbroken sources do not build, see {logs}")
    listed = subprocess.run(["ctest", "--test-dir", str(build), "-N"], check=True,
                            capture_output=True, text=True).stdout
    names = re.findall(r"Test +#\d+: (\S+)", listed)
    named = [n for n in names if any(re.search(e.tests, n) for e in entries)]
    everything = "^(" + "|".join(re.escape(n) for n in named) + ")$"
    if test(build, everything, logs / "baseline.log") != "the tests still pass":
        sys.exit(f"guard-check: the named tests fail without any break, see {logs}/baseline.log")
    return src, build, logs


def check(entry, src, build, log):
    """'failed' when the break makes the named tests fail, else what went wrong."""
    path = src / entry.file
    original = path.read_text(encoding="utf-8") if path.is_file() else ""
    text = broken(original, entry)
    if text is None:
        return f"the break no longer applies to {entry.file}"
    path.write_text(text, encoding="utf-8")
    try:
        if run(building(build), log) != 0:
            return "the break does not build"
        return test(build, entry.tests, log)
    finally:
        path.write_text(original, encoding="utf-8")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("ledger", nargs="?", type=Path, default=ROOT / "tests/promises.txt")
    parser.add_argument("--work", type=Path, default=ROOT / "build-guard")
    parser.add_argument("--only", default="", help="the entries whose promise has this text")
    args = parser.parse_args()
    entries = [e for e in read_ledger(args.ledger) if args.only in e.promise]
    if not entries:
        sys.exit(f"guard-check: no promise of {args.ledger} has '{args.only}'")
    src, build, logs = prepare(args.work, entries)
    faults = []
    for number, entry in enumerate(entries, 1):
        started = time.monotonic()
        outcome = check(entry, src, build, logs / f"{number:02}.log")
        print(f"guard-check: {number:2} {'ok' if outcome == 'failed' else 'FAIL':4} "
              f"{time.monotonic() - started:5.0f} s  {entry.promise}" +
              ("" if outcome == "failed" else f": {outcome}"), flush=True)
        if outcome != "failed":
            faults.append(entry.promise)
    run(building(build), logs / "build.log", None)  # unbroken again for the next run
    if faults:
        sys.exit(f"guard-check: {len(faults)} of {len(entries)} promises unguarded:\n  " +
                 "\n  ".join(faults))
    print(f"guard-check: all {len(entries)} promises guarded")


if __name__ == "__main__":
    main()
