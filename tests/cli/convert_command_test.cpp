// orvane-cli convert: each reckoning as input, the columns it prints, the
// possible dates, the criteria text, and the input it refuses.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/cli.h"

namespace orvane::cli {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result Convert(std::vector<std::string> args) {
  args.insert(args.begin(), "convert");
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, 2024);
  return {status, out.str(), err.str()};
}

// The value printed after a row's caption (the caption column is 29 wide).
std::string RowValue(const std::string& out, const std::string& caption) {
  const std::size_t at = out.find(caption + std::string(29 - caption.size(), ' '));
  if (at == std::string::npos) return "(no row " + caption + ")";
  const std::size_t start = at + 29;
  return out.substr(start, out.find('\n', start) - start);
}

TEST(ConvertCommand, AGregorianDayInEveryReckoning) {
  const Result r = Convert({"--gregorian", "2024-04-09"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Tuesday 9 April 2024");
  EXPECT_NE(r.out.find("Leap Year (366 days)\n"), std::string::npos);
  EXPECT_EQ(RowValue(r.out, "Julian"), "27 March 2024");
  EXPECT_EQ(RowValue(r.out, "Biblical-Not IDL adjusted"), "Third 29 Thirteenth 6027");
  EXPECT_EQ(RowValue(r.out, "Julian Day Count"), "2460409.5");
  EXPECT_EQ(RowValue(r.out, "Hebrew - Rabbinic"), "Third 1 Nisan 5784");
  EXPECT_NE(r.out.find("Embolismic Deficient (383 days)\n"), std::string::npos);
  EXPECT_EQ(RowValue(r.out, "Molad of Tishri"), "6D 11H 882P");
  EXPECT_EQ(RowValue(r.out, "Rules"), "Rule 4");
  EXPECT_EQ(RowValue(r.out, "Moon"), "picture 0 of 0..58 (3% lit, waxing)");
  EXPECT_EQ(r.out.find("Possible dates"), std::string::npos);
  EXPECT_EQ(r.out.find("Criteria"), std::string::npos);
}

TEST(ConvertCommand, EachReckoningAsInput) {
  // Abib 14 of 2024 is the Passover sacrifice, 23 April; 15 Nisan 5784.
  Result r = Convert({"--biblical", "6028-1-14"});
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Tuesday 23 April 2024");
  EXPECT_EQ(RowValue(r.out, "Biblical-Not IDL adjusted"), "Third 14 Abib 6028");
  EXPECT_EQ(RowValue(r.out, "Hebrew - Rabbinic"), "Third 15 Nisan 5784");
  EXPECT_EQ(RowValue(r.out, "Moon"), "picture 30 of 0..58 (91% lit, waxing)");
  r = Convert({"--jd", "2451545"});
  EXPECT_EQ(RowValue(r.out, "Julian Day Count"), "2451544.5");
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Saturday 1 January 2000");
  r = Convert({"--julian", "2023-12-25"});
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Sunday 7 January 2024");
  r = Convert({"--hebrew", "5785-7-1"});
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Thursday 3 October 2024");
  EXPECT_EQ(RowValue(r.out, "Rules"), "No Postponements");
  // BCE years are negative numbers.
  r = Convert({"--gregorian", "-44-3-15"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Friday 15 March -44");
  EXPECT_EQ(RowValue(r.out, "Julian"), "17 March -44");
  r = Convert({"--jd", "1170111.5"});
  EXPECT_EQ(RowValue(r.out, "Modified Gregorian"), "Monday 22 July -1510");
}

TEST(ConvertCommand, ThePossibleDatesOfAnEarlyOrLateHarvest) {
  const Result r = Convert({"--gregorian", "1999-4-18"});
  EXPECT_NE(r.out.find("Possible dates               Date 1 (shown)  2451286.5  18 April 1999\n"
                       "                             Date 2          2451256.5  19 March 1999\n"
                       "                             Date 3          2451257.5  20 March 1999\n"),
            std::string::npos)
      << r.out;
}

TEST(ConvertCommand, TheCriteriaText) {
  Result r = Convert({"--gregorian", "2024-04-09", "--criteria"});
  EXPECT_EQ(r.status, 0);
  const std::size_t criteria = r.out.find("\nCriteria\n Date     Sunset Moonset");
  ASSERT_NE(criteria, std::string::npos) << r.out;
  EXPECT_EQ(r.out.find('\r'), std::string::npos);
  EXPECT_NE(r.out.find("The 29th day of the Thirteenth Month of Biblical year 6027\n"
                       "would fall on the 9th of April 2024 CE.\n"),
            std::string::npos)
      << r.out;
  r = Convert({"--gregorian", "2024-04-09", "--criteria", "--crlf"});
  EXPECT_NE(r.out.find("Biblical year 6027\r\nwould fall"), std::string::npos);
}

// A day the window reads differently from how it was typed is shown as the
// window shows it, with one note on stderr naming both.  The dates shown
// are checked against the proleptic Gregorian calendar.
TEST(ConvertCommand, EveryDayReadDifferentlyIsNoted) {
  struct Case {
    std::vector<std::string> args;
    std::string gregorian;  // the Gregorian row
    std::string note;       // the line after "orvane-cli: ", or none
  };
  const std::vector<Case> cases = {
      {{"--gregorian", "2024-04-09"}, "Tuesday 9 April 2024", ""},
      {{"--jd", "2451545"}, "Saturday 1 January 2000", ""},  // noon of that day
      {{"--gregorian", "2024-2-30"},
       "Friday 1 March 2024",
       "day 30 of February 2024 was read as 1 March 2024"},
      // Julian 1 January 2024 is Gregorian 14 January; 9998 days later.
      {{"--julian", "2024-1-9999"},
       "Tuesday 30 May 2051",
       "day 9999 of January 2024 was read as 17 May 2051"},
      {{"--gregorian", "2024-1-5000"},
       "Saturday 26 September 2026",
       "day 5000 of January 2024 was read as 26 September 2026 (the days run from -1000 to 1000)"},
      {{"--gregorian", "29001-1-1"},
       "Wednesday 1 January 29000",
       "day 1 of January 29001 was read as 1 January 29000 (the years run from -4500 to 29000)"},
      {{"--gregorian", "0-3-1"}, "", "day 1 of March 0 was read as 1 March -1 (there is no year 0)"},
      {{"--jd", "1"},
       "",
       "Julian day 1 was read as 78166.5 (the window's days run from 78166.5 to 12313456.5)"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.args.back());
    const Result r = Convert(c.args);
    EXPECT_EQ(r.status, 0);
    if (!c.gregorian.empty()) {
      EXPECT_EQ(RowValue(r.out, "Gregorian"), c.gregorian);
    }
    EXPECT_EQ(r.err, c.note.empty() ? "" : "orvane-cli: " + c.note + "\n");
  }
}

}  // namespace
}  // namespace orvane::cli
