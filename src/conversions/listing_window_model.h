// What the Rabbinical-year and Easter windows share: a year box with its
// keys, a compute button, a help button and an output box whose lines end
// in CR LF.  Each window says what its compute button lists.
#pragma once

#include <string>
#include <string_view>

#include "conversions/help_provider.h"
#include "engine/host.h"
#include "engine/local_clock.h"

namespace orvane::conversions {

class ListingWindowModel {
 public:
  ListingWindowModel(const ListingWindowModel&) = delete;
  ListingWindowModel& operator=(const ListingWindowModel&) = delete;
  virtual ~ListingWindowModel() = default;

  // The window opens with the current year in the year box and its help text
  // in the output box.
  void Form_Load();
  // F1 anywhere in the window shows the help text; the key is then dropped (0).
  void Form_KeyDown(int& keyCode);
  void cmdHelp_Click();
  // Enter runs the compute button; digits, "-" and Backspace pass; any other
  // key is dropped (set to 0) with a beep.
  void txtYear_KeyPress(int& keyAscii);
  // Up and Down step the year, passing over year 0.
  void txtYear_KeyDown(int keyCode);

  const std::string& YearText() const { return yearText_; }
  void SetYearText(std::string_view text) { yearText_ = text; }
  // The output box; lines end in CR LF.
  const std::string& OutputText() const { return out_; }

  // The output box after the compute button with `yearText` in the year box.
  std::string ListingFor(std::string_view yearText);

 protected:
  // The help provider may be empty (empty texts), the clock too (the system
  // clock).  `helpKey` names the window's help text.
  ListingWindowModel(Beeper& beeper, HelpProvider help, DateClock clock, std::string_view helpKey,
                     std::string_view initialYearText);

  // The window's compute button.
  virtual void Compute() = 0;

  Beeper& beeper_;
  std::string yearText_;
  std::string out_;

 private:
  HelpProvider help_;
  DateClock clock_;
  std::string_view helpKey_;
};

}  // namespace orvane::conversions
