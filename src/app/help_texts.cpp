// The help texts and their layout.
//
// A text is written below as plain paragraphs in a small markup, laid out by
// LayOut:
//   "= Title"    the heading: in capitals, with the version mark, centred;
//   "^ Title"    a centred sub-heading;
//   an empty line ends a paragraph and leaves an empty line in the text;
//   "* ..."      starts a new paragraph directly below the last one;
//   other lines  continue the paragraph (source line breaks are blanks);
//   "{name}"     a value from the program's own constants (see Values);
//   "~"          a blank at which a line is never broken.
#include "app/help_texts.h"

#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "app/holy_days_window.h"
#include "app/locations.h"
#include "app/sections.h"
#include "app/user_data.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_calendar.h"
#include "conversions/hebrew_window_model.h"
#include "engine/engine.h"
#include "engine/ephemeris_state.h"
#include "engine/numeric.h"
#include "runs/chronology.h"
#include "runs/year_start.h"

namespace orvane::app {

namespace {

constexpr std::string_view kProgramName = "Orvane";
constexpr std::string_view kVersionMark = "Ver " ORVANE_VERSION;
constexpr std::string_view kLineEnd = "\r\n";

// --- The texts ---------------------------------------------------------------------

constexpr std::string_view kHolyDaysText = R"(
* NOTICE FROM THE PUBLISHER: Orvane is published by the Orvane project, whose pages are at
{webAddress}. Please share it with your friends. The program calculates; it does not observe.
Its dates are estimates drawn from the computed positions of the sun and the moon, offered for
study and comparison, and they are only as good as the rules and the formulae explained below.

= {programName}

Orvane finds, for any year from {minYear} to {maxYear}, the evenings on which the thin crescent of
the new moon can first be seen, and from those evenings it works out the months and the holy days
of the Biblical year. Around that core it lists the month starts at a place of your own, tabulates
sunsets and the times of sun and moon, searches ranges of years for the dates of Creation, the
Flood, the crossing of the Jordan and the death and resurrection of Jesus Christ, and converts a day
between the Gregorian, Julian, Biblical and Rabbinical calendars. Choose a section from the Mode
menu, type a year, and click the section's picture button; every result is plain text in this pane.

HOLY DAYS: This section estimates the holy days of a year from the evening on which the crescent of
the new moon is first visible in Jerusalem. It is a calculation and no replacement for watching the
sky: the crescent may be seen a day earlier or later than computed, and the report says so wherever
the calculation is in doubt ("possibly one day earlier", "possibly one day later").

The report begins with the region its dates are for and the year counted from Creation, with a
note when the year may be a Jubilee or a Sabbatical year. For the first and the seventh month
follows a table with one row for each evening tested: the date of the evening, the times of sunset
and moonset, the moon's illuminated percentage, the azimuth of the sun at sunset, the azimuth and
altitude of the moon at sunset, the sun's altitude at moonset, the visibility number, and the
verdict. Below the tables stand the spring holy days (Abib 1; the Passover sacrifice on Abib 14;
the Feast of Unleavened Bread from Abib 15 to 21; the Wave Offering on the Sunday within that feast
and Pentecost seven weeks later) and the autumn holy days (the Feast of Trumpets, the Day of
Atonement, the Feast of Tabernacles and the Great Last Day).

The azimuth is measured in degrees clockwise from the South (90 is directly west).

The setting times are for the evening of the date listed in the first column. They are clock times
of Jerusalem's zone ({jerusalemZone}) in hours and minutes after noon, so 5:39 is 5:39 in the
evening. A Biblical day begins at sunset, so every holy day begins on the evening before the date
given for it.

To run it, type the year into the box at the top left, as a negative number for a year BCE (-1 is
1~BCE; there is no year 0, and 0 is read as -1), and click the cup button. Pressing Enter in the
year box runs the section's last report again. A year outside {minYearNumber} to {maxYearNumber}
is brought to the nearest limit with a beep.

NEW MOONS: The crescent-moon button beside the cup lists fourteen month starts in a row, from the
new moon of March or early April of the year to about April or May of the next: the twelve or
thirteen months of the Biblical year and the first month of the next. Each month has its table of
evenings, as above, followed by the first day of the month with its weekday and its certainty.
Jerusalem is the reference place of both reports.

The other sections, each with its own help screen:

* CREATION lists the years in which Abib 1 may fall on a Sunday, the first day of the week of
Creation.
* FLOOD counts the days from the 17th day of the second month to the 17th day of the seventh month,
which must be 150.
* JORDAN CROSSING lists the years in which the Passover sacrifice may fall on the Sabbath, as the
year in which Israel crossed the Jordan requires.
* GOLGOTHA lists the years in which the Passover sacrifice may fall on a Wednesday, for the three
days and three nights of Jesus Christ's death and resurrection.
* LOCAL MOONS lists the month starts of a year at a place of your own.
* SUNSETS lists the time of sunset for every day of a year at that place.
* TIMES lists the times of sunrise, sunset, moonrise and moonset and the moon's illuminated
percentage for every day of a year at that place.
* CONVERSIONS (on the menu bar) converts a day between the Gregorian, Julian, Biblical and
Rabbinical calendars and the Julian day count.
* RABBINIC CALENDAR (Non-Scriptural menu, Rabbinical) lists the month starts and holy days of a year
in the fixed Rabbinical calendar, for comparison.
* EASTER (Non-Scriptural menu, Easter) lists Good Friday and Easter Sunday for {easterYears} years,
also for comparison.
* File, Print prints whatever the pane shows: any result, or this text.

^ CALCULATION PRINCIPLES

The positions of the sun and the moon are computed with the formulae of the books 'Astronomical
Formulae for Calculators' and 'Astronomical Algorithms'. They are compact formulae, made for
calculators; their small errors grow slowly the further a date lies from our own time.

Each month begins on the evening on which the crescent of the new moon is first visible, and each
day begins at dusk, with sunset.

Whether the crescent can be seen on an evening is decided by one number, the visibility number of
the table: {visibilityFormula}, with the altitudes in degrees and the minutes counted from the
sunset and moonset times of the row. A bright crescent, a long time between sunset and moonset, a
moon standing high at sunset and a sky already dark when the moon sets all raise the number. Its
classes, each boundary belonging to the lower one:
* Up to and including {notVisible}: Not Visible. The next evening is tested.
* Above {notVisible} and up to {probNotVisible}: Prob Not Visible. The crescent is counted as seen
on the following evening, so the month begins two days after the evening tested, and its dates are
marked "possibly one day earlier".
* Above {probNotVisible} and up to {probVisible}: Prob Visible. The month begins on the day after
the evening tested, and its dates are marked "possibly one day later".
* Above {probVisible}: Visible. The month begins on the day after the evening tested.
* In this section the evening after a doubtful one is shown as well, so that you can see how the
crescent stands a day later.

The year begins with the month in which the barley near Jerusalem ripens (Abib means green ears of
grain). The program cannot look at the fields, so it reads the season from the March (vernal)
equinox: a month is the first month of the year when the equinox falls on or before the sunset
that begins its first day. When the crescent of the first candidate month is seen before the
equinox, the barley may or may not be ready. The report then gives that month as the reading for
an early harvest ("If the barley harvest is early, this New Moon will begin the New Year.") and
lists all the holy days once more, one month later, for a late harvest. The older runs (Creation,
Flood, Jordan Crossing and Golgotha) use the vernal equinox alone: a crescent seen before it makes
the next month the first, and no early-harvest reading is given.

The chronology sections test dates that the Biblical chronology suggests. The years After Creation
are counted from {creationYear1} (Year 1 After Creation); the Flood section looks around 2348 BCE;
the Jordan Crossing section looks around {joshuaYear}, the year of Joshua's long day, which came a
few months after the crossing; the Exodus came forty years before it. For any other year the chronology
suggests, such as that of the dedication of the temple, the HOLY DAYS report gives the feasts of
that year, and its notes show whether it may be a Jubilee or a Sabbatical year.

All dates are given in a modified proleptic Gregorian reckoning: the Gregorian leap-year rules are
applied to every year, also before that calendar was introduced in 1582, and the years are numbered
without a year 0 (the year before 1 CE is 1 BCE). Two events of the Bible change the count.
Hezekiah's sign, when the shadow went back on the steps: in the new-moon and sunset computations
every instant before noon of {hezekiahDate} (Julian day {hezekiahJD}) is taken {hezekiahMinutes}
minutes earlier, so that the sun and the moon stand where they stood {hezekiahMinutes} minutes
before the clock time shown. Joshua's long day, when the sun stood still: on and before {joshuaDate} (Julian day
{joshuaJD}) every weekday is one day later than the plain seven-day cycle gives, so the day after
the long day has the same weekday as the long day itself.

No adjustment for daylight-saving time is made in any module.

The dates are for Israel and the regions westward to the International Date Line. East of Israel
and west of the date line the evening on which the crescent is seen in Jerusalem has already
passed, so there every month and every holy day begins one day later. Tick the box "East of Israel
and west of the International Date Line?" and every date of the holy-day and month-start reports is
delayed by one day (the evening dates of the tables stay as they are); the Wave Offering and
Pentecost then fall on a Monday. Ticking or clearing the box runs the last report again.

Pressing F1 in any section will show its help screen.
)";

constexpr std::string_view kLocalMoonsText = R"(
= LOCAL MOON - VISIBLE NEW MOON

This section lists fourteen month starts from the start of the year, as the NEW MOONS report of
the HOLY DAYS section does for Jerusalem, but for the place whose coordinates stand in the boxes at
the top: the latitude in degrees and minutes with N or S, the longitude in degrees and minutes
with E or W, and the offset of the place's time zone from UTC/GMT. Each month has the table of the
evenings tested there; the verdict of its last row tells when the crescent should first be seen at
that place, with the same classes of the visibility number as in the HOLY DAYS section.

The offset box takes the number of hours by which the zone's standard time is ahead of Greenwich
(east) or behind it (west), fractions included (5.5). It takes no sign: the E or W of the longitude
decides whether it is ahead or behind. Enter the standard time of the zone, not daylight-saving
time: the program never adjusts for daylight saving, so where clocks are set forward in summer they
show an hour more than the times given here.

The list box holds your stored locations; choosing one puts its coordinates into the boxes. To add
a place, type its name (at most {locationNameLength} characters) into the list box, fill in its
coordinates and press Enter in the list box, then answer Yes. To change a stored place, choose it,
change its coordinates and press Enter in the list box: Yes keeps the change. To delete one, choose
it and press Enter without changing anything: Yes deletes it. At first the list holds Jerusalem
only; it holds at most {maxLocations} places. An asterisk beside the list shows coordinates that
are not yet saved. The list is kept in the file UserData.Dat, in the folder the program is started
from (or in your own data folder when that folder cannot be written).

To run it, type the year (negative for BCE) and click the crescent-moon button, or press Enter in
the year box. The degree boxes take at most 60 degrees of latitude and 180 of longitude, the minute
boxes at most 59; a latitude beyond {maxLatitude} degrees is used as {maxLatitude}, since far from
the equator the sun and the moon do not set on every day.

The coordinates of a town can be found in an atlas, on a map service or with a satellite
navigation device; a minute of latitude is about 1.85 kilometres, so minutes are precise enough.

You can test the calculation against the sky. On the evenings the table gives, look low in the
west after sunset, in the direction of the moon's azimuth, with a clear horizon and, if you have
them, binoculars. Write down whether you saw the crescent and compare your notes with the verdicts
and visibility numbers: a doubtful verdict is exactly the case where a careful observation tells
more than the calculation.

The azimuth is measured in degrees clockwise from the South (90 is directly west).

The evening dates of the tables are proleptic Gregorian dates (Gregorian leap years for every
year, no year 0) showing the day and the month. The section shows no weekdays, so Joshua's long day
plays no part here; the {hezekiahMinutes} minutes of Hezekiah's sign apply to the positions as in
the other new-moon computations. No adjustment for daylight-saving time is made.

To turn a date into the Biblical, Rabbinical or Julian calendar, use Conversions on the menu bar;
for the times of sunrise, sunset, moonrise and moonset day by day, use the TIMES section.
)";

constexpr std::string_view kSunsetText = R"(
= SUNSETS

This section lists the time of sunset for every day of a year at the place in the coordinate
boxes, four dates to a line, so that more than a whole year fits on about a hundred lines. The
times are clock times of the place's zone, in hours and minutes after noon (5:07PM).

With the box "Check if you want to start calculations on the first of the Gregorian Year." ticked,
the table starts on 1 January. With it clear, the table starts with the evening before the first
day of the Biblical year at that place, the evening with which that year begins, found as in the
LOCAL MOONS section. Ticking or clearing the box makes the table again.

The offset box takes the hours by which the zone's standard time is ahead of Greenwich (east) or
behind it (west), without a sign: the E or W of the longitude gives the direction. The program
never adjusts for daylight saving, so where clocks are set forward in summer they show an hour
more than the table.

The list box holds your stored locations: choose one, or type a new name with its coordinates and
press Enter in the list box to add it (the LOCAL MOONS help tells more).

To run it, type the year (negative for BCE) and click the sunset button, or press Enter in the
year box.

The coordinates of a town can be found in an atlas, on a map service or with a satellite
navigation device. A latitude beyond {maxLatitude} degrees is used as {maxLatitude}.

The dates are proleptic Gregorian dates (Gregorian leap years for every year, no year 0); a date
before 1 CE shows its year number without BCE.
)";

constexpr std::string_view kJordanText = R"(
= THE JORDAN CROSSING

This section gives the Passover sacrifice (Abib 14) and the Wave Offering of the years around the
crossing of the Jordan, and lists the years that fit it.

Israel crossed the Jordan on the tenth day of the first month (Joshua 4:19) and kept the Passover
on the fourteenth at Gilgal. On the day after the Passover they ate of the produce of the land, and
the manna ceased (Joshua 5:10-12). The new grain could be eaten only after the Wave Offering
(Leviticus 23:14), which is waved on the day after the Sabbath (Leviticus 23:11). With the Wave
Offering on the day after the Passover, the Passover sacrifice fell on the Sabbath: the year of the
crossing must have its Passover on a Sabbath.

To run a range of years, type the first year into the left box and the last into the right box
(negative for BCE; the section starts with {jordanStart} to {jordanEnd}), then click the crossing
button or press Enter in either box. The pane lists the years in which the Passover sacrifice may
fall on the Sabbath: those in which it does, those in which it falls on a Sunday but may be one day
earlier, and those in which it falls on a Friday but may be one day later. To see one year in
detail, type it into the left box and empty the right box: the pane then shows the new-moon table
of the first month, the Julian days of the vernal equinox and of the evening the new moon is seen,
the Passover sacrifice, the Feast of Unleavened Bread, the Wave Offering and Pentecost. Years
outside {minYearNumber} to {maxYearNumber} are brought to the nearest limit, and a range typed the
wrong way round is swapped.

The program dates Joshua's long day to {joshuaDate}. The crossing came a few months before it, in
the spring of the same year, and {joshuaYear} is one of the years the run finds: its Passover
sacrifice falls on {jordanPassover} and the Wave Offering on {jordanWaveOffering}.

The setting times of the tables are for the evening of the date listed, as clock times of
Jerusalem's zone after noon; each day begins at sunset on the evening before its date.

The dates are modified proleptic Gregorian dates, as the HOLY DAYS help explains. Since the
crossing came before Joshua's long day, this section gives every weekday with the one-day shift of
the long day, whatever the year. No adjustment for daylight-saving time is made.
)";

constexpr std::string_view kFloodText = R"(
= THE WORLD-WIDE FLOOD

The Flood began on the 17th day of the second month (Genesis 7:11), and the ark rested on the 17th
day of the seventh month (Genesis 8:4), when the waters had prevailed 150 days (Genesis 7:24 and
8:3). If both dates lie in one year of visible-crescent months, the five months from the one date
to the other add up to exactly 150 days. This section counts the days between the 17th of the
second and the 17th of the seventh month of each year, at a fixed place near Mount Ararat
({floodPlace}, with the zone of Jerusalem). The first month is the first whose crescent is seen on
or after the vernal equinox.

To run a range of years, type the first year into the left box and the last into the right box
(negative for BCE; the section starts with {floodStart} to {floodEnd}), then click the flood
button or press Enter in either box; the word WORKING shows while a range is computed. To see
one year in detail, type it into the left box and empty the right box: the pane then shows the
new-moon tables of the first, second and seventh months, the Julian days of the vernal equinox and
of the evening the new moon is seen, the two 17th days with their weekdays and the count of days,
with a note where a month start is in doubt. Years outside {minYearNumber} to {maxYearNumber} are
brought to the nearest limit.

The chronology of the Bible puts the Flood about 2348 BCE. The closest candidate years the run
finds are {floodYears}, both with 150 days between the two dates.

A range gives three columns of years:
* 150 days: the count is 150.
* 149(+1): the count is 149, and would be 150 if one of the two months began one day differently,
as its "possibly one day earlier" or "possibly one day later" allows.
* 148(+2): the count is 148, and would be 150 if both months began one day differently.

The dates are modified proleptic Gregorian dates, as the HOLY DAYS help explains. No adjustment for
daylight-saving time is made.
)";

constexpr std::string_view kCreationText = R"(
= CREATION DATES  (ABIB 1)

God created in six days and rested on the seventh (Genesis 1 and 2:2-3), so the first day of
Creation was the first day of the week, Sunday. If it was also the first day of the first month,
Abib 1 of the year of Creation fell on a Sunday. This section gives the weekday of Abib 1 for each
year and lists the years in which Abib 1 may fall on a Sunday: those in which it does, those in
which it falls on a Monday but may be one day earlier, and those in which it falls on a Saturday
but may be one day later.

The month starts are computed not for Jerusalem but for a fixed place, {creationPlace}, with the
times in the zone of Jerusalem ({creationZone}). The first month is the first whose crescent is
seen on or after the vernal equinox.

The setting times of the tables are for the evening of the date listed, in hours and minutes after
noon; Abib 1 begins at sunset on the evening before its date.

The further back a date lies, the less certain the computed sky: the formulae are fitted to
observations of the last few centuries, and the small errors in the motion of the moon and in the
slowing of the earth's rotation grow with time. Before the Flood, when the world itself may have
been different, the results can only be approximate.

To run a range of years, type the first year into the left box and the last into the right box
(negative for BCE; the section starts with {creationStart} to {creationEnd}), then click the
creation button or press Enter in either box. To see one year in detail, type it into the left box
and empty the right box. Years outside {creationMinYearNumber} to {maxYearNumber} are brought to
the nearest limit. The traditional year {creationYear1} is one of the years the run finds: its
Abib 1 falls on {creationAbib1}.

The dates are modified proleptic Gregorian dates, as the HOLY DAYS help explains. No adjustment for
daylight-saving time is made.
)";

constexpr std::string_view kGolgothaText = R"(
= JESUS CHRIST'S DEATH AND RESURRECTION (GOLGOTHA)

Jesus Christ died on the Passover Preparation Day, the 14th day of the first month (Abib 14), when
the Passover sacrifice was killed. The weekday of Abib 14 changes from year to year, and this
section finds the years in which it fits.

He gave as the one sign that he would be three days and three nights in the heart of the earth
(Matthew 12:40). Dying on a Wednesday afternoon and laid in the tomb before sunset, he rose three
days and three nights later, at the end of the Sabbath; early on the first day of the week the
tomb was found empty. So Abib 14 falls on a Wednesday in the year of his death. The run lists the
years in which it does, those in which it falls on a Thursday but may be one day earlier, and those
in which it falls on a Tuesday but may be one day later.

For the year 31 CE the run finds the Passover sacrifice on {golgothaPassover}, so 31 CE has the
proper weekday.

The report also gives the Wave Offering, on the first Sunday after Abib 15, when the first-fruits
were waved before God, and Pentecost seven weeks later.

To run a range of years, type the first year into the left box and the last into the right box
(negative for BCE; the section starts with {golgothaStart} to {golgothaEnd}), then click the cross
button or press Enter in either box. To see one year in detail, type it into the left box and
empty the right box: the pane then shows the new-moon table of the first month, the Julian days of
the vernal equinox and of the evening the new moon is seen, and all the dates of the spring feasts.
Years outside {minYearNumber} to {maxYearNumber} are brought to the nearest limit.

The dates are modified proleptic Gregorian dates, as the HOLY DAYS help explains: for the first
century they run two days behind the Julian calendar of the time.
)";

constexpr std::string_view kTimesText = R"(
= SUN AND MOON TIMES

This section lists, for every day of a year at the place in the coordinate boxes, the times of
sunrise, sunset, moonrise and moonset, and the moon's illuminated percentage at moonrise and at
moonset. Each line begins with the date and its Julian day number. The times are clock times of
the place's zone on a 24-hour clock; --:-- and ---- stand where the moon does not rise or set on
that day. The column heading is repeated every 30 lines.

With the box "Check if you want to start calculations on the first of the Gregorian Year." ticked,
the table runs for a year from 1 January; with it clear, it starts with the evening before the
first day of the Biblical year at that place and runs on for a little more than a year. Ticking or
clearing the box makes the table again.

The list box holds your stored locations: choose one, or type a new name with its coordinates and
press Enter in the list box to add it (the LOCAL MOONS help tells more). The offset box takes the
hours of the zone's standard time from Greenwich, without a sign; the program never adjusts for
daylight saving.

To run it, type the year (negative for BCE) and click the sundial button, or press Enter in the
year box.

The coordinates of a town can be found in an atlas, on a map service or with a satellite
navigation device. A latitude beyond {maxLatitude} degrees is used as {maxLatitude}.

The dates are shown as Month/Day/Year, proleptic Gregorian (Gregorian leap years for every year),
with the year in four figures and a year BCE as a negative number without a year 0 (-0001 is
1~BCE). This table shows no weekdays, and its times are not moved by the {hezekiahMinutes} minutes
of Hezekiah's sign.
)";

constexpr std::string_view kRabbinicText = R"(
= Rabbinical Calculated Calendar

The Rabbinical module (Non-Scriptural menu, Rabbinical) lists a year of the fixed Rabbinical
(Hebrew) calendar, for comparison with the reckoning of the rest of the program. Type a Gregorian
year into the box (negative for BCE) and click Compute or press Enter; the Up and Down arrow keys
step the year, passing over the year 0. Years outside {hebrewMinYear} to {hebrewMaxYear} are brought
to the nearest limit, and 0 is read as -1.

The first line names the type of the Rabbinical year in which Nisan of that Gregorian year falls:
common (12 months) or embolismic (13 months, with Vedar, the second Adar), and deficient, regular
or complete, with its number of days. Then follow the first days of the months of the 'sacred'
year from Nisan to the end of Adar or Vedar, each with its Rabbinical year, and the Rabbinical holy
days: the Passover preparation day (14 Nisan), the Feast of Unleavened Bread (15 to 21 Nisan), the
Wave Offering (16 Nisan), Pentecost (49 days later), the Feast of Trumpets (1~Tishri), the Day of
Atonement, the Feast of Tabernacles and the Last Great Day. The dates are Gregorian dates with
their weekdays; SAB stands for the Sabbath.

The Rabbinical calendar differs from the observational reckoning of this program in several ways:
* Its months begin from a fixed mean conjunction, the molad, computed by whole-number arithmetic,
not from the crescent seen in the sky.
* Its leap years, with the thirteenth month, follow a 19-year cycle (the years {hebrewLeapPositions}
of each cycle), not the ripening of the barley.
* The postponement rules below move the first of Tishri by a day or two away from the molad.
* The Wave Offering is always on 16 Nisan and Pentecost 49 days after it, on whatever weekday they
fall, while the observational reckoning keeps both on Sundays.
* So the Rabbinical dates often differ from those of the HOLY DAYS section by a day or more.

The dates of this module come from the Gregorian form of a closed formula for the date of the
Passover, which already contains the postponements; the rules are shown in the Conversions window
for information. The molad is counted in days of the week, in hours from six in the evening that
begins the day, and in parts, 1080 to the hour.

^ Rabbinical Calendar Postponement Rules

* Rule~1)- Dechiyah~1: (Molad~Zakein) When the molad of Tishri falls at or after {zakein}, that is
at or after noon, the first of Tishri is postponed to the next day. When this rule applies, rules 2
and 3 are not tested; it is combined with rule 4 when the day it reaches is a Sunday, Wednesday or
Friday (a molad on Saturday, Tuesday or Thursday). A Friday molad that it moves to the Sabbath
needs no further rule.
* Rule~2)~-~Dechiyah~3: (Gatarad) In a common year, when the molad of Tishri falls on a Tuesday at
or after {gatarad}, the first of Tishri is postponed. The Wednesday it reaches is not allowed, so
this rule is always combined with rule 4, and the first of Tishri falls on Thursday.
* Rule~3)- Dechiyah~4: (Betutkafot) In the year after a leap year, when the molad of Tishri falls
on a Monday at or after {betutkafot}, the first of Tishri is postponed to Tuesday. This rule is
never combined with the others.
* Rule~4)- Dechiyah~2: (Lo~A'DU~Rosh) The first of Tishri may not fall on a Sunday, a Wednesday or
a Friday; when the day reached, after rules 1 to 3, is one of these, it is postponed one day more.
This rule applies alone, or together with rule 1 or rule 2.

The weekdays of this module are those of the plain seven-day cycle. The rest of the program moves
every weekday on and before Joshua's long day ({joshuaDate}) one day later, so for such early
dates the weekdays shown here are one day earlier than those of the other sections.
)";

constexpr std::string_view kEasterText = R"(
= Easter Dates

This module lists the dates of Good Friday and Easter Sunday as the Western churches compute them,
given here for comparison only: they come from the churches' fixed tables, not from the crescent seen in
the sky, and need not agree with the Passover of the Biblical reckoning.

Type the first year into the box and click Find Easter or press Enter; the Up and Down arrow keys
step the year. The module lists {easterYears} years from that year on. The year must lie between
{easterMinYear} and {easterMaxYear}; a year outside is brought to the nearest limit with a beep.

From {firstGregorianEaster} on the dates are computed by the Gregorian rules and given in the
Gregorian calendar. Up to {lastJulianEaster} they are computed by the older rules of the Julian
calendar and given in the Julian calendar, marked (Julian).

This module does not use the modified proleptic Gregorian dates of the rest of the program: its
dates are those of the calendars the churches used.
)";

constexpr std::string_view kConversionsText = R"(
= Calendar Conversions

The Conversions window (on the menu bar of the main window) shows one day in four calendars side
by side: the Gregorian calendar, the Julian calendar, the Biblical reckoning of this program, the
Rabbinical (Hebrew) calendar, and the Julian day count that ties them together. Change any column
and click its Compute button: the day is turned into a Julian day count and every column is
filled again from it, so that all four calendars always show the same day. A picture of the moon
shows its phase on that day.

The Gregorian column shows modified proleptic Gregorian dates and is titled Modified Gregorian on
and before Joshua's long day. The Biblical column counts its years from Creation, and its months
begin with the crescent seen in Jerusalem, without the delay for places east of Israel. When a
Biblical date may fall on more than one day (a month start in doubt, or an early or late barley
harvest), the Date options offer the possible days, and the Criteria button opens a window that
explains the choice.

Shortcuts: click a month box to open its list of month names, or step through the months with the
Up and Down arrow keys; Enter in a month box moves to the day box. In the year and day boxes the
Up and Down arrow keys add or take away one (the year steps over the missing year 0), and Enter
computes. A day outside the month simply runs on into the months around it.

The Rabbinical column shows the date, the type of its year, and the molad of Tishri in the form
6D~11H~882P: the day of the week (1~Sunday to 6~Friday, 0~Saturday), the hours from six in the
evening that begins that day, and the parts, 1080 to the hour. Below it stand the postponement
rules used for that year, as "Rule~4" or "Rules~2~and~4", or "No~Postponements" (the Rabbinical
help explains them).

The further back a date lies, the less certain the computed sky, and before the Flood the Biblical
dates can only be approximate.

Pressing F1 will bring up the help screen for this module (and the others too).
)";

constexpr std::string_view kCrescentText = R"(
= Crescent Visibility

The Crescent Visibility window (Non-Scriptural menu) and the command orvane-cli crescent judge the
evening's crescent at a place by two criteria published by astronomers who watch for the new
moon, beside this program's own visibility number. The window takes the place of the coordinate
boxes of the main window and the date typed into its date box, and lists five evenings from that
date; below the table a world map shows the classes of the first evening everywhere between 60
degrees north and south.

For each evening the sunset and the moonset are those of the almanacs: the upper limb of the sun
or the moon touching a sea-level horizon, with 34 minutes of arc of refraction, the moon seen from
the place. The evening of a date is the first sunset after local mean noon. When the moon is
already down at sunset, the moonset is the last one before the sunset and the lag is negative. The
best time is sunset plus four ninths of the lag, and the moon's age is counted from the
conjunction to the best time. ARCL is the arc of light, the elongation of the moon from the sun;
ARCV the arc of vision, the moon's altitude less the sun's, without refraction; DAZ the sun's
azimuth less the moon's; W the width of the crescent in minutes of arc. A prime marks a value seen
from the place (topocentric) rather than from the earth's centre.

^ Yallop's q-test

From B. D. Yallop, A Method for Predicting the First Sighting of the New Crescent Moon, NAO
Technical Note 69 (1997). At the best time, with the geocentric ARCL and ARCV and the width
W' = SD' (1 - cos ARCL), SD' the moon's semi-diameter seen from the place:
q = (ARCV - (11.8371 - 6.3226 W' + 0.7319 W'^2 - 0.1018 W'^3))~/~10.
* A (q above +0.216): easily visible to the naked eye.
* B (above -0.014): visible under perfect conditions.
* C (above -0.160): may need optical aid to find the crescent.
* D (above -0.232): will need optical aid to find the crescent.
* E (above -0.293): not visible with a telescope.
* F (-0.293 or less): not visible, below the Danjon limit.

A value on a boundary falls in the lower class.

^ Odeh's criterion

From M. Sh. Odeh, New Criterion for Lunar Crescent Visibility, Experimental Astronomy 18 (2004).
At the same best time, with the topocentric ARCV' and the width W = SD' (1 - cos ARCL'):
V = ARCV' - (-0.1018 W^3 + 0.7319 W^2 - 6.3226 W + 7.1651).
* A (V 5.65 or more): visible by naked eye.
* B (2.00 or more): visible by optical aid, and could be seen by naked eye.
* C (-0.96 or more): visible by optical aid only.
* D (below -0.96): not visible even by optical aid.

A value on a boundary falls in the upper zone.

Neither criterion is applied when the sun sets before the conjunction ("before conjunction") or,
after it, when the moon sets at or before the sun ("moon sets first"): there is then no best time
and no crescent to look for.

The last columns give this program's own visibility number and class for the same evening, as the
month-start tables compute them: not visible up to {notVisible}, probably not visible up to
{probNotVisible}, probably visible up to {probVisible}, and visible above. The
sun and the moon of every column come from the same solar and lunar theory; its sunsets, moonsets and arcs
agree with an exact ephemeris to a few hundredths of a degree and a fraction of a minute, its
conjunctions to a few minutes.

Pressing F1 will bring up this help screen.
)";

// --- Values taken from the program's constants ---------------------------------------------------------

using Values = std::vector<std::pair<std::string_view, std::string>>;

std::string Number(double value) { return num::CStr(value); }

// "651 BCE", "31 CE".
std::string YearLabel(double year) { return year < 0 ? Number(-year) + " BCE" : Number(year) + " CE"; }

// "4 April 651 BCE".
std::string DateLabel(double jd) {
  const CivilDate d = DateFromJD(jd);
  return Number(d.day) + " " +
         std::string(conversions::GregorianMonthNames[static_cast<std::size_t>(d.month)]) + " " +
         YearLabel(d.year);
}

// "42 degrees east and 38.5 degrees north" (the engine's longitudes are east negative).
std::string PlaceLabel(const runs::Place& place) {
  return Number(std::abs(place.longitude)) + "~degrees~" + (place.longitude <= 0 ? "east" : "west") +
         " and " + Number(std::abs(place.latitude)) + "~degrees~" + (place.latitude >= 0 ? "north" : "south");
}

// "UTC+2" from the engine's zone input (12 + the offset, east positive).
std::string ZoneLabel(const runs::Place& place) {
  const double offset = place.zoneHours - 12;
  return "UTC" + std::string(offset < 0 ? "-" : "+") + Number(std::abs(offset));
}

// "(27 x the illuminated percentage + the minutes from sunset to moonset + ...) / 1.7".
std::string VisibilityFormulaText() {
  const StatedVisibilityNumber& v = kStatedVisibilityNumber;
  auto term = [](double factor, std::string_view what) {
    return factor == 1 ? std::string(what) : Number(factor) + " x " + std::string(what);
  };
  return "(" + term(v.illumination, "the illuminated percentage") + " + " +
         term(v.lag, "the minutes from sunset to moonset") + " + " +
         term(v.moonAltitude, "the moon's altitude at sunset") + " - " +
         term(v.sunAltitude, "the sun's altitude at moonset") + ") / " + Number(v.divisor);
}

std::string MoladTimeLabel(const StatedMoladTime& t) {
  std::string text = Number(t.hours) + "~hours";
  if (t.parts != 0) text += " " + Number(t.parts) + "~parts";
  return text;
}

// "3, 6, 8, 11, 14, 17 and 19".
std::string LeapPositionsLabel() {
  std::vector<std::string> positions;
  for (std::size_t i = 1; i < conversions::HebrewLeapYears.size(); ++i) {
    if (conversions::HebrewLeapYears[i] != 0) positions.push_back(Number(static_cast<double>(i)));
  }
  std::string text;
  for (std::size_t i = 0; i < positions.size(); ++i) {
    if (i > 0) text += i + 1 == positions.size() ? " and " : ", ";
    text += positions[i];
  }
  return text;
}

std::string SectionStart(std::string_view key) { return YearLabel(FindSection(key)->startYear); }
std::string SectionEnd(std::string_view key) { return YearLabel(FindSection(key)->endYear); }

// The results of the runs that the texts quote as examples, as their reports
// give them (the tests check them against the runs).
struct QuotedResults {
  std::string_view jordanPassover = "Saturday, 27~April";
  std::string_view jordanWaveOffering = "Sunday, 28~April";
  std::string_view floodYears = "2349~BCE and 2348~BCE";
  std::string_view creationAbib1 = "Sunday, 29~March";
  std::string_view golgothaPassover = "Wednesday, 23~April";
};

Values AllValues() {
  using conversions::EasterWindowModel;
  using conversions::HebrewWindowModel;
  const QuotedResults quoted;
  const double joshuaYear = DateFromJD(kJoshuaJD).year;
  return {
      {"programName", std::string(kProgramName)},
      {"webAddress", std::string(kHelpWebAddress)},
      {"minYear", YearLabel(runs::kRunYearMin)},
      {"maxYear", YearLabel(runs::kRunYearMax)},
      {"minYearNumber", Number(runs::kRunYearMin)},
      {"maxYearNumber", Number(runs::kRunYearMax)},
      {"creationMinYearNumber", Number(runs::kCreationYearMin)},
      {"notVisible", Number(kNotVisibleUpTo)},
      {"probNotVisible", Number(kProbablyNotVisibleUpTo)},
      {"probVisible", Number(kProbablyVisibleUpTo)},
      {"visibilityFormula", VisibilityFormulaText()},
      {"hezekiahDate", DateLabel(kHezekiahJD)},
      {"hezekiahJD", Number(kHezekiahJD)},
      {"hezekiahMinutes", Number(kStatedHezekiahMinutes)},
      {"joshuaDate", DateLabel(kJoshuaJD)},
      {"joshuaJD", Number(kJoshuaJD)},
      {"joshuaYear", YearLabel(joshuaYear)},
      {"creationYear1", YearLabel(kStatedFirstYearAfterCreation)},
      {"jerusalemZone", ZoneLabel(runs::kJerusalemPlace)},
      {"creationPlace", PlaceLabel(runs::kCreationPlace)},
      {"creationZone", ZoneLabel(runs::kCreationPlace)},
      {"floodPlace", PlaceLabel(runs::kFloodPlace)},
      {"maxLatitude", Number(kMaxLatitude)},
      {"maxLocations", Number(kMaxAddedLocations)},
      {"locationNameLength", Number(static_cast<double>(HolyDaysWindow::kLocationNameMaxCharacters))},
      {"golgothaStart", SectionStart("Golgotha")},
      {"golgothaEnd", SectionEnd("Golgotha")},
      {"jordanStart", SectionStart("Jordan")},
      {"jordanEnd", SectionEnd("Jordan")},
      {"floodStart", SectionStart("Flood")},
      {"floodEnd", SectionEnd("Flood")},
      {"creationStart", SectionStart("Creation")},
      {"creationEnd", SectionEnd("Creation")},
      {"jordanPassover", std::string(quoted.jordanPassover) + " " + YearLabel(joshuaYear)},
      {"jordanWaveOffering", std::string(quoted.jordanWaveOffering)},
      {"floodYears", std::string(quoted.floodYears)},
      {"creationAbib1", std::string(quoted.creationAbib1) + " " + YearLabel(kStatedFirstYearAfterCreation)},
      {"golgothaPassover", std::string(quoted.golgothaPassover) + " 31~CE"},
      {"hebrewMinYear", Number(HebrewWindowModel::kMinYear)},
      {"hebrewMaxYear", Number(HebrewWindowModel::kMaxYear)},
      {"hebrewLeapPositions", LeapPositionsLabel()},
      {"zakein", MoladTimeLabel(kStatedMoladZakein)},
      {"gatarad", MoladTimeLabel(kStatedGatarad)},
      {"betutkafot", MoladTimeLabel(kStatedBetutkafot)},
      {"easterYears", Number(EasterWindowModel::kYearsListed)},
      {"easterMinYear", Number(EasterWindowModel::kMinYear)},
      {"easterMaxYear", Number(EasterWindowModel::kMaxYear)},
      {"firstGregorianEaster", Number(EasterWindowModel::kFirstGregorianYear)},
      {"lastJulianEaster", Number(EasterWindowModel::kFirstGregorianYear - 1)},
  };
}

// The value of the placeholder `name`, or nothing for a name it does not know.
const std::string* ValueOf(std::string_view name, const Values& values) {
  for (const auto& [key, value] : values) {
    if (key == name) return &value;
  }
  return nullptr;
}

std::string Substitute(std::string_view source, const Values& values) {
  std::string out;
  out.reserve(source.size() + source.size() / 8);
  std::size_t i = 0;
  while (i < source.size()) {
    const std::size_t close = source[i] == '{' ? source.find('}', i) : std::string_view::npos;
    const std::string* value =
        close != std::string_view::npos ? ValueOf(source.substr(i + 1, close - i - 1), values) : nullptr;
    if (value != nullptr) {
      out += *value;
      i = close + 1;
    } else {
      out += source[i++];
    }
  }
  return out;
}

// --- Layout ------------------------------------------------------------------------------

std::string Centred(std::string_view text) {
  const std::size_t pad = text.size() < kHelpLineLength ? (kHelpLineLength - text.size()) / 2 : 0;
  return std::string(pad, ' ') + std::string(text);
}

std::string Capitals(std::string_view text) {
  std::string out(text);
  // Letters a to z only, whatever the process locale: other bytes belong to
  // UTF-8 sequences, which a single-byte locale's upper-casing would break.
  for (char& c : out) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return out;
}

// A paragraph broken into lines at blanks, each line as full as it can be.
void Wrap(const std::string& paragraph, std::vector<std::string>& lines) {
  std::string line(kHelpFirstLineIndent, ' ');
  std::size_t wordsOnLine = 0;
  std::size_t pos = 0;
  while (pos < paragraph.size()) {
    if (paragraph[pos] == ' ') {
      ++pos;
      continue;
    }
    std::size_t end = paragraph.find(' ', pos);
    if (end == std::string::npos) end = paragraph.size();
    std::string word = paragraph.substr(pos, end - pos);
    for (char& c : word) {
      if (c == '~') c = ' ';
    }
    pos = end;
    if (wordsOnLine > 0 && line.size() + 1 + word.size() > kHelpLineLength) {
      lines.push_back(line);
      line.assign(kHelpOtherLineIndent, ' ');
      wordsOnLine = 0;
    }
    if (wordsOnLine > 0) line += ' ';
    line += word;
    ++wordsOnLine;
  }
  if (wordsOnLine > 0) lines.push_back(line);
}

std::string LayOut(std::string_view source) {
  std::vector<std::string> lines;
  std::string paragraph;
  auto endParagraph = [&] {
    if (!paragraph.empty()) Wrap(paragraph, lines);
    paragraph.clear();
  };
  std::size_t pos = 0;
  while (pos <= source.size()) {
    std::size_t end = source.find('\n', pos);
    if (end == std::string_view::npos) end = source.size();
    const std::string_view line = source.substr(pos, end - pos);
    pos = end + 1;
    if (line.empty()) {
      endParagraph();
      if (!lines.empty() && !lines.back().empty()) lines.emplace_back();
    } else if (line.starts_with("= ")) {
      endParagraph();
      lines.push_back(Centred(Capitals(line.substr(2)) + "    " + std::string(kVersionMark)));
    } else if (line.starts_with("^ ")) {
      endParagraph();
      lines.push_back(Centred(line.substr(2)));
    } else if (line.starts_with("* ")) {
      endParagraph();
      paragraph = line.substr(2);
    } else {
      if (!paragraph.empty()) paragraph += ' ';
      paragraph += line;
    }
  }
  endParagraph();
  while (!lines.empty() && lines.back().empty()) lines.pop_back();
  lines.emplace_back();
  lines.push_back(HelpClosingLine());

  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += kLineEnd;
    text += lines[i];
  }
  return text;
}

std::string_view SourceOf(std::string_view key) {
  if (key == "HolyDays") return kHolyDaysText;
  if (key == "LocalMoons") return kLocalMoonsText;
  if (key == "Sunset") return kSunsetText;
  if (key == "Jordan") return kJordanText;
  if (key == "Flood") return kFloodText;
  if (key == "Creation") return kCreationText;
  if (key == "Golgotha") return kGolgothaText;
  if (key == "Times") return kTimesText;
  if (key == "Rabbinic") return kRabbinicText;
  if (key == "Easter") return kEasterText;
  if (key == "Conversions") return kConversionsText;
  if (key == "Crescent") return kCrescentText;
  return {};
}

}  // namespace

std::string HelpClosingLine() {
  return Centred(std::string(kProgramName) + "  -  " + std::string(kHelpWebAddress));
}

std::string BuildHelpText(std::string_view key) {
  const std::string_view source = SourceOf(key);
  if (source.empty()) return {};
  return LayOut(Substitute(source, AllValues()));
}

}  // namespace orvane::app
