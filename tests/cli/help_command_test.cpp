// orvane-cli help [SECTION]: the help texts in a terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "app/help_texts.h"
#include "cli/cli.h"

namespace orvane::cli {
namespace {

struct Result {
  int status;
  std::string out, err;
};

Result RunCommand(std::vector<std::string> args) {
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

TEST(HelpCommand, PrintsTheSectionsTextWithLfLineEnds) {
  for (std::string_view key : app::kHelpKeys) {
    const Result r = RunCommand({"help", std::string(key)});
    EXPECT_EQ(r.status, 0) << key;
    EXPECT_EQ(r.out, Lf(app::BuildHelpText(key)) + "\n") << key;
    EXPECT_EQ(r.err, "") << key;
  }
  // The name may be typed in any case.
  EXPECT_EQ(RunCommand({"help", "flood"}).out, Lf(app::BuildHelpText("Flood")) + "\n");
  EXPECT_EQ(RunCommand({"help", "LOCALMOONS"}).out, Lf(app::BuildHelpText("LocalMoons")) + "\n");
}

TEST(HelpCommand, WithoutASectionTheHolyDaysText) {
  const Result r = RunCommand({"help"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, Lf(app::BuildHelpText("HolyDays")) + "\n");
  EXPECT_NE(r.out.find("NOTICE FROM THE PUBLISHER"), std::string::npos);
}

TEST(HelpCommand, CrlfKeepsThePanesLineEnds) {
  const Result r = RunCommand({"help", "Easter", "--crlf"});
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, app::BuildHelpText("Easter") + "\r\n");
}

}  // namespace
}  // namespace orvane::cli
