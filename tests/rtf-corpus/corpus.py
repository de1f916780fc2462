#!/usr/bin/env python3
"""The rich-text corpus: documents written by real programs, and the plain text the classic
rich-text control gives for each.

    corpus.py expect                 writes every NAME.txt from NAME.wine.txt and NAME.corrections
    corpus.py check --tarnvel-doc P  compares tarnvel-doc's text and sections with NAME.txt

For every document NAME.rtf (in files/, and the hand-written source/document.rtf) there are:
  NAME.wine.txt     the control's plain text as Wine's riched32 gives it (oracle/plain_text.c);
  NAME.corrections  where Wine is wrong by the counting rules, what the rules give instead and
                    why (see below); may be missing when Wine is right everywhere;
  NAME.txt          the expected plain text: NAME.wine.txt with the corrections applied.

A corrections file holds comment lines (#), which say which rule and why, and lines
    replace N "WINE TEXT" "EXPECTED TEXT"
with both texts as JSON strings: WINE TEXT must occur exactly N times in the text so far, and
every occurrence is replaced. `check` refuses a NAME.txt that is not exactly what its
corrections make of NAME.wine.txt, so every place where the expected text leaves Wine's is
written down.

`check` runs `tarnvel-doc text` on each document and `tarnvel-doc show` for every marker of
One.rtf and Two.rtf that the expected text holds, and compares the section with the one cut from
the expected text as the reader cuts it. It prints the figures, and fails when a section or a
whole text differs without an entry in `differences` (FILE MARKER, or FILE text, then the
reason), when an entry there no longer differs, or when fewer than 95 % of the sections of the
writers' files are exact.
"""

import argparse
import calendar
import json
import os
import re
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
FILES = os.path.join(HERE, "files")
SOURCE = os.path.join(HERE, "source", "document.rtf")
GOAL = 0.95


def documents():
    names = sorted(f for f in os.listdir(FILES) if f.endswith(".rtf"))
    return [os.path.join(FILES, n) for n in names] + [SOURCE]


def base(path):
    return path[:-len(".rtf")]


def label(path):
    return "source/document" if path == SOURCE else os.path.basename(base(path))


def read_text(path):
    with open(path, encoding="utf-8", newline="") as f:
        return f.read()


def apply_corrections(text, path):
    """The text with the corrections file at `path` applied; raises ValueError on a bad entry."""
    if not os.path.exists(path):
        return text
    line_re = re.compile(r'replace (\d+) ("(?:[^"\\]|\\.)*") ("(?:[^"\\]|\\.)*")$')
    with open(path, encoding="utf-8") as f:
        for number, line in enumerate(f, 1):
            line = line.rstrip("\n")
            if not line.strip() or line.startswith("#"):
                continue
            m = line_re.match(line)
            if not m:
                raise ValueError(f"{path}:{number}: not a replace line")
            count, old, new = int(m.group(1)), json.loads(m.group(2)), json.loads(m.group(3))
            found = text.count(old) if old else 0
            if found != count:
                raise ValueError(f"{path}:{number}: {old!r} occurs {found} times, not {count}")
            text = text.replace(old, new)
    return text


def expected_of(path):
    return apply_corrections(read_text(base(path) + ".wine.txt"), base(path) + ".corrections")


# The markers the reader asks for, as in reader/section.
def all_markers():
    out = [f"Month{m}" for m in range(1, 13)] + [f"Month_Akhaan{m}" for m in range(1, 13)]
    out += ["Help0", "Nanakshahi_Calendar0", "Orvanta0", "Tarnvel0"]
    for m in range(1, 13):
        days = 29 if m == 2 else calendar.monthrange(2027, m)[1]
        out += [f"{calendar.month_name[m].upper()}{d:02d}" for d in range(1, days + 1)]
    return out


def cut(text, marker):
    """The section as LoadFile selects it, in UTF-16 units like the control: from the third unit
    after the first occurrence of the marker up to the next occurrence, or up to the last unit."""
    units = text.encode("utf-16-le")
    mark = marker.encode("utf-16-le")

    def find(start):
        i = units.find(mark, start * 2)
        while i >= 0 and i % 2:
            i = units.find(mark, i + 1)
        return -1 if i < 0 else i // 2

    length = len(units) // 2
    first = find(0)
    if first < 0:
        return None
    f = first + 1 + len(marker)
    nxt = find(f - 1)
    e = nxt + 1 if nxt >= 0 else length
    start = min(f + 1, length)
    size = max(0, min(e - f - 2, length - start))
    return units[start * 2:(start + size) * 2].decode("utf-16-le", "surrogatepass")


def run(cmd):
    r = subprocess.run(cmd, capture_output=True)
    return r.returncode, r.stdout.decode("utf-8", "surrogateescape")


def load_differences():
    known = {}
    path = os.path.join(HERE, "differences")
    if os.path.exists(path):
        with open(path, encoding="utf-8") as f:
            for line in f:
                if line.strip() and not line.startswith("#"):
                    name, what, reason = line.rstrip("\n").split(" ", 2)
                    known[(name, what)] = reason
    return known


def check(tarnvel_doc):
    known = load_differences()
    seen = set()
    faults = []
    totals = {"writers": [0, 0], "source": [0, 0]}
    markers = all_markers()
    for path in documents():
        name = label(path)
        kind = "source" if path == SOURCE else "writers"
        try:
            expected = expected_of(path)
        except ValueError as e:
            faults.append(str(e))
            continue
        if read_text(base(path) + ".txt") != expected:
            faults.append(f"{name}.txt is not {name}.wine.txt with its corrections: run corpus.py expect")
        status, text = run([tarnvel_doc, "text", path])
        differs = []
        if status != 0 or text != expected:
            differs.append("text")
        present = [m for m in markers if m in expected or m in text]
        exact = 0
        for marker in present:
            want = cut(expected, marker)
            status, got = run([tarnvel_doc, "show", path, marker])
            if want is not None and status == 0 and got == want:
                exact += 1
            else:
                differs.append(marker)
        totals[kind][0] += exact
        totals[kind][1] += len(present)
        print(f"{name:28} text {'exact ' if 'text' not in differs else 'DIFFERS'}  "
              f"sections {exact:2} of {len(present):2} exact")
        for what in differs:
            seen.add((name, what))
            if (name, what) in known:
                print(f"    {what}: differs, known: {known[(name, what)]}")
            else:
                faults.append(f"{name} {what}: the reader differs from the control")
    for key, reason in known.items():
        if key not in seen:
            faults.append(f"{key[0]} {key[1]}: listed in differences but now exact")
    for kind, what in (("writers", "the writers' files"), ("source", "the hand-written source")):
        good, total = totals[kind]
        share = good / total if total else 1.0
        print(f"sections exact across {what}: {good} of {total} ({share:.1%})")
    good, total = totals["writers"]
    if total == 0 or good / total < GOAL:
        faults.append(f"fewer than {GOAL:.0%} of the writers' sections are exact")
    for f in faults:
        print(f"FAIL {f}")
    print("corpus check " + ("failed" if faults else "passed"))
    return 1 if faults else 0


def expect():
    for path in documents():
        with open(base(path) + ".txt", "w", encoding="utf-8", newline="") as f:
            f.write(expected_of(path))
    return 0


def main(argv):
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("command", choices=["expect", "check"])
    parser.add_argument("--tarnvel-doc", default="")
    args = parser.parse_args(argv)
    if args.command == "expect":
        return expect()
    if not args.tarnvel_doc:
        parser.error("check needs --tarnvel-doc")
    return check(args.tarnvel_doc)


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
