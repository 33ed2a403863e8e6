// The desktop program's command line, read before any window exists, and
// where it keeps its data file.
#include "ui/start_options.h"

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QStandardPaths>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <optional>

#include "support/scoped_environment.h"
#include "support/temp_dir.h"

namespace orvane::ui {
namespace {

using orvane::testing::TempDir;

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
          for (const QString& e : environment) {
            if (e.startsWith(QString(name) + "=")) return e.mid(static_cast<int>(std::strlen(name)) + 1);
          }
          return QString();
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
