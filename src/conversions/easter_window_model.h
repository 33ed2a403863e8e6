// The logic of the Easter window: 'Good Friday' and Easter Sunday for sixty
// consecutive years, by the Gregorian computus from 1583 on and by the Julian
// computus, in Julian-calendar dates, before.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "conversions/listing_window_model.h"

namespace orvane::conversions {

// One line of the Easter list: the year and its two days, in the calendar of
// the computus the line uses.
struct EasterDates {
  int year = 0;
  bool julian = false;  // Julian-calendar dates (before 1583)
  int goodFridayMonth = 0, goodFridayDay = 0;
  int easterMonth = 0, easterDay = 0;
};

class EasterWindowModel : public ListingWindowModel {
 public:
  static constexpr std::string_view kCaption = "Easter";
  static constexpr std::string_view kInitialYearText = "Year";
  static constexpr std::string_view kYearToolTip = "Year to calculate. (1 to 9499)";
  // The list holds sixty years (the tooltip once said 500).
  static constexpr std::string_view kEasterToolTip = "Computes 60 years of dates.";
  static constexpr std::string_view kHelpKey = "Easter";
  static constexpr int kMinYear = 1;
  static constexpr int kMaxYear = 9499;
  static constexpr int kYearsListed = 60;
  static constexpr int kFirstGregorianYear = 1583;

  // The help provider defaults to empty texts, the clock to the system clock.
  explicit EasterWindowModel(Beeper& beeper, HelpProvider help = {}, DateClock clock = {});

  // Clamps the year box to 1..9499 with a beep and writes 60 lines, one per
  // year from it on.
  void cmdEaster_Click();

  // Append the line of EasterYear by the Gregorian or the Julian computus.
  void GregorianEasterLine();
  void JulianEasterLine();

  // " 05", " 29": a day of the month as a blank and two digits.
  static std::string DayText3(int day);
  // "0033", "2024": a year as at least four digits.
  static std::string YearText4(int year);

  double EasterYear() const { return easterYear_; }
  // The lines of the list last computed, as data.
  const std::vector<EasterDates>& Listed() const { return listed_; }
  void SetEasterYear(double year) { easterYear_ = year; }

 private:
  void Compute() override { cmdEaster_Click(); }
  // Appends the line of a year whose Easter Sunday is `day` `month` (3 or 4).
  void AppendLine(int year, int month, int day, bool julian);

  double easterYear_ = 0;  // the year counter of the listing
  std::vector<EasterDates> listed_;
};

// The Easter list of a year given as the year box would hold it ("2024"),
// exactly as the window's output box shows it after Find Easter.  The beep of
// a clamped year is not sounded.
std::string EasterListing(std::string_view yearText);

}  // namespace orvane::conversions
