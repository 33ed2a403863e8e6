#!/usr/bin/python3
"""Reads the calendar exports of 2025 with a second, independent reader.

Usage: check_ics_export.py ORVANE_CLI

ORVANE_CLI is a path to the program, or a name found on PATH or, failing
that, among the project's builds (build/release/bin, then build/test/bin).
The script runs under the system's Python, where Debian's python3-icalendar
installs the module.

Runs `ORVANE_CLI holydays 2025 --ics FILE` (and the new moons, at Jerusalem
and at a place whose name holds a comma and a semicolon), parses each file
with Python's icalendar module and checks that it is a set of all-day events
a calendar program imports as meant: the dates the printed report states, in
order, with their weekdays by Python's own calendar; the distances between
the holy days the calendar fixes; one whole day each; unique UIDs; a
DTSTAMP in UTC.  Exits non-zero on the first failed file, naming each fault.
"""
import datetime
import os
import re
import shutil
import subprocess
import sys
import tempfile

try:
    import icalendar
except ImportError:
    sys.exit("check_ics_export.py: Python's icalendar module is missing "
             "(Debian: apt-get install python3-icalendar)")

DATED = re.compile(
    r"^(.*?) ?(Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), +(\d+) ([A-Z][a-z]{2}) (\d+) CE *$")
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
WEEKDAYS = ["Monday", "Tuesday", "Wednesday", "Thursday", "Friday", "Saturday", "Sunday"]

faults = []


def check(condition, message):
    """Records `message` as a fault unless `condition` holds."""
    if not condition:
        faults.append(message)


def export(cli, folder, args):
    """Runs the command with --ics; returns (printed report, parsed calendar)."""
    path = folder + "/export.ics"
    done = subprocess.run([cli] + args + ["--ics", path], cwd=folder, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit("%s failed (%d): %s" % (" ".join(args), done.returncode, done.stderr))
    with open(path, "rb") as f:
        raw = f.read()
    return done.stdout, raw, icalendar.Calendar.from_ical(raw)


def stated_dates(report):
    """The (label, weekday, date) of every dated line of a report."""
    dates = []
    for line in report.splitlines():
        m = DATED.match(line)
        if m:
            when = datetime.date(int(m.group(5)), MONTHS.index(m.group(4)) + 1, int(m.group(3)))
            dates.append((m.group(1).strip(), m.group(2), when))
    return dates


def check_events(what, calendar, raw):
    """The rules every export keeps; returns its events."""
    check(str(calendar.get("VERSION")) == "2.0", what + ": VERSION 2.0")
    check(calendar.get("PRODID") is not None, what + ": PRODID")
    check(all(line.endswith(b"\r") for line in raw.split(b"\n")[:-1]), what + ": CR LF line ends")
    check(all(len(line.rstrip(b"\r")) <= 75 for line in raw.split(b"\n")), what + ": lines of at most 75 octets")
    events = calendar.walk("VEVENT")
    uids = [str(e.get("UID")) for e in events]
    check(len(set(uids)) == len(uids) and all(uids), what + ": unique UIDs")
    for e in events:
        start = e.decoded("DTSTART")
        end = e.decoded("DTEND")
        stamp = e.decoded("DTSTAMP")
        check(type(start) is datetime.date, what + ": %s is an all-day date" % e.get("UID"))
        check(end - start == datetime.timedelta(days=1), what + ": %s lasts one day" % e.get("UID"))
        check(isinstance(stamp, datetime.datetime) and stamp.utcoffset() == datetime.timedelta(0),
              what + ": %s has a DTSTAMP in UTC" % e.get("UID"))
        check(str(e.get("DESCRIPTION")).startswith("Certainty: "), what + ": %s states its certainty" % e.get("UID"))
    return events


def check_against_report(what, report, events):
    """The events are the report's dates, in order, on the weekdays it prints."""
    dates = stated_dates(report)
    check(len(dates) == len(events), "%s: %d dates printed, %d events" % (what, len(dates), len(events)))
    for (label, weekday, when), e in zip(dates, events):
        check(e.decoded("DTSTART") == when, "%s: %s printed %s, exported %s" % (what, label, when, e.decoded("DTSTART")))
        check(WEEKDAYS[when.weekday()] == weekday, "%s: %s is a %s" % (what, when, WEEKDAYS[when.weekday()]))


def find_program(name):
    """The program as an absolute path: a path as given, else a name on PATH
    or in the project's build folders; None when there is none."""
    if os.sep in name:
        return os.path.abspath(name) if os.access(name, os.X_OK) else None
    found = shutil.which(name)
    if found:
        return os.path.abspath(found)
    project = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    for build in ("release", "test"):
        candidate = os.path.join(project, "build", build, "bin", name)
        if os.access(candidate, os.X_OK):
            return candidate
    return None


def main():
    if len(sys.argv) != 2:
        sys.exit("usage: check_ics_export.py ORVANE_CLI")
    cli = find_program(sys.argv[1])
    if cli is None:
        sys.exit("check_ics_export.py: no program " + sys.argv[1] + " on PATH or in build/*/bin (run make build)")
    with tempfile.TemporaryDirectory() as folder:
        report, raw, calendar = export(cli, folder, ["holydays", "2025"])
        events = check_events("holy days", calendar, raw)
        check_against_report("holy days", report, events)
        day = {str(e.get("SUMMARY")): e.decoded("DTSTART") for e in events}
        names = ["Abib 1", "Passover sacrifice", "Feast of Unleavened Bread, first day",
                 "Feast of Unleavened Bread, last day", "Wave Offering (the First-fruit)", "First-fruits (Pentecost)",
                 "Feast of Trumpets", "Day of Atonement", "Feast of Tabernacles (Ingathering), first day",
                 "Feast of Tabernacles (Ingathering), last day", "Great Last Day"]
        check(sorted(day) == sorted(names), "holy days: the summaries are %s" % sorted(day))
        if sorted(day) == sorted(names):
            days = lambda a, b: (day[b] - day[a]).days
            check(days("Abib 1", "Passover sacrifice") == 13, "Passover is Abib 14")
            check(days("Abib 1", "Feast of Unleavened Bread, first day") == 14, "Unleavened Bread from Abib 15")
            check(days("Abib 1", "Feast of Unleavened Bread, last day") == 20, "Unleavened Bread to Abib 21")
            wave = day["Wave Offering (the First-fruit)"]
            check(wave.weekday() == 6, "the Wave Offering is a Sunday")
            check(day["Feast of Unleavened Bread, first day"] <= wave <= day["Feast of Unleavened Bread, last day"],
                  "the Wave Offering falls within Unleavened Bread")
            check(days("Wave Offering (the First-fruit)", "First-fruits (Pentecost)") == 49, "Pentecost: 7 weeks")
            check(days("Feast of Trumpets", "Day of Atonement") == 9, "Atonement is the 10th day")
            check(days("Feast of Trumpets", "Feast of Tabernacles (Ingathering), first day") == 14, "Tabernacles 15th")
            check(days("Feast of Trumpets", "Feast of Tabernacles (Ingathering), last day") == 20, "Tabernacles 21st")
            check(days("Feast of Trumpets", "Great Last Day") == 21, "the Great Last Day is the 22nd")
        for e in events:
            months = "Abib 1" == str(e.get("SUMMARY"))
            check(e.get("CATEGORIES").to_ical() == (b"Month start" if months else b"Holy day"),
                  "holy days: the category of %s" % e.get("SUMMARY"))
            check(str(e.get("LOCATION")) == "Jerusalem", "holy days: the place")

        report, raw, calendar = export(cli, folder, ["newmoons", "2025"])
        events = check_events("new moons", calendar, raw)
        check_against_report("new moons", report, events)
        gaps = [(b.decoded("DTSTART") - a.decoded("DTSTART")).days for a, b in zip(events, events[1:])]
        check(len(events) == 14 and all(g in (29, 30) for g in gaps), "new moons: 14 months of 29 or 30 days")

        place = "Portland, Oregon; USA"
        report, raw, calendar = export(
            cli, folder, ["localmoons", "2025", "--lat", "45 31 N", "--lon", "122 40 W", "--gmt", "8", "--name", place])
        events = check_events("local new moons", calendar, raw)
        check(len(events) == 14, "local new moons: 14 months")
        check(b"LOCATION:Portland\\, Oregon\\; USA" in raw, "local new moons: the place's name is escaped")
        for e in events:
            check(str(e.get("LOCATION")) == place, "local new moons: the place reads back as %r" % str(e.get("LOCATION")))
            check(("sunset at " + place + " ") in str(e.get("DESCRIPTION")), "local new moons: the sunset's place")

    for fault in faults:
        print("FAULT:", fault)
    if not faults:
        print("the exports of 2025 read back as the reports state them")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
