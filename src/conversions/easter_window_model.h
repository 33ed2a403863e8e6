// The logic of the Easter window: 'Good Friday' and Easter Sunday for sixty
// consecutive years, by the Gregorian computus from 1583 on and by the Julian
// computus, in Julian-calendar dates, before.
#pragma once

#include <string>
#include <string_view>

#include "conversions/year_box.h"
#include "engine/host.h"

namespace orvane::conversions {

class EasterWindowModel {
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
  explicit EasterWindowModel(Beeper& beeper, HelpProvider help = {}, YearClock clock = {});

  // The window opens with the current year in the year box and its help text
  // in the output box.
  void Form_Load();
  // F1 anywhere in the window shows the help text; the key is then dropped (0).
  void Form_KeyDown(int& key_code);
  void cmdHelp_Click();
  // Clamps the year box to 1..9499 with a beep and writes 60 lines, one per
  // year from it on.
  void cmdEaster_Click();
  // Enter finds Easter; digits, "-" and Backspace pass; any other key is
  // dropped (set to 0) with a beep.
  void txtYear_KeyPress(int& key_ascii);
  // Up and Down step the year, passing over year 0.
  void txtYear_KeyDown(int key_code);

  // Append the line of EasterYear by the Gregorian or the Julian computus.
  void GregorianEasterLine();
  void JulianEasterLine();

  // " 05", " 29": a day of the month as a blank and two digits.
  static std::string DayText3(int day);
  // "0033", "2024": a year as at least four digits.
  static std::string YearText4(int year);

  const std::string& YearText() const { return year_text_; }
  void SetYearText(std::string_view text) { year_text_ = text; }
  // The output box; lines end in CR LF.
  const std::string& OutputText() const { return out_; }
  double EasterYear() const { return easter_year_; }
  void SetEasterYear(double year) { easter_year_ = year; }

  // The output box after Find Easter with `year_text` in the year box.
  std::string ListingFor(std::string_view year_text);

 private:
  // Appends the line of a year whose Easter Sunday is `day` `month` (3 or 4).
  void AppendLine(int year, int month, int day, bool julian);

  Beeper& beeper_;
  HelpProvider help_;
  YearClock clock_;
  std::string year_text_{kInitialYearText};
  std::string out_;
  double easter_year_ = 0;  // the year counter of the listing
};

// The Easter list of a year given as the year box would hold it ("2024"),
// exactly as the window's output box shows it after Find Easter.  The beep of
// a clamped year is not sounded.
std::string EasterListing(std::string_view year_text);

}  // namespace orvane::conversions
