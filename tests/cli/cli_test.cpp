#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app/holy_days_window.h"

namespace orvane::cli {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunCommand(std::vector<std::string> args, int currentYear = 2024) {
  std::ostringstream out, err;
  const int status = RunCli(args, out, err, currentYear);
  return {status, out.str(), err.str()};
}

// The pane text after the window's own handler, for comparison.
std::string PaneAfter(const std::string& year, bool east, bool months) {
  SilentBeeper beeper;
  app::HolyDaysWindow w(beeper);
  w.Form_Load(2024);
  w.txtYear = year;
  w.chkEJW = east;
  if (months) {
    w.cmdMonths_Click();
  } else {
    w.cmdHolyDays_Click();
  }
  return w.OutputText();
}

std::string Lf(std::string text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

TEST(Cli, PrintsExactlyThePaneTextWithLfLineEnds) {
  const Result r = RunCommand({"holydays", "2024"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(PaneAfter("2024", false, false)));
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out.find('\r'), std::string::npos);

  EXPECT_EQ(RunCommand({"newmoons", "2024"}).out, Lf(PaneAfter("2024", false, true)));
  EXPECT_EQ(RunCommand({"holydays", "2024", "--east"}).out, Lf(PaneAfter("2024", true, false)));
  EXPECT_EQ(RunCommand({"newmoons", "--east", "2024"}).out, Lf(PaneAfter("2024", true, true)));
}

TEST(Cli, CrlfKeepsThePanesLineEnds) {
  EXPECT_EQ(RunCommand({"holydays", "2024", "--crlf"}).out, PaneAfter("2024", false, false));
}

TEST(Cli, TheDefaultYearIsTheCurrentYear) {
  EXPECT_EQ(RunCommand({"holydays"}, 2031).out, Lf(PaneAfter("2031", false, false)));
}

TEST(Cli, NegativeYearsAreYearsNotOptions) {
  const Result r = RunCommand({"holydays", "-1461"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(PaneAfter("-1461", false, false)));
  EXPECT_NE(r.out.find("1st Jubilee"), std::string::npos);
  EXPECT_EQ(RunCommand({"newmoons", "--east", "-1"}).out, Lf(PaneAfter("-1", true, true)));
}

TEST(Cli, YearsAreReadAsTheYearBoxReadsThem) {
  const Result zero = RunCommand({"holydays", "0"});
  EXPECT_EQ(zero.status, 0);
  EXPECT_EQ(zero.out, Lf(PaneAfter("-1", false, false)));
  EXPECT_EQ(zero.err, "orvane-cli: year 0 was read as -1 (there is no year 0)\n");

  const Result low = RunCommand({"holydays", "-5000"});
  EXPECT_EQ(low.out, Lf(PaneAfter("-4004", false, false)));
  EXPECT_EQ(low.err, "orvane-cli: year -5000 was read as -4004 (the years run from -4004 to 9999)\n");
  EXPECT_EQ(RunCommand({"newmoons", "20000"}).out, Lf(PaneAfter("9999", false, true)));
}

TEST(Cli, BadInputIsAOneLineErrorWithStatusTwo) {
  const std::vector<std::vector<std::string>> bad = {
      {"holydays", "abc"}, {"holydays", "20x4"},       {"holydays", "2024", "2025"}, {"holydays", "--bogus"},
      {"frobnicate"},      {"newmoons", "--east=maybe"}, {},                          {"holydays", "1.5"},
  };
  for (const auto& args : bad) {
    const Result r = RunCommand(args);
    std::string joined;
    for (const auto& a : args) joined += a + " ";
    EXPECT_EQ(r.status, 2) << joined;
    EXPECT_EQ(r.out, "") << joined;
    ASSERT_FALSE(r.err.empty()) << joined;
    EXPECT_EQ(r.err.find('\n'), r.err.size() - 1) << joined << ": " << r.err;
    EXPECT_TRUE(r.err.starts_with("orvane-cli: ")) << r.err;
  }
  EXPECT_NE(RunCommand({"frobnicate"}).err.find("unknown command 'frobnicate'"), std::string::npos);
}

TEST(Cli, HelpAndVersion) {
  const Result help = RunCommand({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("holydays"), std::string::npos);
  EXPECT_NE(help.out.find("newmoons"), std::string::npos);
  const Result sub = RunCommand({"holydays", "--help"});
  EXPECT_EQ(sub.status, 0);
  EXPECT_NE(sub.out.find("--east"), std::string::npos);
  EXPECT_NE(sub.out.find("--crlf"), std::string::npos);
  const Result version = RunCommand({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("orvane-cli ") + ORVANE_VERSION + "\n");
}

}  // namespace
}  // namespace orvane::cli
