#!/usr/bin/python3
"""check_ics_export.py ORVANE_CLI: the calendar files of the real program,
read by a second, independent reader (Debian's python3-icalendar, under the
system's Python): all-day events of one day on the dates and weekdays the
printed report states, unique UIDs, DTSTAMP in UTC, the place read back."""
import datetime
import re
import subprocess
import sys
import tempfile

import icalendar

DATED = re.compile(r"(Sunday|Monday|Tuesday|Wednesday|Thursday|Friday|Saturday), +(\d+) ([A-Z][a-z]{2}) (\d+) CE *$")
MONTHS = ["Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"]
faults = []


def export(folder, args, place):
    path = folder + "/export.ics"
    done = subprocess.run([sys.argv[1]] + args + ["--ics", path], cwd=folder, capture_output=True, text=True)
    if done.returncode != 0:
        sys.exit("%s failed (%d): %s" % (" ".join(args), done.returncode, done.stderr))
    with open(path, "rb") as f:
        events = icalendar.Calendar.from_ical(f.read()).walk("VEVENT")
    what = args[0]
    stated = [m for m in map(DATED.search, done.stdout.splitlines()) if m]  # none in the local list
    if what != "localmoons" and len(stated) != len(events):
        faults.append("%s: %d dates printed, %d events" % (what, len(stated), len(events)))
    for m, e in zip(stated, events):
        when = datetime.date(int(m.group(4)), MONTHS.index(m.group(3)) + 1, int(m.group(2)))
        if e.decoded("DTSTART") != when or when.strftime("%A") != m.group(1):
            faults.append("%s: %s printed, %s exported" % (what, m.group(0), e.decoded("DTSTART")))
    uids = [str(e.get("UID")) for e in events]
    if not events or len(set(uids)) != len(uids):
        faults.append(what + ": UIDs are not unique")
    for e in events:
        start, stamp = e.decoded("DTSTART"), e.decoded("DTSTAMP")
        if type(start) is not datetime.date or e.decoded("DTEND") - start != datetime.timedelta(days=1):
            faults.append("%s: %s is not one whole day" % (what, e.get("UID")))
        if stamp.utcoffset() != datetime.timedelta(0):
            faults.append("%s: %s has no DTSTAMP in UTC" % (what, e.get("UID")))
        if str(e.get("LOCATION")) != place:
            faults.append("%s: the place reads back as %r" % (what, str(e.get("LOCATION"))))


with tempfile.TemporaryDirectory() as folder:
    export(folder, ["holydays", "2025"], "Jerusalem")
    export(folder, ["newmoons", "2025", "--east"], "Jerusalem")
    place = "Portland, Oregon; USA"
    export(folder, ["localmoons", "2025", "--lat", "45 31 N", "--lon", "122 40 W", "--gmt", "8", "--name", place], place)
for fault in faults:
    print("FAULT:", fault)
sys.exit(1 if faults else 0)
