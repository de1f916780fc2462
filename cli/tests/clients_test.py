#!/usr/bin/python3
"""The `nanakshahi` command's output read by real clients.

    clients_test.py CHECK --nanakshahi PATH --events CSV

CHECK is one of
  icalendar  a year's --ics parsed by python3-icalendar, every event checked against the month
             table and the table of anniversaries
  khal       the same year imported into khal with a private configuration, then `khal list`
  twice      two exports of one range are the same but for DTSTAMP
  jq         jq reads --json for a date, a range and the coming events
Runs with Debian's own python3, which has python3-icalendar.
"""

import argparse
import csv
import datetime
import os
import subprocess
import sys
import tempfile
import time
import unicodedata

# The first Gregorian day of each Nanakshahi month, Chet to Phagan.
MONTHS = [("Chet", 3, 14), ("Vaisakh", 4, 14), ("Jeth", 5, 15), ("Harh", 6, 15), ("Sawan", 7, 16),
          ("Bhadon", 8, 16), ("Asu", 9, 15), ("Katik", 10, 15), ("Maghar", 11, 14), ("Poh", 12, 14),
          ("Magh", 1, 13), ("Phagan", 2, 12)]
YEAR = 2027
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print("FAIL:", what)


def nanakshahi(args, *options, **kwargs):
    r = subprocess.run([args.nanakshahi, *options], capture_output=True, **kwargs)
    if r.returncode != 0:
        sys.exit(f"nanakshahi {' '.join(options)} failed: {r.stderr!r}")
    return r.stdout


def month_starts(year):
    """(date, summary) of every first day of a Nanakshahi month in the Gregorian year."""
    starts = []
    for number, (name, month, day) in enumerate(MONTHS, start=1):
        sammat = year - 1469 if number >= 11 else year - 1468
        summary = f"1 {name}, Sammat {sammat} Nanakshahi"
        starts.append((datetime.date(year, month, day), "New Year, " + summary if number == 1 else summary))
    return starts


def table(path):
    with open(path, encoding="utf-8", newline="") as f:
        return list(csv.DictReader(f))


def repeats_a_month_start(row):
    return row["kind"] == "calendar" and row["nanakshahi_day"] == "1" and (
        row["name_en"] == "Nanakshahi New Year" or row["name_en"].startswith("Beginning of "))


def year_export(args):
    return nanakshahi(args, "--ics", f"{YEAR}-01-01", f"{YEAR}-12-31", "--anniversaries")


def check_icalendar(args):
    import icalendar

    raw = year_export(args)
    check(raw.endswith(b"\r\n"), "the export ends with CRLF")
    for line in raw.split(b"\r\n")[:-1]:
        check(len(line) <= 75, f"line longer than 75 octets: {line!r}")
        check(b"\n" not in line and b"\r" not in line, f"bare line end in {line!r}")
        try:
            line.decode("utf-8")
        except UnicodeDecodeError:
            check(False, f"a fold splits a UTF-8 sequence: {line!r}")

    calendar = icalendar.Calendar.from_ical(raw)
    check(str(calendar["VERSION"]) == "2.0", "VERSION 2.0")
    check(str(calendar["PRODID"]).startswith("-//Orvanta//Tarnvel"), "PRODID")
    events = calendar.walk("VEVENT")
    by_day, uids = {}, set()
    for e in events:
        start = e["DTSTART"]
        check(type(start.dt) is datetime.date, f"{e['SUMMARY']}: DTSTART is a date")
        check(start.params.get("VALUE") == "DATE", f"{e['SUMMARY']}: VALUE=DATE")
        check(e["DTEND"].dt == start.dt + datetime.timedelta(days=1), f"{e['SUMMARY']}: lasts one day")
        check(e["DTSTAMP"].dt.tzinfo is not None and e["DTSTAMP"].dt.utcoffset() == datetime.timedelta(0),
              f"{e['SUMMARY']}: DTSTAMP in UTC")
        check(str(e["UID"]) not in uids, f"UID given twice: {e['UID']}")
        uids.add(str(e["UID"]))
        by_day.setdefault(start.dt, []).append((str(e["SUMMARY"]), str(e["DESCRIPTION"])))

    expected = {}
    for day, summary in month_starts(YEAR):
        expected.setdefault(day, []).append(summary)
    expected.setdefault(datetime.date(YEAR, 4, 14), []).append("Vaisakhi")
    expected.setdefault(datetime.date(YEAR, 11, 26), []).append("Parkash Purab - Guru Nanak Sahib")
    gurmukhi = {}
    for row in table(args.events):
        if repeats_a_month_start(row):
            continue
        day = datetime.date(YEAR, int(row["gregorian_date"][2:4]), int(row["gregorian_date"][5:7]))
        expected.setdefault(day, []).append(row["name_en"])
        gurmukhi[row["name_en"]] = unicodedata.normalize("NFC", row["name_pa"])
    check(len(events) == sum(len(v) for v in expected.values()),
          f"{len(events)} events, {sum(len(v) for v in expected.values())} expected")
    for day, summaries in sorted(expected.items()):
        got = [s for s, _ in by_day.get(day, [])]
        check(sorted(got) == sorted(summaries), f"{day}: {got} instead of {summaries}")
    for day, found in by_day.items():
        for summary, description in found:
            if summary in gurmukhi:
                check(description.split("\n")[0] == gurmukhi[summary], f"{summary}: Gurmukhi {description!r}")
    vaisakhi = [d for s, d in by_day.get(datetime.date(YEAR, 4, 14), []) if s == "Vaisakhi"]
    check(vaisakhi and vaisakhi[0].startswith("ਵੈਸਾਖੀ\n"), f"Vaisakhi in Gurmukhi: {vaisakhi}")


def check_khal(args):
    with tempfile.TemporaryDirectory(prefix="nanakshahi-khal-") as home:
        calendar_dir = os.path.join(home, "calendars", "nanakshahi")
        os.makedirs(calendar_dir)
        os.makedirs(os.path.join(home, "config", "khal"))
        with open(os.path.join(home, "config", "khal", "config"), "w") as f:
            f.write("[calendars]\n[[nanakshahi]]\npath = " + calendar_dir + "\ntype = calendar\n"
                    "[locale]\ntimeformat = %H:%M\ndateformat = %Y-%m-%d\nlongdateformat = %Y-%m-%d\n"
                    "datetimeformat = %Y-%m-%d %H:%M\nlongdatetimeformat = %Y-%m-%d %H:%M\n"
                    "[default]\ndefault_calendar = nanakshahi\n")
        ics = os.path.join(home, "year.ics")
        with open(ics, "wb") as f:
            f.write(year_export(args))
        env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": home, "TZ": "UTC", "LANG": "C.UTF-8",
               "XDG_CONFIG_HOME": os.path.join(home, "config"), "XDG_DATA_HOME": os.path.join(home, "data"),
               "XDG_CACHE_HOME": os.path.join(home, "cache")}
        r = subprocess.run(["khal", "import", "--batch", ics], env=env, capture_output=True, text=True)
        check(r.returncode == 0, f"khal import: {r.stderr}")
        r = subprocess.run(["khal", "list", "--format", "{start-date}|{title}", f"{YEAR}-01-01", f"{YEAR}-12-31"],
                           env=env, capture_output=True, text=True)
        check(r.returncode == 0, f"khal list: {r.stderr}")
        listed = [line.split("|", 1) for line in r.stdout.splitlines() if "|" in line]
        chet = [day for day, title in listed if "1 Chet" in title]
        vaisakhi = [day for day, title in listed if title == "Vaisakhi"]
        check(chet == [f"{YEAR}-03-14"], f"khal lists 1 Chet on {chet}")
        check(vaisakhi == [f"{YEAR}-04-14"], f"khal lists Vaisakhi on {vaisakhi}")
        check(len(listed) > 100, f"khal lists {len(listed)} events")


def check_twice(args):
    first = nanakshahi(args, "--ics", "2026-01-01", "2028-12-31", "--anniversaries")
    time.sleep(1.1)
    second = nanakshahi(args, "--ics", "2026-01-01", "2028-12-31", "--anniversaries")
    check(first != second, "the second export has a later DTSTAMP")
    strip = lambda text: [line for line in text.split(b"\r\n") if not line.startswith(b"DTSTAMP:")]
    check(strip(first) == strip(second), "two exports differ in more than DTSTAMP")


def check_jq(args):
    def jq(program, data, *options):
        r = subprocess.run(["jq", *options, program], input=data, capture_output=True)
        check(r.returncode == 0, f"jq {program}: {r.stderr!r}")
        return r.stdout.decode("utf-8")

    day = nanakshahi(args, "--json", "2026-12-05")
    check(jq('.line == "22 Maghar, Sammat 558 Nanakshahi" and .day == 22 and .month == 9 and .year == 558 '
             'and .gregorian == "2026-12-05" and .month_name == "Maghar"', day, "-e") == "true\n", "jq reads a day")
    check(jq(".line_gurmukhi", day, "-r") == nanakshahi(args, "--gurmukhi", "2026-12-05").decode("utf-8"),
          "the Gurmukhi line in JSON is the --gurmukhi line")
    year = nanakshahi(args, "--json", "--range", "2027-01-01", "2027-12-31")
    check(jq("length", year, "-s") == "365\n", "a year of JSON is 365 objects")
    tabbed = nanakshahi(args, "--range", "2027-01-01", "2027-12-31").decode("utf-8")
    check(jq('[.gregorian, (.day|tostring), (.month|tostring), (.year|tostring), .line] | join("\\t")', year, "-r")
          == tabbed, "the JSON range has the fields of the tab-separated one")
    coming = nanakshahi(args, "--json", "--upcoming", "6")
    check(jq("[.[] | .event] | unique", coming, "-s", "-c") == '["New Year","Parkash Purab - Guru Nanak Sahib","Vaisakhi"]\n',
          "the coming events in JSON")
    check(jq("all(.days >= 0)", coming, "-s") == "true\n", "days to come")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("check", choices=["icalendar", "khal", "twice", "jq"])
    parser.add_argument("--nanakshahi", required=True)
    parser.add_argument("--events", required=True)
    args = parser.parse_args()
    {"icalendar": check_icalendar, "khal": check_khal, "twice": check_twice, "jq": check_jq}[args.check](args)
    if failures:
        sys.exit(f"{len(failures)} failures")
    print(f"{args.check}: passed")


if __name__ == "__main__":
    main()
