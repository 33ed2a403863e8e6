// Puts any text into one of the program's number boxes, as a paste does
// (past the key filters), runs what reads the box and checks what every
// reading must keep.  Used by the text-box fuzz target and by the replay of
// its inputs in the tests.
#pragma once

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <utility>

#include "app/help_texts.h"
#include "app/holy_days_window.h"
#include "app/locations.h"
#include "conversions/conversion_window_model.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"
#include "engine/numeric.h"

namespace orvane::testing {

// The boxes, chosen by the first byte of an input.
// clang-format off
enum class NumberBox {
  GregorianYear, GregorianDay, JulianYear, JulianDay, BiblicalYear, BiblicalDay, RabbinicalYear,
  RabbinicalDay, DayCount, RabbinicalListingYear, EasterYear, MainYear, LatitudeDegrees, LatitudeMinutes,
  LatitudeDirection, LongitudeDegrees, LongitudeMinutes, LongitudeDirection, ZoneOffset
};
// clang-format on
inline constexpr int kNumberBoxCount = 19;

namespace detail {

// The five columns of the conversion window, as one text to compare.
inline std::string Columns(const conversions::ConversionWindowModel& m) {
  return m.txtGDay + "/" + std::to_string(m.lstGMonth.ListIndex) + "/" + m.txtGYear + " " + m.txtJCDay + "/" +
         std::to_string(m.lstJCMonth.ListIndex) + "/" + m.txtJCYear + " " + m.txtBDay + "/" +
         std::to_string(m.lstBMonth.ListIndex) + "/" + m.txtBYear + " " + m.txtHDay + "/" +
         std::to_string(m.lstHMonth.ListIndex) + "/" + m.txtHYear + " " + m.txtJDCount;
}

inline std::string ConversionBox(NumberBox box, const std::string& text) {
  using conversions::ConversionWindowModel;
  SilentBeeper beeper;
  app::HolyDaysWindow main(beeper);
  main.Form_Load(2024);
  ConversionWindowModel m(main.engine(), beeper, {}, [] { return ClockDate{2024, 4, 9}; });
  m.Form_Load();
  // The year and day boxes come in pairs, a column's year first.
  using M = ConversionWindowModel;
  const struct {
    std::string M::*year;
    std::string M::*day;
    void (M::*compute)();
  } columns[] = {{&M::txtGYear, &M::txtGDay, &M::cmdGCompute_Click},
                 {&M::txtJCYear, &M::txtJCDay, &M::cmdJCCompute_Click},
                 {&M::txtBYear, &M::txtBDay, &M::cmdBCompute_Click},
                 {&M::txtHYear, &M::txtHDay, &M::cmdHCompute_Click},
                 {&M::txtJDCount, &M::txtJDCount, &M::cmdJCompute_Click}};
  const auto& column = columns[static_cast<int>(box) / 2];
  m.*(static_cast<int>(box) % 2 == 0 ? column.year : column.day) = text;
  (m.*column.compute)();
  // Every column is rebuilt from the Julian day: computing again from the
  // day shown shows the same day in every column.  (The Biblical and
  // Gregorian year limits reach a little beyond the Julian day box's, where
  // computing from the box would bring the day to its limit.)
  const double jd = num::Val(m.txtJDCount);
  if (!std::isfinite(jd) || m.txtJDCount != num::CStr(jd)) return "the Julian day box holds " + m.txtJDCount;
  if (jd < ConversionWindowModel::kMinDayCount || jd > ConversionWindowModel::kMaxDayCount) return {};
  const std::string shown = Columns(m);
  m.cmdJCompute_Click();
  return Columns(m) == shown ? ""
                             : "computing again from the day shown gives " + Columns(m) + ", not " + shown;
}

inline std::string Listing(NumberBox box, const std::string& text) {
  SilentBeeper beeper;
  const auto help = [](std::string_view key) { return app::BuildHelpText(key); };
  const auto clock = [] { return ClockDate{2024, 1, 1}; };
  if (box == NumberBox::RabbinicalListingYear) {
    conversions::HebrewWindowModel w(beeper, help, clock);
    w.Form_Load();
    return w.ListingFor(text).empty() ? "no listing" : "";
  }
  conversions::EasterWindowModel w(beeper, help, clock);
  w.Form_Load();
  // Sixty years from a year within the window's limits.
  const std::string listing = w.ListingFor(text);
  const auto lines = static_cast<int>(std::count(listing.begin(), listing.end(), '\n'));
  return lines == conversions::EasterWindowModel::kYearsListed ? "" : std::to_string(lines) + " lines listed";
}

inline std::string MainWindowBox(NumberBox box, const std::string& text) {
  using Control = app::HolyDaysWindow::Control;
  SilentBeeper beeper;
  app::HolyDaysWindow w(beeper);
  w.SetUserDataWritable(false);
  w.Form_Load(2024);
  if (box == NumberBox::MainYear) {
    w.SetFocus(Control::txtYear);
    w.txtYear = text;
    w.SetFocus(Control::None);
    w.cmdHolyDays_Click();
    const double year = num::Val(w.txtYear);
    return year >= -4004 && year <= 9999 && year != 0 ? "" : "the year box holds " + w.txtYear;
  }
  const std::pair<Control, app::TextBox*> fields[] = {
      {Control::txtLatDeg, &w.txtLatDeg},   {Control::txtLatMin, &w.txtLatMin},
      {Control::txtLatDir, &w.txtLatDir},   {Control::txtLongDeg, &w.txtLongDeg},
      {Control::txtLongMin, &w.txtLongMin}, {Control::txtLonDir, &w.txtLonDir},
      {Control::txtGMT, &w.txtGMT}};
  const auto& [control, field] = fields[static_cast<int>(box) - static_cast<int>(NumberBox::LatitudeDegrees)];
  w.SwitchSection("LocalMoons");
  w.SetFocus(control);
  w.SetCoordinateText(*field, text);
  w.SetFocus(Control::None);
  w.cmdLocMon_Click();
  // The place the engine worked at lies where the sun sets every day.
  const EphemerisState& st = w.state();
  if (!(std::fabs(st.Latitude) <= app::kMaxLatitude && std::fabs(st.Longitude) <= app::kMaxLongitude)) {
    return "the place " + std::to_string(st.Latitude) + ", " + std::to_string(st.Longitude);
  }
  if (!w.txtGMT.Text.empty() && !app::ZoneOffsetHours(w.txtGMT.Text))
    return "the offset box holds " + w.txtGMT.Text;
  return w.OutputText().empty() ? "no report" : "";
}

}  // namespace detail

// What is wrong after the text of `input` (all but its first byte) was put
// into the box its first byte picks; empty when nothing is.
inline std::string ProblemWithTextBox(std::string_view input) {
  if (input.empty()) return {};
  const auto box = static_cast<NumberBox>(static_cast<unsigned char>(input[0]) % kNumberBoxCount);
  const std::string text(input.substr(1));
  if (box <= NumberBox::DayCount) return detail::ConversionBox(box, text);
  if (box <= NumberBox::EasterYear) return detail::Listing(box, text);
  return detail::MainWindowBox(box, text);
}

}  // namespace orvane::testing
