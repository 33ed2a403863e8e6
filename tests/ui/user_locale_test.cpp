// The program under the user's locale.  The desktop program runs with the
// process locale and Qt's default locale set to the user's; on a German or
// French desktop those write two and a half as "2,5".  Every report, the user
// data file and the conversion window must still give the bytes they give
// under C.
#include <gtest/gtest.h>

#include <QLocale>
#include <clocale>
#include <filesystem>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/help_texts.h"
#include "app/holy_days_window.h"
#include "cli/cli.h"
#include "conversions/conversion_window_model.h"
#include "support/fake_host.h"
#include "support/report_dates.h"
#include "support/temp_dir.h"
#include "support/working_folder.h"

namespace orvane {
namespace {

namespace fs = std::filesystem;
using orvane::testing::ReadBytes;
using testing::TempDir;

// The process locale and Qt's default locale set as the desktop program has
// them for a user of `name`; both back to C at the end.
class UserLocale {
 public:
  explicit UserLocale(const std::string& name) {
    installed_ = std::setlocale(LC_ALL, name.c_str()) != nullptr;
    QLocale::setDefault(QLocale(QString::fromStdString(name.substr(0, name.find('.')))));
  }
  ~UserLocale() {
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
  }
  UserLocale(const UserLocale&) = delete;
  UserLocale& operator=(const UserLocale&) = delete;
  bool installed() const { return installed_; }

 private:
  bool installed_ = false;
};

// A user data file with fractions in every number line and a location whose
// zone is half an hour.
constexpr char kStoredFile[] =
    "Half Hour\r\n 1 \r\nJerusalem , Israel\r\n-35.2166666666667 \r\n 31.7833333333333 \r\n2\r\n"
    "Half Hour\r\n 94.5833333333333 \r\n 0.5 \r\n.5\r\n"
    " 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n 16761024 \r\n"
    " 16761024 \r\n 16761024 \r\n 16761024 \r\n 12640511 \r\n 8421631 \r\n 16777215 \r\n 16777215 \r\n"
    " 16761024 \r\n";

// What each output was made by, and its text.
using Outputs = std::vector<std::pair<std::string, std::string>>;

// The report set of orvane-cli, which drives the same core as the desktop
// program: every command over years of both eras, the chronology ranges, the
// conversions, the listings, the help texts and a calendar file.
void AddReports(Outputs& outputs) {
  TempDir dir;
  testing::WriteBytes(dir / "UserData.Dat", kStoredFile);
  const testing::WorkingFolder working(dir.path());
  const std::vector<std::vector<std::string>> commands = {
      {"holydays", "-1461", "--east"},
      {"newmoons", "9999", "--crlf"},
      {"localmoons", "2024", "--lat", "4 57 N", "--lon", "94 35 W", "--gmt", "0.5", "--name", "X"},
      {"sunsets", "-1510", "--location", "Jerusalem , Israel"},
      {"times", "2024", "--gregorian", "--lat", "28 36 N", "--lon", "77 12 E", "--gmt", "5.5", "--name", "D"},
      {"golgotha", "20", "40"},
      {"flood", "-2348"},
      {"convert", "--jd", "2460390.25", "--criteria"},
      {"convert", "--biblical", "6028-1-14", "--criteria"},
      {"rabbinical", "-1"},
      {"easter", "1582"},
      {"locations"},
      {"localmoons", "2025", "--ics", (dir / "moons.ics").string()},
  };
  for (const std::vector<std::string>& args : commands) {
    std::ostringstream out, err;
    const int status = cli::RunCli(args, out, err, 2024);
    std::string name;
    for (const std::string& a : args) name += a + " ";
    outputs.emplace_back(name, "status " + std::to_string(status) + "\n" + out.str() + err.str());
  }
  for (std::string_view key : app::kHelpKeys) {
    outputs.emplace_back("help " + std::string(key), app::BuildHelpText(key));
  }
  // The calendar file, without its time stamps.
  std::string ics;
  for (const std::string& line : testing::TextLines(ReadBytes(dir / "moons.ics"))) {
    if (line.rfind("DTSTAMP", 0) != 0) ics += line + "\n";
  }
  outputs.emplace_back("moons.ics", ics);
}

// The desktop program's user data: a first start without a file, a second
// start on the file the first wrote, a start on a file with fractions; each
// time what the boxes and colours show, and the file saved.
void AddUserData(Outputs& outputs) {
  TempDir dir;
  auto start = [&](const std::string& name) {
    SilentBeeper beeper;
    app::HolyDaysWindow w{beeper};
    w.SetUserDataFolders({dir.path(), dir.path()});
    w.Form_Load(2024);
    w.LoadUserDataAtStartUp();
    std::string shown = w.LocationName() + "|" + w.txtLatDeg.Text + " " + w.txtLatMin.Text + " " +
                        w.txtLatDir.Text + "|" + w.txtLongDeg.Text + " " + w.txtLongMin.Text + " " +
                        w.txtLonDir.Text + "|" + w.txtGMT.Text + "|";
    for (std::int32_t colour : w.userData().Colours.stored) shown += std::to_string(colour) + " ";
    w.cmdLocMon_Click();
    outputs.emplace_back(name + " shows", shown + "\n" + w.engine().out.main.Text());
    w.SaveUserData();
    outputs.emplace_back(name + " saves", ReadBytes(dir / "UserData.Dat"));
  };
  start("first start");
  start("second start");
  testing::WriteBytes(dir / "UserData.Dat", kStoredFile);
  start("start on a stored file");
}

ClockDate NinthOfApril2024() { return {2024, 4, 9}; }

// The conversion window after a compute from a day count with a fraction, a
// possible Biblical date picked and a Rabbinical date with its molad.
void AddConversionWindow(Outputs& outputs) {
  testing::EngineFixture main{"2024"};
  SilentBeeper beeper;
  conversions::ConversionWindowModel m(main.engine, beeper, app::BuildHelpText, NinthOfApril2024);
  auto snapshot = [&](const std::string& step) {
    std::string shown;
    for (const std::string* field :
         {&m.fraGregorian,  &m.txtGDay,    &m.txtGMonth, &m.txtGYear,  &m.lblGDayOfWeek, &m.lblGYearType,
          &m.txtJCDay,      &m.txtJCMonth, &m.txtJCYear, &m.txtBDay,   &m.txtBMonth,     &m.txtBYear,
          &m.lblBDayOfWeek, &m.txtJDCount, &m.txtHDay,   &m.txtHMonth, &m.txtHYear,      &m.lblHDay,
          &m.lblHYearType,  &m.lblMolad1,  &m.lblRules}) {
      shown += *field + "|";
    }
    outputs.emplace_back("conversion window: " + step,
                         shown + std::to_string(m.MoonPictureIndex) + "\n" + m.txtCriteria().Text());
  };
  m.Form_Load();
  snapshot("opened");
  m.txtJDCount = "2460390.25";
  m.cmdJCompute_Click();
  snapshot("day count with a fraction");
  m.txtBYear = "6028";
  m.SetListIndex(conversions::Column::Biblical, 0);
  m.txtBDay = "1";
  m.cmdBCompute_Click();
  m.SelectOption(2);
  snapshot("second possible date of a Biblical date");
  m.txtHYear = "5784";
  m.SetListIndex(conversions::Column::Hebrew, 6);
  m.txtHDay = "1";
  m.cmdHCompute_Click();
  snapshot("Rabbinical date");
}

Outputs Everything() {
  Outputs outputs;
  AddReports(outputs);
  AddUserData(outputs);
  AddConversionWindow(outputs);
  return outputs;
}

const Outputs& UnderC() {
  static const Outputs outputs = [] {
    const UserLocale c("C");
    return Everything();
  }();
  return outputs;
}

// The first line in which two texts differ, for a readable failure.
std::string FirstDifference(const std::string& expected, const std::string& actual) {
  const std::vector<std::string> e = testing::TextLines(expected), a = testing::TextLines(actual);
  for (std::size_t i = 0; i < std::max(e.size(), a.size()); ++i) {
    const std::string el = i < e.size() ? e[i] : "(no line)", al = i < a.size() ? a[i] : "(no line)";
    if (el != al)
      return "line " + std::to_string(i + 1) + ": C gives\n  " + el + "\nthe locale gives\n  " + al;
  }
  return "the line ends differ";
}

class UnderTheUserLocale : public ::testing::TestWithParam<const char*> {};

TEST_P(UnderTheUserLocale, EveryNumberTextIsTheSameAsUnderC) {
  const Outputs& expected = UnderC();
  const UserLocale locale(GetParam());
  ASSERT_TRUE(locale.installed()) << GetParam() << " is not installed (scripts/install-deps.sh installs it)";
  // Only a locale with a decimal comma can show the fault.
  ASSERT_STREQ(std::localeconv()->decimal_point, ",");
  ASSERT_EQ(QLocale().decimalPoint(), QString(","));

  const Outputs actual = Everything();
  ASSERT_EQ(actual.size(), expected.size());
  for (std::size_t i = 0; i < actual.size(); ++i) {
    EXPECT_TRUE(actual[i].second == expected[i].second)
        << expected[i].first << "\n"
        << FirstDifference(expected[i].second, actual[i].second);
  }
}

INSTANTIATE_TEST_SUITE_P(CommaDecimalLocales, UnderTheUserLocale,
                         ::testing::Values("de_DE.UTF-8", "fr_FR.UTF-8"));

}  // namespace
}  // namespace orvane
