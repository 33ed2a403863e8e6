// The desktop program's command line, read before any window exists, and
// where it keeps its data file.
#include "ui/start_options.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>

#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace orvane::ui {
namespace {

using orvane::testing::TempDir;

struct Case {
  const char* what;
  QStringList arguments;
  std::map<std::string, QString> environment;
  std::optional<int> exitStatus;
  const char* outHas;  // a text stdout holds, or nullptr for nothing at all
  const char* errHas;  // likewise for stderr
};

TEST(StartOptions, HelpVersionBadOptionsAndAMissingDisplayEndTheProgramBeforeAnyWindow) {
  const std::map<std::string, QString> none;
  const std::map<std::string, QString> x11{{"DISPLAY", ":0"}};
  const std::string noDisplay = std::string(kNoDisplayText) + "\n";
  const Case cases[] = {
      {"--help without a display", {"orvane", "--help"}, none, 0, "Usage: orvane [options]", nullptr},
      {"-h", {"orvane", "-h"}, x11, 0, "--data <FILE>", nullptr},
      {"--version without a display",
       {"orvane", "--version"},
       none,
       0,
       "orvane " ORVANE_VERSION "\n",
       nullptr},
      {"nothing to show the windows on", {"orvane"}, none, 1, nullptr, noDisplay.c_str()},
      {"X11 named but Wayland only",
       {"orvane"},
       {{"QT_QPA_PLATFORM", "xcb"}, {"WAYLAND_DISPLAY", "wayland-0"}},
       1,
       nullptr,
       noDisplay.c_str()},
      {"an X display", {"orvane"}, x11, std::nullopt, nullptr, nullptr},
      {"a Wayland display", {"orvane"}, {{"WAYLAND_DISPLAY", "wayland-0"}}, std::nullopt, nullptr, nullptr},
      {"the offscreen platform", {"orvane", "-platform", "offscreen"}, none, std::nullopt, nullptr, nullptr},
      {"a toolkit option is the toolkit's",
       {"orvane", "-style", "fusion"},
       x11,
       std::nullopt,
       nullptr,
       nullptr},
      {"an unknown option",
       {"orvane", "--colour", "red"},
       x11,
       2,
       nullptr,
       "orvane: Unknown option '--colour'."},
      {"--data without a file", {"orvane", "--data"}, x11, 2, nullptr, "--data"},
      {"--data=", {"orvane", "--data="}, x11, 2, nullptr, "--data needs a file name"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    StartOptions options;
    const StartDecision d = ReadStartOptions(
        c.arguments,
        [&c](const char* name) {
          const auto it = c.environment.find(name);
          return it == c.environment.end() ? QString() : it->second;
        },
        options);
    EXPECT_EQ(d.exitStatus, c.exitStatus);
    if (c.outHas == nullptr) {
      EXPECT_EQ(d.out, "");
    } else {
      EXPECT_NE(d.out.find(c.outHas), std::string::npos) << d.out;
    }
    if (c.errHas == nullptr) {
      EXPECT_EQ(d.err, "");
    } else {
      EXPECT_NE(d.err.find(c.errHas), std::string::npos) << d.err;
      EXPECT_EQ(std::count(d.err.begin(), d.err.end(), '\n'), 1) << d.err;
    }
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

  // The toolkit's data folder for the application and the one orvane-cli
  // finds from the environment are the same folder.
  TempDir dir;
  QString toolkit;
  app::UserDataFolders desktop;
  std::filesystem::path core;
  {
    const orvane::testing::ScopedEnvironment dataHome("XDG_DATA_HOME", (dir / "xdg").c_str());
    SetApplicationIdentity();
    toolkit = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    desktop = DesktopUserDataFolders(StartOptions{});
    core = app::PlatformPerUserFolder();
  }
  EXPECT_EQ(toolkit.toStdString(), (dir / "xdg" / "orvane").string());
  EXPECT_EQ(desktop.perUser, core);
  EXPECT_EQ(core, dir / "xdg" / "orvane");
  EXPECT_EQ(desktop.named, std::filesystem::path());

  // A Wayland desktop matches the windows to the launcher by this name.
  const char* tests = std::getenv("ORVANE_TEST_DATA");
  ASSERT_NE(tests, nullptr);
  const std::string launcher = QGuiApplication::desktopFileName().toStdString() + ".desktop";
  EXPECT_TRUE(std::filesystem::exists(std::filesystem::path(tests) / ".." / "data" / launcher)) << launcher;
}

}  // namespace
}  // namespace orvane::ui
