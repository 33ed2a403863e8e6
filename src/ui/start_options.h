// What the desktop program settles before it opens a window: its name for
// the desktop, and the options of its command line, read while no display
// is needed yet.
#pragma once

#include <QString>
#include <QStringList>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>

#include "app/user_data_file.h"

namespace orvane::ui {

// The application's name, "orvane", which names its data folder
// (QStandardPaths::AppDataLocation is ~/.local/share/orvane), its version,
// and the desktop file that launches it, so that a Wayland desktop matches
// its windows to the launcher.  No display name is set: the toolkit would
// add it to every window caption.
void SetApplicationIdentity();

struct StartOptions {
  std::filesystem::path dataFile;  // --data FILE; empty for the usual rule
};

// What the program does after reading its command line.
struct StartDecision {
  std::optional<int> exitStatus;  // set: end at once with this status
  std::string out;                // for stdout (--help, --version)
  std::string err;                // for stderr (a bad option, no display)
};

// Reads the command line (the program's name first) before the toolkit is
// started: --help and --version are answered, a bad option refused (exit
// status 2), and without a display the program ends with one line pointing
// to orvane-cli (exit status 1).  Options of the toolkit (-platform, -style
// and the like, with one dash) are left to it.  `environment` gives the
// value of a variable (DISPLAY, WAYLAND_DISPLAY, QT_QPA_PLATFORM).
StartDecision ReadStartOptions(const QStringList& arguments,
                               const std::function<QString(const char*)>& environment, StartOptions& options);

// The line said when there is no display to show the windows on.
inline constexpr const char* kNoDisplayText =
    "orvane: no display to show the program's windows on; orvane-cli gives its reports in a terminal "
    "(see orvane-cli --help)";

// The data-file folders of the desktop program: the named file of --data,
// or the working directory and the toolkit's AppDataLocation.
app::UserDataFolders DesktopUserDataFolders(const StartOptions& options);

}  // namespace orvane::ui
