// The desktop program as a process: under the user's locale (a German or
// French one writes two and a half as "2,5", yet reports and data file must
// give the bytes they give under C), its command line read before any window
// exists, and where it keeps its data file.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QLocale>
#include <QRegularExpression>
#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "app/help_texts.h"
#include "cli/cli.h"
#include "support/main_window_core.h"
#include "support/scoped_environment.h"
#include "support/working_folder.h"
#include "ui/start_options.h"

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
const std::string kStoredFile =
    testing::Crlf({"Half Hour", " 1 ", "Jerusalem , Israel", "-35.2166666666667 ", " 31.7833333333333 ", "2",
                   "Half Hour", " 94.5833333333333 ", " 0.5 ", ".5"}) +
    testing::kTwoPlaces.substr(testing::kTwoPlaces.find(" 1676"));

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

namespace orvane::ui {
namespace {

TEST(StartOptions, HelpVersionBadOptionsAndAMissingDisplayEndTheProgramBeforeAnyWindow) {
  const std::string noDisplay = std::string(kNoDisplayText) + "\n";
  struct Case {
    const char* arguments;    // blank-separated, after the program's name
    const char* environment;  // "NAME=value" blank-separated
    std::optional<int> exitStatus;
    const char* outHas;  // a text stdout holds, or nullptr for nothing at all
    const char* errHas;  // likewise for stderr, a single line
  };
  const Case cases[] = {
      {"--help", "", 0, "Usage: orvane [options]", nullptr},
      {"-h", "DISPLAY=:0", 0, "--data <FILE>", nullptr},
      {"--version", "", 0, "orvane " ORVANE_VERSION "\n", nullptr},
      {"", "", 1, nullptr, noDisplay.c_str()},  // nothing to show the windows on
      {"", "QT_QPA_PLATFORM=xcb WAYLAND_DISPLAY=wayland-0", 1, nullptr, noDisplay.c_str()},
      {"", "DISPLAY=:0", std::nullopt, nullptr, nullptr},
      {"", "WAYLAND_DISPLAY=wayland-0", std::nullopt, nullptr, nullptr},
      {"-platform offscreen", "", std::nullopt, nullptr, nullptr},
      {"-style fusion", "DISPLAY=:0", std::nullopt, nullptr, nullptr},  // a toolkit option is the toolkit's
      {"--colour red", "DISPLAY=:0", 2, nullptr, "orvane: Unknown option '--colour'."},
      {"--data", "DISPLAY=:0", 2, nullptr, "--data"},
      {"--data=", "DISPLAY=:0", 2, nullptr, "--data needs a file name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.arguments) + " with " + c.environment);
    const QStringList environment = QString(c.environment).split(' ', Qt::SkipEmptyParts);
    StartOptions options;
    const StartDecision d = ReadStartOptions(
        QStringList{"orvane"} + QString(c.arguments).split(' ', Qt::SkipEmptyParts),
        [&environment](const char* name) {
          const QStringList given = environment.filter(QRegularExpression(QString("^") + name + "="));
          return given.isEmpty() ? QString() : given[0].section('=', 1);
        },
        options);
    EXPECT_EQ(d.exitStatus, c.exitStatus);
    EXPECT_TRUE(c.outHas == nullptr ? d.out.empty() : d.out.find(c.outHas) != std::string::npos) << d.out;
    EXPECT_TRUE(c.errHas == nullptr ? d.err.empty()
                                    : d.err.find(c.errHas) != std::string::npos &&
                                          std::count(d.err.begin(), d.err.end(), '\n') == 1)
        << d.err;
  }
}

TEST(StartOptions, DataNamesTheOnlyFileAndTheToolkitsNamesAgreeWithTheCoreAndTheLauncher) {
  StartOptions options;
  const StartDecision d = ReadStartOptions(
      {"orvane", "--data", "/srv/shared/places.dat"}, [](const char*) { return QString(":0"); }, options);
  EXPECT_FALSE(d.exitStatus.has_value());
  const app::UserDataFolders named = DesktopUserDataFolders(options);
  EXPECT_EQ(named.named, std::filesystem::path("/srv/shared/places.dat"));
  EXPECT_EQ(app::UserDataSavePath(named), std::filesystem::path("/srv/shared/places.dat"));

  // The desktop program's data folder, from the toolkit, and the one
  // orvane-cli finds from the environment are the same folder: in the data
  // home given, else (a relative one is ignored) beside the home.
  TempDir dir;
  const orvane::testing::ScopedEnvironment home("HOME", (dir / "home").c_str());
  SetApplicationIdentity();
  const std::pair<std::string, std::filesystem::path> homes[] = {
      {(dir / "xdg").string(), dir / "xdg" / "orvane"},
      {"relative/is/ignored", dir / "home" / ".local" / "share" / "orvane"}};
  for (const auto& [dataHome, folder] : homes) {
    const orvane::testing::ScopedEnvironment given("XDG_DATA_HOME", dataHome.c_str());
    EXPECT_EQ(app::PlatformPerUserFolder(), folder);
    EXPECT_EQ(DesktopUserDataFolders(StartOptions{}).perUser, folder);
  }
  EXPECT_EQ(DesktopUserDataFolders(StartOptions{}).named, std::filesystem::path());

  // A Wayland desktop matches the windows to the launcher by this name.
  const char* tests = std::getenv("ORVANE_TEST_DATA");
  ASSERT_NE(tests, nullptr);
  const std::string launcher = QGuiApplication::desktopFileName().toStdString() + ".desktop";
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(tests) / ".." / "data" / launcher)) << launcher;
}

}  // namespace
}  // namespace orvane::ui
