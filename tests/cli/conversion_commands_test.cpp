#include <gtest/gtest.h>

#include <sstream>

#include "cli/cli.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"

namespace orvane::cli {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunCommand(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, 2024);
  return {status, out.str(), err.str()};
}

std::string Lf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

TEST(ConversionCommands, RabbinicalPrintsTheWindowsListing) {
  const Result r = RunCommand({"rabbinical", "2024"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(conversions::RabbinicalYearListing("2024")));
  EXPECT_NE(r.out.find("Nisan    5784 - TUE,09 APR 2024"), std::string::npos);
  EXPECT_EQ(RunCommand({"rabbinical"}).out, r.out);  // the current year by default
  EXPECT_EQ(RunCommand({"rabbinical", "2024", "--crlf"}).out, conversions::RabbinicalYearListing("2024"));
  EXPECT_EQ(RunCommand({"rabbinical", "-100"}).out, Lf(conversions::RabbinicalYearListing("-100")));
}

TEST(ConversionCommands, EasterPrintsSixtyYears) {
  const Result r = RunCommand({"easter", "2024"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(conversions::EasterListing("2024")));
  // Easter Sunday 2024 was 31 March, 2025 20 April.
  EXPECT_NE(r.out.find("Easter Sunday is 31 March, 2024"), std::string::npos);
  EXPECT_NE(r.out.find("Easter Sunday is 20 April, 2025"), std::string::npos);
}

TEST(ConversionCommands, ACorrectedYearIsReported) {
  const Result r = RunCommand({"easter", "0"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.err, "orvane-cli: year 0 was read as 1\n");
}

}  // namespace
}  // namespace orvane::cli
