#include "conversions/hebrew_window_model.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine/year_box.h"

namespace orvane::conversions {
namespace {

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// The output box split at its CR LF line ends.  A lone CR or LF fails.
std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (true) {
    const std::size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
    EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos) << "stray line break in: " << line;
    lines.push_back(line);
    if (end == std::string::npos) break;
    start = end + 2;
  }
  return lines;
}

void ExpectLines(const std::string& text, const std::vector<std::string>& expected) {
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), expected.size()) << text;
  for (std::size_t i = 0; i < lines.size(); ++i) EXPECT_EQ(lines[i], expected[i]) << "line " << i + 1;
}

// Worked out from the molad reckoning of the Rabbinical calendar and the
// proleptic Gregorian day count; the month starts and feasts of 2024, 2023
// and 1 CE agree with hebcal.  The listing ends without a line break.
const std::vector<std::string> kListing2024 = {
    "Embolismic Deficient (383 days) for year 5784",
    "",
    "Start of months for 'Sacred' Year",
    "Nisan    5784 - TUE,09 APR 2024",
    "Iyar     5784 - THU,09 MAY 2024",
    "Sivan    5784 - FRI,07 JUN 2024",
    "Tammuz   5784 - SUN,07 JUL 2024",
    "AV       5784 - MON,05 AUG 2024",
    "Elul     5784 - WED,04 SEP 2024",
    "Tishri   5785 - THU,03 OCT 2024",
    "Heshvan  5785 - SAB,02 NOV 2024",
    "Kislev   5785 - MON,02 DEC 2024",
    "Tevet    5785 - WED,01 JAN 2025",
    "Shevat   5785 - THU,30 JAN 2025",
    "Adar     5785 - SAB,01 MAR 2025",
    "",
    "Rabbinical Holy Days are: ",
    "Passover preparation day is MON,22 APR 2024",
    "",
    "Feast of Unleavened Bread starts TUE,23 APR 2024",
    "and runs through MON,29 APR 2024",
    "",
    "(Wave Offering) is WED,24 APR 2024",
    "",
    "Pentecost is WED,12 JUN 2024",
    "",
    "Feast of Trumpets is THU,03 OCT 2024",
    "",
    "Day of Atonement is SAB,12 OCT 2024",
    "",
    "Feast of Tabernacles starts THU,17 OCT 2024",
    "and runs through WED,23 OCT 2024",
    "",
    "Last Great Day is THU,24 OCT 2024",
    "",
    "The Rabbinical Holy Day dates are frequently wrong.",
    "Read the [Help] documentation for details.",
};
const std::vector<std::string> kListing2023 = {
    "Common Complete (355 days) for year 5783",
    "",
    "Start of months for 'Sacred' Year",
    "Nisan    5783 - THU,23 MAR 2023",
    "Iyar     5783 - SAB,22 APR 2023",
    "Sivan    5783 - SUN,21 MAY 2023",
    "Tammuz   5783 - TUE,20 JUN 2023",
    "AV       5783 - WED,19 JUL 2023",
    "Elul     5783 - FRI,18 AUG 2023",
    "Tishri   5784 - SAB,16 SEP 2023",
    "Heshvan  5784 - MON,16 OCT 2023",
    "Kislev   5784 - TUE,14 NOV 2023",
    "Tevet    5784 - WED,13 DEC 2023",
    "Shevat   5784 - THU,11 JAN 2024",
    "Adar     5784 - SAB,10 FEB 2024",
    "Vedar    5784 - MON,11 MAR 2024",
    "",
    "Rabbinical Holy Days are: ",
    "Passover preparation day is WED,05 APR 2023",
    "",
    "Feast of Unleavened Bread starts THU,06 APR 2023",
    "and runs through WED,12 APR 2023",
    "",
    "(Wave Offering) is FRI,07 APR 2023",
    "",
    "Pentecost is FRI,26 MAY 2023",
    "",
    "Feast of Trumpets is SAB,16 SEP 2023",
    "",
    "Day of Atonement is MON,25 SEP 2023",
    "",
    "Feast of Tabernacles starts SAB,30 SEP 2023",
    "and runs through FRI,06 OCT 2023",
    "",
    "Last Great Day is SAB,07 OCT 2023",
    "",
    "The Rabbinical Holy Day dates are frequently wrong.",
    "Read the [Help] documentation for details.",
};
const std::vector<std::string> kListing1Ce = {
    "Common Complete (355 days) for year 3761",
    "",
    "Start of months for 'Sacred' Year",
    "Nisan    3761 - TUE,13 MAR 0001",
    "Iyar     3761 - THU,12 APR 0001",
    "Sivan    3761 - FRI,11 MAY 0001",
    "Tammuz   3761 - SUN,10 JUN 0001",
    "AV       3761 - MON,09 JUL 0001",
    "Elul     3761 - WED,08 AUG 0001",
    "Tishri   3762 - THU,06 SEP 0001",
    "Heshvan  3762 - SAB,06 OCT 0001",
    "Kislev   3762 - SUN,04 NOV 0001",
    "Tevet    3762 - MON,03 DEC 0001",
    "Shevat   3762 - TUE,01 JAN 0002",
    "Adar     3762 - THU,31 JAN 0002",
    "Vedar    3762 - SAB,02 MAR 0002",
    "",
    "Rabbinical Holy Days are: ",
    "Passover preparation day is MON,26 MAR 0001",
    "",
    "Feast of Unleavened Bread starts TUE,27 MAR 0001",
    "and runs through MON,02 APR 0001",
    "",
    "(Wave Offering) is WED,28 MAR 0001",
    "",
    "Pentecost is WED,16 MAY 0001",
    "",
    "Feast of Trumpets is THU,06 SEP 0001",
    "",
    "Day of Atonement is SAB,15 SEP 0001",
    "",
    "Feast of Tabernacles starts THU,20 SEP 0001",
    "and runs through WED,26 SEP 0001",
    "",
    "Last Great Day is THU,27 SEP 0001",
    "",
    "The Rabbinical Holy Day dates are frequently wrong.",
    "Read the [Help] documentation for details.",
};
const std::vector<std::string> kListing1Bce = {
    "Embolismic Complete (385 days) for year 3760",
    "",
    "Start of months for 'Sacred' Year",
    "Nisan    3760 - THU,23 MAR -0001",
    "Iyar     3760 - SAB,22 APR -0001",
    "Sivan    3760 - SUN,21 MAY -0001",
    "Tammuz   3760 - TUE,20 JUN -0001",
    "AV       3760 - WED,19 JUL -0001",
    "Elul     3760 - FRI,18 AUG -0001",
    "Tishri   3761 - SAB,16 SEP -0001",
    "Heshvan  3761 - MON,16 OCT -0001",
    "Kislev   3761 - WED,15 NOV -0001",
    "Tevet    3761 - FRI,15 DEC -0001",
    "Shevat   3761 - SAB,13 JAN 0001",
    "Adar     3761 - MON,12 FEB 0001",
    "",
    "Rabbinical Holy Days are: ",
    "Passover preparation day is WED,05 APR -0001",
    "",
    "Feast of Unleavened Bread starts THU,06 APR -0001",
    "and runs through WED,12 APR -0001",
    "",
    "(Wave Offering) is FRI,07 APR -0001",
    "",
    "Pentecost is FRI,26 MAY -0001",
    "",
    "Feast of Trumpets is SAB,16 SEP -0001",
    "",
    "Day of Atonement is MON,25 SEP -0001",
    "",
    "Feast of Tabernacles starts SAB,30 SEP -0001",
    "and runs through FRI,06 OCT -0001",
    "",
    "Last Great Day is SAB,07 OCT -0001",
    "",
    "The Rabbinical Holy Day dates are frequently wrong.",
    "Read the [Help] documentation for details.",
};

TEST(RabbinicalListing, Year2024IsACommonSacredYear) {
  ExpectLines(RabbinicalYearListing("2024"), kListing2024);
}

TEST(RabbinicalListing, Year2023RunsIntoTheLeapYear5784) {
  ExpectLines(RabbinicalYearListing("2023"), kListing2023);
}

TEST(RabbinicalListing, Year1TakesItsHeadingFromTheYearBegunIn1Bce) {
  ExpectLines(RabbinicalYearListing("1"), kListing1Ce);
}

TEST(RabbinicalListing, Year1BceWritesNegativeFourDigitYears) {
  ExpectLines(RabbinicalYearListing("-1"), kListing1Bce);
}

TEST(RabbinicalListing, ClampsTheYearSilently) {
  CountingBeeper beeper;
  HebrewWindowModel model(beeper);
  struct Case {
    const char* entered;
    const char* corrected;
  };
  for (const Case c : {Case{"0", "-1"}, Case{"abc", "-1"}, Case{"", "-1"}, Case{"-", "-1"},
                       Case{"-4601", "-4600"}, Case{"-99999999999999999999", "-4600"}, Case{"32001", "32000"},
                       Case{"99999999999999999999", "32000"}}) {
    const std::string listing = model.ListingFor(c.entered);
    EXPECT_EQ(model.YearText(), c.corrected) << c.entered;
    EXPECT_EQ(listing, RabbinicalYearListing(c.corrected)) << c.entered;
  }
  for (const char* kept : {"-4600", "32000", "-1", "1", "2024"}) {
    model.ListingFor(kept);
    EXPECT_EQ(model.YearText(), kept);
  }
  EXPECT_EQ(beeper.beeps, 0);
}

TEST(RabbinicalListing, ExtremeYearsKeepTheLayout) {
  for (const char* year : {"-4600", "32000"}) {
    const std::vector<std::string> lines = Lines(RabbinicalYearListing(year));
    ASSERT_GE(lines.size(), 37u) << year;
    const std::size_t months = lines.size() - 25;  // heading 3, blank 1, holy days 21
    EXPECT_TRUE(months == 12 || months == 13) << year;
    EXPECT_EQ(lines.back(), "Read the [Help] documentation for details.");
  }
  EXPECT_NE(RabbinicalYearListing("-4600").find("Nisan    -839 - "), std::string::npos);
  EXPECT_NE(RabbinicalYearListing("32000").find("Nisan    35760 - "), std::string::npos);
  EXPECT_NE(RabbinicalYearListing("32000").find(" 32000\r\n"), std::string::npos);
}

TEST(RabbinicalListing, DateLineUsesTheTrueWeekday) {
  SilentBeeper beeper;
  HebrewWindowModel model(beeper);
  model.WriteDateLine(2460409.5);
  model.WriteDateLine(2460410.0);  // noon of the same day
  EXPECT_EQ(model.OutputText(), "TUE,09 APR 2024TUE,09 APR 2024");
}

TEST(RabbinicalWindow, KeysOfTheYearBox) {
  CountingBeeper beeper;
  HebrewWindowModel model(beeper);
  model.SetYearText("2024");

  int key = '7';
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, '7');
  key = '-';
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, '-');
  key = kKeyBackspace;
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, kKeyBackspace);
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_EQ(model.OutputText(), "");

  key = 'x';
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(beeper.beeps, 1);

  key = kKeyEnter;
  model.txtYear_KeyPress(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_EQ(model.OutputText(), RabbinicalYearListing("2024"));

  model.SetYearText("1");
  model.txtYear_KeyDown(kKeyDown);
  EXPECT_EQ(model.YearText(), "-1");
  model.txtYear_KeyDown(kKeyUp);
  EXPECT_EQ(model.YearText(), "1");
}

TEST(RabbinicalWindow, OpensOnTheCurrentYearShowingItsHelp) {
  SilentBeeper beeper;
  std::string asked;
  HebrewWindowModel model(
      beeper,
      [&](std::string_view key) {
        asked = key;
        return std::string("help for ") + std::string(key) + "\r\n";
      },
      [] {
        return ClockDate{2031, 1, 1};
      });
  EXPECT_EQ(model.YearText(), HebrewWindowModel::kInitialYearText);
  model.Form_Load();
  EXPECT_EQ(model.YearText(), "2031");
  EXPECT_EQ(asked, "Rabbinic");
  EXPECT_EQ(model.OutputText(), "help for Rabbinic\r\n");

  model.cmdCompute_Click();
  EXPECT_EQ(model.OutputText(), RabbinicalYearListing("2031"));

  int key = kKeyF1;
  model.Form_KeyDown(key);
  EXPECT_EQ(key, 0);
  EXPECT_EQ(model.OutputText(), "help for Rabbinic\r\n");

  key = kKeyUp;
  model.Form_KeyDown(key);
  EXPECT_EQ(key, kKeyUp);
}

TEST(RabbinicalWindow, HelpIsEmptyWithoutAProvider) {
  SilentBeeper beeper;
  HebrewWindowModel model(beeper);
  model.ListingFor("2024");
  model.cmdHelp_Click();
  EXPECT_EQ(model.OutputText(), "");
}

}  // namespace
}  // namespace orvane::conversions
