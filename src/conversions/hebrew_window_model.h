// The logic of the Rabbinical-year window: for one Gregorian year, the month
// starts of the Rabbinical 'sacred' year beginning at its Nisan and the
// Rabbinical holy days, all as Gregorian dates, in a fixed-pitch text box.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversions/hebrew_calendar.h"
#include "conversions/listing_window_model.h"

namespace orvane::conversions {

// A day the listing states: its label as the listing words it and the JD of
// its midnight (a value ending in .5).
struct ListedDay {
  std::string label;
  double jd = 0;
};

// The listing of the last Compute as data.
struct RabbinicalYear {
  int year = 0;          // the Gregorian year of its Nisan, historical
  int hebrewYear = 0;    // the Rabbinical year that contains that Nisan
  std::string yearType;  // of the Rabbinical year that began the autumn before
  // The first of each month of the 'sacred' year, labelled "Nisan 5784".
  std::vector<ListedDay> monthStarts;
  // The holy days, labelled as the listing names them.
  std::vector<ListedDay> holyDays;
};

class HebrewWindowModel : public ListingWindowModel {
 public:
  static constexpr std::string_view kCaption = "Hebrew Calendar - Rabbinic";
  static constexpr std::string_view kInitialYearText = "2000";
  static constexpr std::string_view kHelpKey = "Rabbinic";
  static constexpr int kMinYear = -4600;
  static constexpr int kMaxYear = 32000;

  // The help provider defaults to empty texts, the clock to the system clock.
  explicit HebrewWindowModel(Beeper& beeper, HelpProvider help = {}, DateClock clock = {});

  // The calendar's month lengths back to their defaults, then as every
  // listing window opens.
  void Form_Load();
  // Clamps the year box silently (0 becomes -1, then -4600..32000) and writes
  // the listing of that year into the output box.
  void cmdCompute_Click();

  // Appends one date in the short form "TUE,09 APR 2024" (true weekday).
  void WriteDateLine(double jd);
  // Appends the Rabbinical holy days of a Gregorian year (historical).
  void WriteRabbinicalHolyDays(int year);

  // The listing last computed, as data.
  const RabbinicalYear& Listed() const { return listed_; }

 private:
  void Compute() override { cmdCompute_Click(); }
  void Append(std::string_view text) { out_ += text; }

  // Appends the label, then the date line of `jd`, and keeps both.
  void WriteHolyDay(std::string_view text, std::string_view label, double jd);

  HebrewCalendar calendar_;
  RabbinicalYear listed_;
};

// The Rabbinical listing of a year given as the year box would hold it
// ("2024", "-1"), exactly as the window's output box shows it after Compute.
std::string RabbinicalYearListing(std::string_view yearText);

}  // namespace orvane::conversions
