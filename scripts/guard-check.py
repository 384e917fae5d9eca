#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Breaks each promise of the ledger (tests/promises.txt) in turn on a scratch copy of the
sources, rebuilds what the named tests run, runs them, and fails, naming the promise, unless
the break is caught: the tests that fail with it fail again on a second run, and pass once the
break is undone and rebuilt. Otherwise it says why: the tests still pass, one of them is
unsteady (named), they time out, or the break no longer applies because the code has moved.
An entry may hold several breaks, one per path that keeps the promise, each with its tests; a
break whose tests run on the Windows build (windows-tests:) is made only with --windows, which
makes those alone, on a scratch copy of the Windows build (scripts/windows/build.sh, then cpack
for the setup program after each build), and runs their tests under Wine. The copy and its
build live in WORK and are kept for the next run.

Usage: guard-check.py [--windows] [--work DIR] [--only TEXT] [LEDGER]"""

import argparse
import json
import os
import re
import shutil
import subprocess
import sys
import time
from dataclasses import dataclass, field
from pathlib import Path

ROOT = Path(__file__).resolve().parent.parent
# What the tests run: the program, its layout and screenshots tools and the two test executables.
TARGETS = ["karvo", "karvo_layout", "karvo_screenshots", "karvo_calc_tests", "karvo_ui_tests"]
STEP_SECONDS = 600  # one build or one ctest call, at most
TEST_SECONDS = 120  # one test, at most
WINDOWS = False  # the Windows build's breaks, made on a copy of the Windows build


@dataclass
class Break:
    """One way to break a promise: lines of a file replaced, and the tests that must then fail."""
    file: str
    line: int  # where it starts in the ledger, for messages
    old: list = field(default_factory=list)
    new: list = field(default_factory=list)
    tests: str = ""
    windows: bool = False  # made on the Windows build, its tests run under Wine


@dataclass
class Entry:
    promise: str
    line: int
    breaks: list = field(default_factory=list)


def read_ledger(path):
    """The entries of the ledger, each with its breaks; stops at the first line out of place."""
    entries, open_break = [], None

    def wrong(number, why):
        sys.exit(f"{path}:{number}: {why}")

    def ended(entry_too):
        if open_break:
            wrong(open_break.line, "the break has no tests: or windows-tests: line to end it")
        if entry_too and entries and not entries[-1].breaks:
            wrong(entries[-1].line, "the promise has no break")

    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        text = line.strip()
        if not text or line.startswith("#"):
            continue
        if not line[0].isspace():
            ended(True)
            entries.append(Entry(text, number))
        elif not entries:
            wrong(number, "an indented line before the first promise")
        elif text.startswith("file:"):
            ended(False)
            open_break = Break(text[5:].strip(), number)
            if not open_break.file:
                wrong(number, "file: names no file")
            entries[-1].breaks.append(open_break)
        elif not open_break:
            wrong(number, f"a break starts with file:, not with: {text}")
        else:
            open_break = add_to_break(open_break, text, lambda why: wrong(number, why))
    ended(True)
    return entries


def add_to_break(brk, text, wrong):
    """Adds a line to an open break; returns the break while it stays open, None once ended."""
    if text[:2] == "- ":
        if brk.new:
            wrong("the lines to break (- ) come before their replacement (+ )")
        brk.old.append(text[2:].strip())
        return brk
    if text[:2] == "+ ":
        if not brk.old:
            wrong("a replacement (+ ) follows the lines it replaces (- )")
        brk.new.append(text[2:].strip())
        return brk
    name, colon, value = text.partition(":")
    if not colon or name not in ("tests", "windows-tests"):
        wrong(f"not a line of a break: {text}")
    if not brk.old:
        wrong("a break names the lines it breaks (- ) before its tests")
    brk.tests, brk.windows = value.strip(), name == "windows-tests"
    if not brk.tests:
        wrong(f"{name}: names no test")
    try:
        re.compile(brk.tests)
    except re.error as error:
        wrong(f"{name}: is no regular expression of test names: {error}")
    return None


def broken(text, brk):
    """The text with the break's lines replaced, or None when they are not there exactly once."""
    lines = text.split("\n")
    size = len(brk.old)
    found = [i for i in range(len(lines) - size + 1)
             if [s.strip() for s in lines[i:i + size]] == brk.old]
    if len(found) != 1:
        return None
    at = found[0]
    indent = lines[at][:len(lines[at]) - len(lines[at].lstrip())]
    return "\n".join(lines[:at] + [indent + n for n in brk.new] + lines[at + size:])


def sync(src, dest):
    """Copies the files git knows of, those that differ only, so that builds stay incremental."""
    files = subprocess.run(["git", "ls-files", "-co", "--exclude-standard"], cwd=src, check=True,
                           capture_output=True, text=True).stdout.split("\n")
    for name in filter(None, files):
        a, b = src / name, dest / name
        if a.is_file() and (not b.is_file() or a.read_bytes() != b.read_bytes()):
            b.parent.mkdir(parents=True, exist_ok=True)
            shutil.copy2(a, b)


def building(build, targets=TARGETS):
    # No target: only the build's own files, regenerated when the configuration changed.
    targets = list(targets) or ["build.ninja"]
    if WINDOWS:  # the Windows tests install the setup program: cpack makes it again
        return ["bash", "-c", 'cmake --build "$0" --target "$@" && cd "$0" && cpack', str(build),
                *targets]
    return ["cmake", "--build", str(build), "--target", *targets]


def run(command, log, seconds=STEP_SECONDS):
    with open(log, "w") as out:
        try:
            return subprocess.run(command, stdout=out, stderr=subprocess.STDOUT,
                                  timeout=seconds).returncode
        except subprocess.TimeoutExpired:
            return "timeout"


def exactly(names):
    return "^(" + "|".join(re.escape(n) for n in names) + ")$"


def named(build, pattern):
    """The tests whose names match, each with the targets it runs (all of them when unknown,
    none for a test labelled builds-nothing, which reads only the sources and the build's files)."""
    listed = subprocess.run(["ctest", "--test-dir", str(build), "-R", pattern,
                             "--show-only=json-v1"], check=True, capture_output=True, text=True)
    tests = {}
    for t in json.loads(listed.stdout)["tests"]:
        runs = [Path(a).name for a in t.get("command", []) if Path(a).name in TARGETS]
        labels = [v for p in t.get("properties", []) if p["name"] == "LABELS" for v in p["value"]]
        tests[t["name"]] = [] if "builds-nothing" in labels else runs or TARGETS
    return tests


def failing(build, pattern, log):
    """The tests of one ctest call that fail, each with ctest's reason: Failed, Timeout...; the
    call itself, named "ctest", when it ran over or failed without naming a test."""
    code = run(["ctest", "--test-dir", str(build), "-R", pattern, "-j", str(os.cpu_count()),
                "--timeout", str(TEST_SECONDS), "--output-on-failure"], log)
    output = Path(log).read_text(errors="replace")
    failed = dict(re.findall(r"^\s*\d+ - (\S+) \((.+)\)$", output, re.M))
    if code == "timeout":
        failed["ctest"] = "Timeout"
    elif code != 0 and not failed:
        failed["ctest"] = f"exit status {code}"
    return failed


def inconclusive(failed, log):
    """Why a round says nothing of the break: a test or the whole call ran over, or ctest
    failed of itself; None when each failure is a test's own."""
    slow = [name for name, why in failed.items() if why == "Timeout"]
    if slow:
        return f"{', '.join(slow)} timed out, see {log}"
    return f"ctest ended with {failed['ctest']}, see {log}" if "ctest" in failed else None


def prepare(work, breaks):
    """The scratch copy in step with the sources, built, and the named tests passing on it."""
    src, build, logs = work / "src", work / "build", work / "logs"
    src.mkdir(parents=True, exist_ok=True)
    logs.mkdir(exist_ok=True)
    sync(ROOT, src)
    launcher = ["-DCMAKE_CXX_COMPILER_LAUNCHER=ccache"] if shutil.which("ccache") else []
    # Paths relative to WORK in what ccache hashes: a copy in another clone (CI's) hits the cache.
    os.environ.setdefault("CCACHE_BASEDIR", str(work.resolve()))
    os.environ.setdefault("CCACHE_IGNOREOPTIONS", "-ffile-prefix-map=*")
    configure = ["cmake", "-S", str(src), "-B", str(build), "-G", "Ninja", "-DCMAKE_BUILD_TYPE=",
                 "-DCMAKE_CXX_FLAGS=-O1", "-DKARVO_BENCHMARKS=OFF", *launcher]
    if WINDOWS:  # the packages, Qt for Windows, the configuration, the build and the setup
        configure = ["bash", str(src / "scripts/windows/build.sh"), str(build), *launcher]
    if run(configure, logs / "configure.log", None) or (
            not WINDOWS and run(building(build), logs / "build.log", None)):
        sys.exit(f"guard-check: the unbroken sources do not build, see {logs}")
    names = set().union(*(named(build, b.tests) for b in breaks))
    failed = failing(build, exactly(names), logs / "baseline.log") if names else {}
    if failed:
        sys.exit(f"guard-check: without any break, {', '.join(failed)} fail, "
                 f"see {logs}/baseline.log")
    return src, build, logs


def with_break(brk, tests, src, build, log):
    """The tests that fail twice in a row with the break made, or what went wrong."""
    path = src / brk.file
    original = path.read_text(encoding="utf-8") if path.is_file() else ""
    text = broken(original, brk)
    if text is None:
        return f"the break no longer applies to {brk.file}"
    targets = sorted(set().union(*tests.values()))
    path.write_text(text, encoding="utf-8")
    try:
        if run(building(build, targets), f"{log}-build.log") != 0:
            return "the break does not build"
        first = failing(build, brk.tests, f"{log}-1.log")
        if not first:
            return "the tests still pass"
        if trouble := inconclusive(first, f"{log}-1.log"):
            return trouble
        second = failing(build, exactly(first), f"{log}-2.log")
    finally:
        path.write_text(original, encoding="utf-8")
    once = [name for name in first if name not in second]
    return inconclusive(second, f"{log}-2.log") or (
        f"unsteady: {', '.join(once)} failed with the break, then passed with it" if once
        else list(first))


def check(brk, src, build, log):
    """None when the break is caught: the tests that fail with it fail twice in a row and pass
    again once it is undone; else what went wrong, naming any unsteady test."""
    tests = named(build, brk.tests)
    if not tests:
        return f"no test is named {brk.tests}"
    caught = with_break(brk, tests, src, build, log)
    if isinstance(caught, str):
        return caught
    if run(building(build, sorted(set().union(*tests.values()))), f"{log}-undone-build.log"):
        sys.exit(f"guard-check: the unbroken sources no longer build, see {log}-undone-build.log")
    again = failing(build, exactly(caught), f"{log}-undone.log")
    return inconclusive(again, f"{log}-undone.log") or (
        f"unsteady: {', '.join(again)} failed with the break undone too" if again else None)


def check_entry(number, entry, src, build, logs):
    """What went wrong with each of the entry's breaks made here; says who makes the others."""
    faults = []
    for index, brk in enumerate(entry.breaks, 1):
        where = f"break {index} ({brk.file})" if len(entry.breaks) > 1 else brk.file
        if brk.windows and not WINDOWS:
            print(f"guard-check: {number:2} {where} is made on the Windows build by "
                  f"`make guard-check-windows`; in CI, `make windows-test` runs {brk.tests}")
            continue
        if WINDOWS and not brk.windows:
            print(f"guard-check: {number:2} {where} is made on the Linux build by "
                  f"`make guard-check`")
            continue
        fault = check(brk, src, build, logs / f"{number:02}-{index}")
        if fault:
            faults.append(f"{where}: {fault}")
    return faults


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("ledger", nargs="?", type=Path, default=ROOT / "tests/promises.txt")
    parser.add_argument("--work", type=Path, default=ROOT / "build-guard")
    parser.add_argument("--only", default="", help="the entries whose promise has this text")
    parser.add_argument("--windows", action="store_true",
                        help="make the breaks of the Windows build, their tests under Wine")
    args = parser.parse_args()
    global WINDOWS
    WINDOWS = args.windows
    entries = [e for e in read_ledger(args.ledger) if args.only in e.promise
               and (not WINDOWS or any(b.windows for b in e.breaks))]
    if not entries:
        sys.exit(f"guard-check: no promise of {args.ledger} has '{args.only}'" +
                 (" and a break of the Windows build" if WINDOWS else ""))
    src, build, logs = prepare(args.work,
                               [b for e in entries for b in e.breaks if b.windows == WINDOWS])
    faults = []
    for number, entry in enumerate(entries, 1):
        started = time.monotonic()
        wrong = check_entry(number, entry, src, build, logs)
        here = any(b.windows == WINDOWS for b in entry.breaks)
        print(f"guard-check: {number:2} {'FAIL' if wrong else 'ok' if here else 'win':4} "
              f"{time.monotonic() - started:5.0f} s  {entry.promise}" +
              "".join(f"\n    {w}" for w in wrong), flush=True)
        if wrong:
            faults.append(entry.promise)
    if faults:
        sys.exit(f"guard-check: {len(faults)} of {len(entries)} promises unguarded:\n  " +
                 "\n  ".join(faults))
    print(f"guard-check: all {len(entries)} promises guarded")


if __name__ == "__main__":
    main()
