#include "ui/start_options.h"

#include <QApplication>
#include <QCommandLineParser>

#include "ui/qt_services.h"

namespace orvane::ui {

namespace {

constexpr const char* kDescription =
    "Orvane: new crescents, Biblical holy days and calendar conversions, in a desktop window.";

// Where the data file is, as the help text tells it.
constexpr const char* kDataFileText =
    "The locations and window colours are kept in UserData.Dat: in the folder the program is\n"
    "started from when one is already there, otherwise in the per-user data folder\n"
    "($XDG_DATA_HOME/orvane, or ~/.local/share/orvane), which the first start creates.\n"
    "orvane-cli reads the same file by the same rule; --data names another.\n"
    "Without a display, orvane-cli gives the reports in a terminal.\n";

// Whether the toolkit will find a display: the platform named by -platform
// or QT_QPA_PLATFORM, else the desktop's own (X11 or Wayland on Linux).
bool HasDisplay(const QStringList& arguments, const std::function<QString(const char*)>& environment) {
  QString platform = environment("QT_QPA_PLATFORM");
  for (int i = 1; i + 1 < arguments.size(); ++i) {
    if (arguments[i] == "-platform" || arguments[i] == "--platform") platform = arguments[i + 1];
  }
  platform = platform.section(':', 0, 0).section(';', 0, 0).trimmed();
  const bool x11 = !environment("DISPLAY").isEmpty();
  const bool wayland = !environment("WAYLAND_DISPLAY").isEmpty();
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
  if (platform.isEmpty()) return x11 || wayland;
  if (platform == "xcb") return x11;
  if (platform.startsWith("wayland")) return wayland;
#endif
  // Other platforms (offscreen, eglfs, vnc, Windows, macOS) need nothing
  // from the environment.
  return true;
}

}  // namespace

void SetApplicationIdentity() {
  QApplication::setApplicationName(QString::fromUtf8(app::kPerUserFolderName.data(),
                                                     static_cast<qsizetype>(app::kPerUserFolderName.size())));
  QApplication::setApplicationVersion(ORVANE_VERSION);
  QGuiApplication::setDesktopFileName("example.orvane.Orvane");
}

StartDecision ReadStartOptions(const QStringList& arguments,
                               const std::function<QString(const char*)>& environment,
                               StartOptions& options) {
  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  // One dash and a word is an option of the toolkit ("-platform"), not
  // seven letters.
  parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  const QCommandLineOption help({"h", "help"}, "Show this help and exit.");
  const QCommandLineOption version({"v", "version"}, "Show the program's version and exit.");
  const QCommandLineOption data("data",
                                "Read and save the locations and colours in FILE instead of UserData.Dat "
                                "(see below).",
                                "FILE");
  parser.addOption(help);
  parser.addOption(version);
  parser.addOption(data);

  StartDecision decision;
  const bool parsed = parser.parse(arguments);
  // Only an unknown option with two dashes is the user's mistake; the rest
  // is the toolkit's to read.
  QString unknown;
  for (const QString& argument : arguments.mid(1)) {
    if (!argument.startsWith("--") || argument == "--") continue;
    const QString name = argument.mid(2).section('=', 0, 0);
    if (name != "help" && name != "version" && name != "data" && name != "platform") {
      unknown = argument;
      break;
    }
  }
  if (!unknown.isEmpty() || (!parsed && parser.errorText().contains("Missing value"))) {
    const QString why = unknown.isEmpty() ? parser.errorText() : "Unknown option '" + unknown + "'.";
    decision.err = "orvane: " + why.toStdString() + " (see orvane --help)\n";
    decision.exitStatus = 2;
    return decision;
  }
  if (parser.isSet(help)) {
    QString text = parser.helpText();
    text.replace("<executable_name>", "orvane");
    decision.out = text.toStdString() + "\n" + kDataFileText;
    decision.exitStatus = 0;
    return decision;
  }
  if (parser.isSet(version)) {
    decision.out = std::string("orvane ") + ORVANE_VERSION + "\n";
    decision.exitStatus = 0;
    return decision;
  }
  if (parser.isSet(data)) {
    const QString file = parser.value(data);
    if (file.isEmpty()) {
      decision.err = "orvane: --data needs a file name (see orvane --help)\n";
      decision.exitStatus = 2;
      return decision;
    }
    options.dataFile = std::filesystem::path(file.toStdString());
  }
  if (!HasDisplay(arguments, environment)) {
    decision.err = std::string(kNoDisplayText) + "\n";
    decision.exitStatus = 1;
  }
  return decision;
}

app::UserDataFolders DesktopUserDataFolders(const StartOptions& options) {
  if (!options.dataFile.empty()) return app::NamedUserDataFile(options.dataFile);
  return ToolkitUserDataFolders();
}

}  // namespace orvane::ui
