#include "conversions/listing_window_model.h"

#include <utility>

#include "engine/numeric.h"
#include "engine/year_box.h"

namespace orvane::conversions {

ListingWindowModel::ListingWindowModel(Beeper& beeper, HelpProvider help, DateClock clock,
                                       std::string_view helpKey, std::string_view initialYearText)
    : beeper_(beeper),
      yearText_(initialYearText),
      help_(std::move(help)),
      clock_(std::move(clock)),
      helpKey_(helpKey) {}

void ListingWindowModel::Form_Load() {
  yearText_ = num::CStr(Today(clock_).year);
  cmdHelp_Click();
}

void ListingWindowModel::Form_KeyDown(int& keyCode) {
  if (keyCode != kKeyF1) return;
  cmdHelp_Click();
  keyCode = 0;
}

void ListingWindowModel::cmdHelp_Click() { out_ = help_ ? help_(helpKey_) : std::string(); }

void ListingWindowModel::txtYear_KeyPress(int& keyAscii) {
  if (keyAscii == kKeyEnter) {
    Compute();
    keyAscii = 0;
  } else if (!YearBoxAcceptsKey(keyAscii)) {
    beeper_.Beep();
    keyAscii = 0;
  }
}

void ListingWindowModel::txtYear_KeyDown(int keyCode) { yearText_ = YearBoxStep(yearText_, keyCode); }

std::string ListingWindowModel::ListingFor(std::string_view yearText) {
  SetYearText(yearText);
  Compute();
  return out_;
}

}  // namespace orvane::conversions
