#!/usr/bin/python3
"""Regenerate times_new_york_2024.csv: a year of sun and moon times at a place.

Independent reference data for the sun and moon times table and the sunsets
table, computed with PyEphem (Debian package python3-ephem).  Run by hand:

    /usr/bin/python3 tests/reference/make_times_vectors.py

The place is the one the tables are checked at: 40 deg 43' N, 74 deg 0' W,
zone clock UTC-5 (no daylight saving), every civil day of 2024 in that zone.
Observer settings as in make_vectors.py (no refraction model, upper limb at
-34', so the sun's centre at -50' and the moon's at 0.7275 parallax - 34').

Columns (clock times of the zone as HH:MM:SS, empty when the event does not
happen in the zone's civil day from 00:00 to 24:00):
  date          the civil date, ISO YYYY-MM-DD
  jd            its Julian day number at noon
  sunrise, sunset, moonrise, moonset
  illum_rise    the moon's illuminated percentage at moonrise (1 decimal)
  illum_set     the same at moonset
"""

import csv
import datetime
import os

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))
ORDINAL_TO_JD = 1721425

LAT = '40:43'
LON = '-74:00'
ZONE_HOURS = -5


def observer():
    obs = ephem.Observer()
    obs.lat = LAT
    obs.lon = LON
    obs.elevation = 0.0
    obs.pressure = 0.0
    obs.horizon = '-0:34'
    return obs


def clock(djd, day_start):
    seconds = int(round((djd - day_start) * 86400.0))
    return '%02d:%02d:%02d' % (seconds // 3600, seconds // 60 % 60, seconds % 60)


def event(obs, body, day_start, rising):
    """The first rising (or setting) in the zone day, or None."""
    obs.date = day_start
    try:
        t = obs.next_rising(body) if rising else obs.next_setting(body)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None
    return float(t) if float(t) < day_start + 1.0 else None


def illumination(t):
    moon = ephem.Moon()
    moon.compute(t)
    return '%.1f' % moon.phase


def rows():
    obs = observer()
    sun, moon = ephem.Sun(), ephem.Moon()
    out = []
    d = datetime.date(2024, 1, 1)
    while d.year == 2024:
        # Midnight of the zone day, as an ephem (UT) date.
        start = float(ephem.Date((d.year, d.month, d.day))) - ZONE_HOURS / 24.0
        sunrise = event(obs, sun, start, True)
        sunset = event(obs, sun, start, False)
        moonrise = event(obs, moon, start, True)
        moonset = event(obs, moon, start, False)
        out.append([
            d.isoformat(), d.toordinal() + ORDINAL_TO_JD,
            clock(sunrise, start), clock(sunset, start),
            clock(moonrise, start) if moonrise else '',
            clock(moonset, start) if moonset else '',
            illumination(moonrise) if moonrise else '',
            illumination(moonset) if moonset else '',
        ])
        d += datetime.timedelta(days=1)
    return out


def main():
    path = os.path.join(HERE, 'times_new_york_2024.csv')
    with open(path, 'w', newline='') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(['date', 'jd', 'sunrise', 'sunset', 'moonrise', 'moonset', 'illum_rise', 'illum_set'])
        w.writerows(rows())


if __name__ == '__main__':
    main()
