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

TEST(ConvertCommand, AnEntryBeyondItsLimitIsBroughtToIt) {
  const Result r = Convert({"--gregorian", "29001-1-1"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(RowValue(r.out, "Gregorian"), "Wednesday 1 January 29000");
  EXPECT_EQ(r.err, "orvane-cli: an entry beyond the window's limits was brought to the nearest limit\n");
}

TEST(ConvertCommand, BadInputIsRefused) {
  for (const std::vector<std::string>& args :
       std::vector<std::vector<std::string>>{{},
                                             {"--jd", "2451545", "--gregorian", "2024-1-1"},
                                             {"--gregorian", "2024/04/09"},
                                             {"--gregorian", "2024-13-1"},
                                             {"--julian", "2024-0-1"},
                                             {"--hebrew", "5785-14-1"},
                                             {"--biblical", "6028-1"},
                                             {"--biblical", "6028-a-1"},
                                             {"--jd", "-5"},
                                             {"--jd", "12.3.4"},
                                             {"--gregorian", "2024-1-1", "extra"}}) {
    const Result r = Convert(args);
    EXPECT_EQ(r.status, 2) << args.size();
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.find("orvane-cli: "), 0u) << r.err;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << "one line: " << r.err;
  }
}

}  // namespace
}  // namespace orvane::cli
