#!/usr/bin/python3
"""Regenerate the sun/moon reference vectors in this folder.

Independent reference data for the low-precision sun and moon formulas,
computed with PyEphem (Debian package python3-ephem).  Run by hand:

    /usr/bin/python3 tests/reference/make_vectors.py

It rewrites sun_moon_jerusalem.csv, new_moons.csv and positions.csv next to this file.
The output is deterministic for a given ephem version.  See README.md for
the column definitions and the observer settings.
"""

import csv
import datetime
import math
import os
import sys

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))

# ephem dates are Dublin Julian dates (days since 1899-12-31 12:00 UT).
DJD_TO_JD = 2415020.0
# JD at noon of a civil date = proleptic Gregorian ordinal + this.
ORDINAL_TO_JD = 1721425

# Jerusalem, as used by the program.
LON_DEG = 35.244
LAT_DEG = 31.78
ELEVATION_M = 0.0
# Local mean noon in hours after 0h UT.
LOCAL_NOON_UT_HOURS = 12.0 - LON_DEG / 15.0

# Date sample: a regular stride from 1900-01-01 to the end of 2100.  476 days
# is 16.12 synodic months and 1.303 years, so consecutive samples land far
# apart in both moon phase and time of year and the sample covers both
# evenly (no gap larger than 1.1 times the mean spacing in either).
FIRST_DATE = datetime.date(1900, 1, 1)
LAST_DATE = datetime.date(2100, 12, 31)
STRIDE_DAYS = 476
# A few extra dates that are easy to check by eye.
EXTRA_DATES = [
    datetime.date(2000, 1, 1),
    datetime.date(2024, 3, 20),
    datetime.date(2024, 4, 8),
]

# Lunation numbering: k = 0 is the new moon of 1900 January 0.
LUNATION_EPOCH_JD = 2415020.75933
SYNODIC_MONTH = 29.530588853
LUNATION_STEP = 7


def civil_jd(d):
    """Julian day number of the civil date d at noon."""
    return d.toordinal() + ORDINAL_TO_JD


def ut0_djd(d):
    """ephem date (float) of 0h UT of civil date d."""
    return float(ephem.Date((d.year, d.month, d.day)))


def make_observer():
    obs = ephem.Observer()
    obs.lon = str(LON_DEG)
    obs.lat = str(LAT_DEG)
    obs.elevation = ELEVATION_M
    # No refraction model: the standard altitudes below already contain the
    # 34' of horizontal refraction.
    obs.pressure = 0.0
    # Upper limb (default use_center=False) at a topocentric geometric
    # altitude of -34'.  ephem subtracts the body's semidiameter, and for the
    # moon works with topocentric coordinates, so this is the same event as
    # a geocentric centre altitude of -50' for the sun and
    # 0.7275 * parallax - 34' for the moon.
    obs.horizon = '-0:34'
    return obs


def sample_dates():
    dates = []
    d = FIRST_DATE
    while d <= LAST_DATE:
        dates.append(d)
        d += datetime.timedelta(days=STRIDE_DAYS)
    dates = sorted(set(dates) | set(EXTRA_DATES))
    check_coverage(dates)
    return dates


def check_coverage(dates):
    months = {d.month for d in dates}
    if months != set(range(1, 13)):
        sys.exit('date sample misses months: %s' % sorted(set(range(1, 13)) - months))
    phases = {int(((civil_jd(d) - LUNATION_EPOCH_JD) / SYNODIC_MONTH % 1.0) * 16)
              for d in dates}
    if phases != set(range(16)):
        sys.exit('date sample misses moon phase sixteenths: %s'
                 % sorted(set(range(16)) - phases))


def sun_moon_rows():
    obs = make_observer()
    sun = ephem.Sun()
    moon = ephem.Moon()
    rows = []
    missing = 0
    for d in sample_dates():
        day0 = ut0_djd(d)
        noon = day0 + LOCAL_NOON_UT_HOURS / 24.0

        sunset = obs.next_setting(sun, start=day0)
        sunset_h = (float(sunset) - day0) * 24.0
        if not 0.0 < sunset_h < 24.0:
            sys.exit('%s: sunset outside the UT day: %.4f h' % (d, sunset_h))

        try:
            moonset = obs.next_setting(moon, start=noon)
        except (ephem.NeverUpError, ephem.AlwaysUpError, ValueError, RuntimeError):
            moonset = None
        if moonset is None:
            moonset_cell = ''
            missing += 1
        else:
            # Make sure this is the first moonset after noon: the one before
            # it must come before noon.
            before = obs.previous_setting(moon, start=float(moonset) - 1e-3)
            if not (float(before) < noon < float(moonset)):
                sys.exit('%s: moonset %s is not the first after noon' % (d, moonset))
            moonset_cell = '%.4f' % ((float(moonset) - day0) * 24.0)

        rows.append([civil_jd(d), d.isoformat(), '%.4f' % sunset_h, moonset_cell])
    return rows, missing


def iso_utc(djd):
    """ISO 8601 UT string of an ephem date, rounded to the second."""
    base = datetime.datetime(1899, 12, 31, 12, 0, 0)
    seconds = int(round(djd * 86400.0))
    return (base + datetime.timedelta(seconds=seconds)).strftime('%Y-%m-%dT%H:%M:%SZ')


def new_moon_rows():
    first = ephem.next_new_moon(ut0_djd(FIRST_DATE))
    end = ut0_djd(LAST_DATE) + 1.0
    k = int(round((float(first) + DJD_TO_JD - LUNATION_EPOCH_JD) / SYNODIC_MONTH))
    rows = []
    while True:
        mean_jd = LUNATION_EPOCH_JD + k * SYNODIC_MONTH
        # The true new moon is within a day of the mean one; start the search
        # five days early so the next one found is lunation k.
        nm = ephem.next_new_moon(mean_jd - DJD_TO_JD - 5.0)
        djd = float(nm)
        if djd >= end:
            break
        jd = djd + DJD_TO_JD
        got_k = int(round((jd - LUNATION_EPOCH_JD) / SYNODIC_MONTH))
        if got_k != k:
            sys.exit('lunation %d: search found lunation %d' % (k, got_k))
        delta_t = ephem.delta_t(nm)
        rows.append([k, '%.6f' % jd, iso_utc(djd), '%.1f' % delta_t])
        k += LUNATION_STEP
    return rows


def positions_rows():
    """Geocentric apparent ecliptic positions of the sun and the moon (of the
    equinox of date) at 18:00 dynamical time of each sample date."""
    sun = ephem.Sun()
    moon = ephem.Moon()
    rows = []
    for d in sample_dates():
        jd_tt = civil_jd(d) + 0.25
        djd_tt = jd_tt - DJD_TO_JD
        # ephem dates are UT: step back by delta T (iterate once; it varies slowly).
        djd_ut = djd_tt - ephem.delta_t(djd_tt) / 86400.0
        djd_ut = djd_tt - ephem.delta_t(djd_ut) / 86400.0
        sun.compute(djd_ut, epoch=djd_ut)
        moon.compute(djd_ut, epoch=djd_ut)
        sun_ecl = ephem.Ecliptic(ephem.Equatorial(sun.g_ra, sun.g_dec, epoch=djd_ut), epoch=djd_ut)
        moon_ecl = ephem.Ecliptic(ephem.Equatorial(moon.g_ra, moon.g_dec, epoch=djd_ut), epoch=djd_ut)
        distance_km = moon.earth_distance * ephem.meters_per_au / 1000.0
        parallax = math.degrees(math.asin(6378.14 / distance_km))
        rows.append(['%.2f' % jd_tt, d.isoformat(),
                     '%.6f' % math.degrees(sun_ecl.lon),
                     '%.6f' % math.degrees(moon_ecl.lon),
                     '%.6f' % math.degrees(moon_ecl.lat),
                     '%.6f' % parallax])
    return rows


def write_csv(name, header, rows):
    path = os.path.join(HERE, name)
    with open(path, 'w', newline='') as f:
        w = csv.writer(f, lineterminator='\n')
        w.writerow(header)
        w.writerows(rows)
    print('%s: %d rows' % (name, len(rows)))


def main():
    print('ephem', ephem.__version__)
    rows, missing = sun_moon_rows()
    write_csv('sun_moon_jerusalem.csv',
              ['jd', 'date', 'sunset_ut_hours', 'moonset_ut_hours'], rows)
    if missing:
        print('  %d dates without a moonset' % missing)
    write_csv('new_moons.csv', ['k', 'jd_ut', 'iso_ut', 'delta_t_s'], new_moon_rows())
    write_csv('positions.csv',
              ['jd_tt', 'date', 'sun_lon_deg', 'moon_lon_deg', 'moon_lat_deg', 'moon_parallax_deg'],
              positions_rows())


if __name__ == '__main__':
    main()
