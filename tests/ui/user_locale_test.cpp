// The program under the user's locale.  The desktop program runs with the
// process locale and Qt's default locale set to the user's; on a German or
// French desktop those write two and a half as "2,5".  The reports, the data
// file and the conversion window must still give the bytes they give under C.
#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <filesystem>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/help_texts.h"
#include "cli/cli.h"
#include "support/main_window_core.h"
#include "support/working_folder.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using orvane::testing::ReadBytes;
using testing::TempDir;

// The process locale and Qt's default locale set as the desktop program has
// them for a user of `name`; both back to C at the end.
struct UserLocale {
  explicit UserLocale(const std::string& name) : installed(std::setlocale(LC_ALL, name.c_str()) != nullptr) {
    QLocale::setDefault(QLocale(QString::fromStdString(name.substr(0, name.find('.')))));
  }
  ~UserLocale() {
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
  }
  const bool installed;
};

// A user data file with fractions in every number line and a location whose
// zone is half an hour.
constexpr char kStoredFile[] =
    "Half Hour\r\n 1 \r\nJerusalem , Israel\r\n-35.2166666666667 \r\n 31.7833333333333 \r\n2\r\n"
    "Half Hour\r\n 94.5833333333333 \r\n 0.5 \r\n.5\r\n"
    " 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n"
    " 16761024 \r\n 16761024 \r\n 16761024 \r\n 12640511 \r\n 8421631 \r\n 16777215 \r\n 16777215 \r\n"
    " 16761024 \r\n";

using Outputs = std::vector<std::pair<std::string, std::string>>;

// orvane-cli's reports over the same core as the desktop program (the
// conversion window's columns among them), one for each kind of number
// text, the help texts and a calendar file; the desktop program's data file
// over three starts (none, the one it wrote, one with fractions).
Outputs Everything() {
  Outputs outputs;
  TempDir dir;
  testing::WriteBytes(dir / "UserData.Dat", kStoredFile);
  {
    const testing::WorkingFolder working(dir.path());
    for (const std::vector<std::string>& args : std::vector<std::vector<std::string>>{
             {"localmoons", "2024", "--lat", "4 57 N", "--lon", "94 35 W", "--gmt", "0.5", "--name", "X"},
             {"times", "2024", "--gregorian", "--lat", "28 36 N", "--lon", "77 12 E", "--gmt", "5.5"},
             {"flood", "-2348"},
             {"convert", "--jd", "2460390.25", "--criteria"},
             {"convert", "--biblical", "6028-1-14", "--criteria"},
             {"rabbinical", "-1"},
             {"locations"},
             {"localmoons", "2025", "--ics", (dir / "moons.ics").string()}}) {
      std::ostringstream out, err;
      const int status = cli::RunCli(args, out, err, 2024);
      outputs.emplace_back(args.front() + " #" + std::to_string(outputs.size()),
                           std::to_string(status) + "\n" + out.str() + err.str());
    }
  }
  for (std::string_view key : app::kHelpKeys) outputs.emplace_back(key, app::BuildHelpText(key));
  const std::string ics = ReadBytes(dir / "moons.ics");
  outputs.emplace_back("moons.ics", std::regex_replace(ics, std::regex("DTSTAMP:[^\r]*"), ""));
  fs::remove(dir / "UserData.Dat");
  for (const char* start : {"first start", "second start", "start on a stored file"}) {
    if (std::string_view(start).starts_with("start on"))
      testing::WriteBytes(dir / "UserData.Dat", kStoredFile);
    testing::MainWindowCore f(app::UserDataFolders{dir.path(), dir.path()});
    f.w.LoadUserDataAtStartUp();
    f.w.cmdLocMon_Click();
    outputs.emplace_back(start, f.w.OutputText());
    f.w.SaveUserData();
    outputs.emplace_back(start, ReadBytes(dir / "UserData.Dat"));
  }
  return outputs;
}

class UnderTheUserLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(UnderTheUserLocale, EveryNumberTextIsTheSameAsUnderC) {
  const Outputs expected = [] {
    const UserLocale c("C");
    return Everything();
  }();
  const UserLocale locale(GetParam());
  ASSERT_TRUE(locale.installed) << GetParam() << " is not installed (scripts/install-deps.sh installs it)";
  // Only a locale with a decimal comma can show the fault.
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  ASSERT_EQ(QLocale().decimalPoint(), QString(","));
  const Outputs actual = Everything();
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) EXPECT_EQ(actual[i], expected[i]);
}

INSTANTIATE_TEST_SUITE_P(CommaDecimalLocales, UnderTheUserLocale,
                         ::testing::Values("de_DE.UTF-8", "fr_FR.UTF-8"));

}  // namespace
}  // namespace orvane
