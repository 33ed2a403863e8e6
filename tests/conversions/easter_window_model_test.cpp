#include "conversions/easter_window_model.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "conversions/reference_calendar.h"
#include "engine/year_box.h"

namespace orvane::conversions {
namespace {

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// Lines of the output box; every line ends in CR LF.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find("\r\n", start);
    EXPECT_NE(end, std::string::npos) << "unterminated last line";
    if (end == std::string::npos) break;
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

// The line layout for an Easter Sunday on `day` `month`; Good Friday two days
// before, back in March when Easter is on 1 or 2 April.
std::string LayoutLine(int year, int month, int day, bool julian) {
  const int friday = day > 2 ? day : day + 31;
  const int friday_month = day > 2 ? month : 3;
  auto name = [](int m) { return m == 3 ? "March" : "April"; };
  char line[160];
  std::snprintf(line, sizeof line, "'Good Friday' is %02d %s, %04d   Easter Sunday is %02d %s, %04d%s",
                friday - 2, name(friday_month), year, day, name(month), year, julian ? " (Julian)" : "");
  return line;
}

// The expected lines for `count` years from `first`, from the reference file.
std::vector<std::string> ReferenceLines(int first, int count) {
  static const std::vector<reference::VectorDate> dates = reference::ReadVectors("easter_dateutil.txt");
  std::vector<std::string> lines;
  for (int year = first; year < first + count; ++year) {
    const auto& d = dates.at(static_cast<std::size_t>(year - 1));
    EXPECT_EQ(d.year, year);
    lines.push_back(LayoutLine(d.year, d.month, d.day, d.tag == "J"));
  }
  return lines;
}

TEST(EasterText, NumberForms) {
  EXPECT_EQ(EasterWindowModel::DayText3(5), " 05");
  EXPECT_EQ(EasterWindowModel::DayText3(10), " 10");
  EXPECT_EQ(EasterWindowModel::DayText3(29), " 29");
  EXPECT_EQ(EasterWindowModel::YearText4(1), "0001");
  EXPECT_EQ(EasterWindowModel::YearText4(33), "0033");
  EXPECT_EQ(EasterWindowModel::YearText4(1583), "1583");
  EXPECT_EQ(EasterWindowModel::YearText4(9558), "9558");
}

TEST(EasterList, Start2024) {
  const std::vector<std::string> lines = Lines(EasterListing("2024"));
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "'Good Friday' is 29 March, 2024   Easter Sunday is 31 March, 2024");
  EXPECT_EQ(lines[1], "'Good Friday' is 18 April, 2025   Easter Sunday is 20 April, 2025");
  EXPECT_EQ(lines, ReferenceLines(2024, 60));
}

TEST(EasterList, Start1582EndsTheJulianLinesAtOnce) {
  const std::vector<std::string> lines = Lines(EasterListing("1582"));
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "'Good Friday' is 13 April, 1582   Easter Sunday is 15 April, 1582 (Julian)");
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_EQ(lines[i].find("Julian"), std::string::npos) << lines[i];
  }
  EXPECT_EQ(lines, ReferenceLines(1582, 60));
}

TEST(EasterList, Start9499ListsTo9558) {
  const std::vector<std::string> lines = Lines(EasterListing("9499"));
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines.front().substr(lines.front().size() - 4), "9499");
  EXPECT_EQ(lines.back().substr(lines.back().size() - 4), "9558");
  EXPECT_EQ(lines, ReferenceLines(9499, 60));
}

TEST(EasterList, EarlyYearsUseTheJulianComputus) {
  const std::vector<std::string> lines = Lines(EasterListing("33"));
  ASSERT_EQ(lines.size(), 60u);
  EXPECT_EQ(lines[0], "'Good Friday' is 03 April, 0033   Easter Sunday is 05 April, 0033 (Julian)");
  EXPECT_EQ(lines, ReferenceLines(33, 60));
}

TEST(EasterList, EveryYearAgreesWithDateutil) {
  SilentBeeper beeper;
  EasterWindowModel model(beeper);
  for (int year = 1; year <= 9999; ++year) {
    model.SetEasterYear(year);
    if (year < EasterWindowModel::kFirstGregorianYear) {
      model.JulianEasterLine();
    } else {
      model.GregorianEasterLine();
    }
  }
  const std::vector<std::string> lines = Lines(model.OutputText());
  const std::vector<std::string> expected = ReferenceLines(1, 9999);
  ASSERT_EQ(lines.size(), expected.size());
  int disagreements = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (lines[i] != expected[i] && ++disagreements <= 10) ADD_FAILURE() << lines[i] << "\n" << expected[i];
  }
  EXPECT_EQ(disagreements, 0);
}

TEST(EasterList, GoodFridayCrossesIntoMarch) {
  SilentBeeper beeper;
  EasterWindowModel model(beeper);
  for (int year : {2018, 1961, 1818, 2285}) {
    model.SetEasterYear(year);
    model.GregorianEasterLine();
  }
  const std::vector<std::string> lines = Lines(model.OutputText());
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[0], "'Good Friday' is 30 March, 2018   Easter Sunday is 01 April, 2018");
  EXPECT_EQ(lines[1], "'Good Friday' is 31 March, 1961   Easter Sunday is 02 April, 1961");
  EXPECT_EQ(lines[2], "'Good Friday' is 20 March, 1818   Easter Sunday is 22 March, 1818");
  EXPECT_EQ(lines[3], "'Good Friday' is 20 March, 2285   Easter Sunday is 22 March, 2285");
}

TEST(EasterList, JulianComputusGivesTheOrthodoxEaster) {
  // Orthodox Easter 2023, 2024, 2025: 16 April, 5 May, 20 April (Gregorian),
  // thirteen days after the Julian dates.
  SilentBeeper beeper;
  EasterWindowModel model(beeper);
  for (int year : {2023, 2024, 2025}) {
    model.SetEasterYear(year);
    model.JulianEasterLine();
  }
  const std::vector<std::string> lines = Lines(model.OutputText());
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], "'Good Friday' is 01 April, 2023   Easter Sunday is 03 April, 2023 (Julian)");
  EXPECT_EQ(lines[1], "'Good Friday' is 20 April, 2024   Easter Sunday is 22 April, 2024 (Julian)");
  EXPECT_EQ(lines[2], "'Good Friday' is 05 April, 2025   Easter Sunday is 07 April, 2025 (Julian)");
}

TEST(EasterWindow, ClampsTheStartYearWithABeep) {
  CountingBeeper beeper;
  EasterWindowModel model(beeper);
  struct Case {
    const char* entered;
    const char* corrected;
  };
  int expected_beeps = 0;
  for (const Case c : {Case{"0", "1"}, Case{"-5", "1"}, Case{"Year", "1"}, Case{"", "1"},
                       Case{"9500", "9499"}, Case{"99999999999999999999", "9499"}}) {
    const std::string listing = model.ListingFor(c.entered);
    EXPECT_EQ(model.YearText(), c.corrected) << c.entered;
    EXPECT_EQ(beeper.beeps, ++expected_beeps) << c.entered;
    EXPECT_EQ(listing, EasterListing(c.corrected)) << c.entered;
  }
  for (const char* kept : {"1", "9499", "2024"}) {
    model.ListingFor(kept);
    EXPECT_EQ(model.YearText(), kept);
  }
  EXPECT_EQ(beeper.beeps, expected_beeps);
  EXPECT_EQ(model.EasterYear(), 2024 + 60);  // the counter has run past the last year
}

TEST(EasterWindow, KeysOfTheYearBox) {
  CountingBeeper beeper;
  EasterWindowModel model(beeper);
  model.SetYearText("2024");
  int key = '5';
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, '5');
  key = '.';
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_EQ(model.OutputText(), "");

  key = kKeyEnter;
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(model.OutputText(), EasterListing("2024"));
  EXPECT_EQ(beeper.beeps, 1);

  model.SetYearText("-1");
  model.txtYear_KeyDown(kKeyUp);
  EXPECT_EQ(model.YearText(), "1");
  model.txtYear_KeyDown(kKeyUp);
  EXPECT_EQ(model.YearText(), "2");
}

TEST(EasterWindow, OpensOnTheCurrentYearShowingItsHelp) {
  SilentBeeper beeper;
  std::string asked;
  EasterWindowModel model(
      beeper,
      [&](std::string_view key) {
        asked = key;
        return "Easter Dates\r\n";
      },
      [] {
        return ClockDate{2030, 1, 1};
      });
  EXPECT_EQ(model.YearText(), "Year");
  model.Form_Load();
  EXPECT_EQ(model.YearText(), "2030");
  EXPECT_EQ(asked, "Easter");
  EXPECT_EQ(model.OutputText(), "Easter Dates\r\n");

  model.cmdEaster_Click();
  EXPECT_EQ(model.OutputText(), EasterListing("2030"));
  int key = kKeyF1;
  model.Form_KeyDown(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(model.OutputText(), "Easter Dates\r\n");

  EasterWindowModel silent(beeper);
  silent.cmdHelp_Click();
  EXPECT_EQ(silent.OutputText(), "");
}

}  // namespace
}  // namespace orvane::conversions
