// orvane-cli golgotha, jordan, creation and flood: the main window's runs
// with FIRST and LAST typed into its two year boxes.
#include <gtest/gtest.h>

#include <sstream>

#include "app/holy_days_window.h"
#include "cli/cli.h"

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

// The pane after the window's own button, with the boxes as given.
std::string PaneAfter(void (app::HolyDaysWindow::*button)(), const std::string& first,
                      const std::string& last) {
  SilentBeeper beeper;
  app::HolyDaysWindow w(beeper);
  w.Form_Load(2024);
  w.txtYear = first;
  w.txtYear2 = last;
  (w.*button)();
  return w.OutputText();
}

std::string Lf(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c != '\r') out.push_back(c);
  }
  return out;
}

TEST(ChronologyCli, PrintsThePaneOfEachRun) {
  struct Case {
    const char* command;
    void (app::HolyDaysWindow::*button)();
    const char* first;
    const char* last;
  };
  const Case cases[] = {
      {"golgotha", &app::HolyDaysWindow::cmdGolgotha_Click, "31", ""},
      {"golgotha", &app::HolyDaysWindow::cmdGolgotha_Click, "20", "40"},
      {"jordan", &app::HolyDaysWindow::cmdJordan_Click, "-1407", ""},
      {"creation", &app::HolyDaysWindow::cmdCreation_Click, "-4040", "-3965"},
      {"flood", &app::HolyDaysWindow::cmdFlood_Click, "-2348", ""},
      {"flood", &app::HolyDaysWindow::cmdFlood_Click, "-2400", "-2300"},
  };
  for (const Case& c : cases) {
    std::vector<std::string> args = {c.command, c.first};
    if (*c.last != '\0') args.push_back(c.last);
    const Result r = RunCommand(args);
    SCOPED_TRACE(std::string(c.command) + " " + c.first + " " + c.last);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.err, "");
    const std::string pane = PaneAfter(c.button, c.first, c.last);
    ASSERT_FALSE(pane.empty());
    EXPECT_EQ(r.out, Lf(pane));
  }
  EXPECT_EQ(RunCommand({"flood", "-2348", "--crlf"}).out,
            PaneAfter(&app::HolyDaysWindow::cmdFlood_Click, "-2348", ""));
}

TEST(ChronologyCli, CorrectedYearsAreReportedOnStderr) {
  const Result swapped = RunCommand({"golgotha", "40", "20"});
  EXPECT_EQ(
      swapped.err,
      "orvane-cli: years 40 to 20 were read as 20 to 40 (a range runs from the earlier year to the later)\n");
  EXPECT_EQ(swapped.out, Lf(PaneAfter(&app::HolyDaysWindow::cmdGolgotha_Click, "20", "40")));

  EXPECT_EQ(RunCommand({"jordan", "-5000"}).err,
            "orvane-cli: year -5000 was read as -4004 (the years run from -4004 to 9999)\n");
  EXPECT_EQ(RunCommand({"creation", "-5000"}).err, "");  // within Creation's limits
  EXPECT_EQ(
      RunCommand({"creation", "-6001", "-5999"}).err,
      "orvane-cli: years -6001 to -5999 were read as -6000 to -5999 (the years run from -6000 to 9999)\n");
  EXPECT_EQ(RunCommand({"flood", "0"}).err, "orvane-cli: year 0 was read as -1 (there is no year 0)\n");
  EXPECT_EQ(RunCommand({"flood", "9998", "10000"}).err,
            "orvane-cli: years 9998 to 10000 were read as 9998 to 9999 (the years run from -4004 to 9999)\n");
}

}  // namespace
}  // namespace orvane::cli
