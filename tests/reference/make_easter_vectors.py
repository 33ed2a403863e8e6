#!/usr/bin/env python3
"""Writes easter_dateutil.txt: Easter Sunday of every year 1..9999 from the
dateutil package, by the Julian computus (Julian-calendar dates) before 1583
and by the Gregorian computus from 1583 on.  Lines: "YEAR MONTH DAY J|G"."""
import os

import dateutil
from dateutil.easter import EASTER_JULIAN, EASTER_WESTERN, easter

here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "easter_dateutil.txt"), "w") as out:
    out.write(f"# Easter Sunday from dateutil {dateutil.__version__}: J = Julian computus, G = Gregorian\n")
    out.write("# year month day computus\n")
    for year in range(1, 10000):
        method, tag = (EASTER_JULIAN, "J") if year < 1583 else (EASTER_WESTERN, "G")
        d = easter(year, method)
        out.write(f"{year} {d.month} {d.day} {tag}\n")
