// The logic of the Rabbinical-year window: for one Gregorian year, the month
// starts of the Rabbinical 'sacred' year beginning at its Nisan and the
// Rabbinical holy days, all as Gregorian dates, in a fixed-pitch text box.
#pragma once

#include <string>
#include <string_view>

#include "conversions/hebrew_calendar.h"
#include "conversions/year_box.h"
#include "engine/host.h"

namespace orvane::conversions {

class HebrewWindowModel {
 public:
  static constexpr std::string_view kCaption = "Hebrew Calendar - Rabbinic";
  static constexpr std::string_view kInitialYearText = "2000";
  static constexpr std::string_view kHelpKey = "Rabbinic";
  static constexpr int kMinYear = -4600;
  static constexpr int kMaxYear = 32000;

  // The help provider defaults to empty texts, the clock to the system clock.
  explicit HebrewWindowModel(Beeper& beeper, HelpProvider help = {}, YearClock clock = {});

  // The window opens with the current year in the year box and its help text
  // in the output box.
  void Form_Load();
  // F1 anywhere in the window shows the help text; the key is then dropped (0).
  void Form_KeyDown(int& key_code);
  void cmdHelp_Click();
  // Clamps the year box silently (0 becomes -1, then -4600..32000) and writes
  // the listing of that year into the output box.
  void cmdCompute_Click();
  // Enter computes; digits, "-" and Backspace pass; any other key is dropped
  // (set to 0) with a beep.
  void txtYear_KeyPress(int& key_ascii);
  // Up and Down step the year, passing over year 0.
  void txtYear_KeyDown(int key_code);

  // Appends one date in the short form "TUE,09 APR 2024" (true weekday).
  void WriteDateLine(double jd);
  // Appends the Rabbinical holy days of a Gregorian year (historical).
  void WriteRabbinicalHolyDays(int year);

  const std::string& YearText() const { return year_text_; }
  void SetYearText(std::string_view text) { year_text_ = text; }
  // The output box; lines end in CR LF.
  const std::string& OutputText() const { return out_; }

  // The output box after Compute with `year_text` in the year box.
  std::string ListingFor(std::string_view year_text);

 private:
  void Append(std::string_view text) { out_ += text; }

  Beeper& beeper_;
  HelpProvider help_;
  YearClock clock_;
  HebrewCalendar calendar_;
  std::string year_text_{kInitialYearText};
  std::string out_;
};

// The Rabbinical listing of a year given as the year box would hold it
// ("2024", "-1"), exactly as the window's output box shows it after Compute.
std::string RabbinicalYearListing(std::string_view year_text);

}  // namespace orvane::conversions
