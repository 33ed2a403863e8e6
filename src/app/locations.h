// Coordinates between the degree and minute boxes and decimal degrees.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orvane::app {

// The most a place may lie from the equator, degrees: up to here the sun
// rises and sets on every day of every year.  A larger latitude typed into
// the boxes is used as this.
inline constexpr double kMaxLatitude = 60.99;
// The largest longitude used, degrees.
inline constexpr double kMaxLongitude = 180;

// Degrees and minutes as decimal degrees, without sign: |degrees| + minutes / 60.
//   DegMinToDecimal(31, 47) = 31.783333333333335; DegMinToDecimal(-35, 13) = 35.21666666666667.
double DegMinToDecimal(std::int16_t degrees, std::int16_t minutes);

// The whole degrees of |x| as a 16-bit integer, truncated; a value beyond
// the 16-bit range gives 32767 instead of overflowing.
//   WholeDegrees(-33.8666666666667) = 33.
std::int16_t WholeDegrees(double x);

// The whole minutes of |x| beyond its whole degrees, truncated, not rounded.
//   WholeMinutes(31.7833333333333) = 46 (0.7833333333333 x 60 = 46.999999999998);
//   WholeMinutes(-33.8666666666667) = 52.
std::int16_t WholeMinutes(double x);

// The value of a box as the add and edit of a location take it: the leading
// number of the text, rounded to a whole number (ties to even), 0 for an
// empty box, saturated to the 16-bit range.
//   BoxInteger("47") = 47, BoxInteger("") = 0.
std::int16_t BoxInteger(std::string_view text);

// The largest offset of a zone's standard time from UTC, hours.  The zones
// of the earth lie from 12 hours west (Baker Island) to 14 east (Kiribati);
// the offset box holds the hours without a sign.
inline constexpr double kMaxZoneOffset = 14;

// The hours of an offset text as the offset box and the data file hold it:
// an unsigned number, digits with at most one decimal point, from 0 to
// kMaxZoneOffset.  Nothing for any other text.
//   ZoneOffsetHours("5.5") = 5.5, ZoneOffsetHours("14") = 14, ZoneOffsetHours(".5") = 0.5;
//   nothing for "15", "-5", "1.2.3", "1e308", " 2", "." and "".
std::optional<double> ZoneOffsetHours(std::string_view text);

// The text the offset box holds once it is left: a text that is no offset
// by ZoneOffsetHours becomes its value brought into 0..kMaxZoneOffset and
// rounded to hundredths of an hour, in the general number form.  An empty
// box (no offset, 0) stays empty.
//   OffsetBoxOnLeaving("99") = "14", OffsetBoxOnLeaving("1.2.3") = "1.2",
//   OffsetBoxOnLeaving("-5") = "0", OffsetBoxOnLeaving("5.5") = "5.5",
//   OffsetBoxOnLeaving("1E-6") = "0".
std::string OffsetBoxOnLeaving(std::string_view text);

// The zone of the caption: the value of the offset box in the general
// number form, which keeps the zero before a point.
//   ZoneCaptionText("5.5") = "5.5", ZoneCaptionText(".5") = "0.5", ZoneCaptionText("") = "0".
std::string ZoneCaptionText(std::string_view gmtBox);

}  // namespace orvane::app
