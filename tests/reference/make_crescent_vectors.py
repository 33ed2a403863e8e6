#!/usr/bin/python3
"""Regenerate crescent_evenings.csv, the reference for the crescent criteria.

Independent reference data computed with PyEphem (Debian package
python3-ephem), whose sun (VSOP87) and moon (ELP2000) are far more accurate
than the program's formulas.  Run by hand:

    /usr/bin/python3 tests/reference/make_crescent_vectors.py

For each evening and place it gives the almanac sunset and moonset (upper
limb, sea-level horizon, 34' of refraction, the moon topocentric), the best
time Tb = Ts + 4/9 Lag, the nearest new moon, and at Tb the geocentric and
topocentric arcs of light and of vision (airless) and the difference of the
azimuths.  The output is deterministic for a given ephem version.  See
README.md for the columns.
"""

import csv
import datetime
import math
import os

import ephem

HERE = os.path.dirname(os.path.abspath(__file__))
DJD_TO_JD = 2415020.0
EARTH_RADIUS_KM = 6378.14
AU_KM = 149597870.7

# Places over both hemispheres and all longitudes, within 61 degrees of the equator.
PLACES = [
    ("Mecca", 21.4225, 39.8262),
    ("Jerusalem", 31.78, 35.244),
    ("Cape Town", -33.925, 18.424),
    ("London", 51.5074, -0.1278),
    ("Jakarta", -6.2088, 106.8456),
    ("Los Angeles", 34.0522, -118.2437),
    ("Santiago", -33.4489, -70.6693),
    ("Tokyo", 35.6762, 139.6503),
    ("Oslo", 59.9139, 10.7522),
    ("Auckland", -36.8485, 174.7633),
]

# New moons whose first evenings are taken: spread over a century, each
# season and each part of the anomalistic month.
NEW_MOONS_NEAR = [
    "1984/01/01", "1931/05/16", "1962/08/30", "1999/11/07", "2011/02/03",
    "2023/04/20", "2024/03/10", "2024/04/08", "2024/09/02", "2025/06/25",
    "2031/12/14", "2047/07/22", "2066/10/19", "2095/03/08",
]


def noon_jd(date):
    return date.toordinal() + 1721425


def hours_after_midnight(djd, date):
    """Hours from 0h UT of the civil date to an ephem date."""
    return (djd + DJD_TO_JD - (noon_jd(date) - 0.5)) * 24


def observer(lat, lon):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(lon)
    o.elevation = 0
    o.pressure = 0  # no refraction model: the 34' are in the horizon
    o.horizon = "-0:34"
    return o


def geocentric_horizontal(body, o):
    """Airless altitude and azimuth (degrees) of the geocentric apparent place on the horizon of o."""
    lst = float(o.sidereal_time())
    ha = lst - float(body.g_ra)
    dec = float(body.g_dec)
    lat = float(o.lat)
    alt = math.asin(math.sin(lat) * math.sin(dec) + math.cos(lat) * math.cos(dec) * math.cos(ha))
    az = math.atan2(-math.cos(dec) * math.sin(ha),
                    math.sin(dec) * math.cos(lat) - math.cos(dec) * math.sin(lat) * math.cos(ha))
    return math.degrees(alt), math.degrees(az) % 360


def evening(date, name, lat, lon):
    o = observer(lat, lon)
    sun, moon = ephem.Sun(), ephem.Moon()
    local_noon = ephem.Date(noon_jd(date) - DJD_TO_JD - lon / 360.0)
    o.date = local_noon
    ts = o.next_setting(sun)
    o.date = ts
    moon.compute(o)
    moon_up = moon.alt + moon.radius + math.radians(34 / 60) > 0
    tm = o.next_setting(moon) if moon_up else o.previous_setting(moon)
    lag = (tm - ts) * 1440
    prev_nm = ephem.previous_new_moon(ts)
    next_nm = ephem.next_new_moon(ts)
    conj = prev_nm if ts - prev_nm < next_nm - ts else next_nm
    # No best time before the conjunction or when the moon sets first: the
    # arcs are then taken at sunset.
    tb = ts + 4.0 / 9.0 * (tm - ts) if lag > 0 and conj < ts else ts
    o.date = ephem.Date(tb)
    sun.compute(o)
    moon.compute(o)
    sun_alt, sun_az = geocentric_horizontal(sun, o)
    moon_alt, moon_az = geocentric_horizontal(moon, o)
    arcl = math.degrees(ephem.separation((sun.g_ra, sun.g_dec), (moon.g_ra, moon.g_dec)))
    arcl_topo = math.degrees(ephem.separation((sun.ra, sun.dec), (moon.ra, moon.dec)))
    parallax = math.degrees(math.asin(EARTH_RADIUS_KM / (moon.earth_distance * AU_KM)))
    return {
        "date": date.isoformat(),
        "place": name,
        "latitude": lat,
        "longitude": lon,
        "sunset_ut_hours": "%.4f" % hours_after_midnight(ts, date),
        "moonset_ut_hours": "%.4f" % hours_after_midnight(tm, date),
        "lag_minutes": "%.2f" % lag,
        "conjunction_jd": "%.5f" % (conj + DJD_TO_JD),
        "best_ut_hours": "%.4f" % hours_after_midnight(tb, date),
        "arcl": "%.4f" % arcl,
        "arcl_topo": "%.4f" % arcl_topo,
        "arcv": "%.4f" % (moon_alt - sun_alt),
        "arcv_topo": "%.4f" % (math.degrees(moon.alt) - math.degrees(sun.alt)),
        "daz": "%.4f" % (((sun_az - moon_az + 180) % 360) - 180),
        "parallax": "%.5f" % parallax,
    }


def main():
    rows = []
    for i, near in enumerate(NEW_MOONS_NEAR):
        nm = ephem.next_new_moon(ephem.Date(near) - 3)
        day = datetime.date(*ephem.Date(nm).tuple()[:3])
        for j in range(3):
            name, lat, lon = PLACES[(3 * i + j) % len(PLACES)]
            rows.append(evening(day + datetime.timedelta(days=j), name, lat, lon))
    path = os.path.join(HERE, "crescent_evenings.csv")
    with open(path, "w", newline="") as f:
        writer = csv.DictWriter(f, fieldnames=list(rows[0].keys()), lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)
    # Every kind of evening is there: with a best time, and without.
    assert any(float(r["lag_minutes"]) > 0 for r in rows)
    assert any(float(r["lag_minutes"]) <= 0 for r in rows)
    print("wrote %d rows to %s" % (len(rows), path))


if __name__ == "__main__":
    main()
