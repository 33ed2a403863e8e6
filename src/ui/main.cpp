// orvane: the desktop program.
#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "ui/frm_holy_days.h"
#include "ui/frm_splash.h"
#include "ui/moon_pictures.h"
#include "ui/start_options.h"

namespace {

// Reads the command line before the toolkit needs a display: --help,
// --version, a bad option and a missing display end the program here with
// their exit status; otherwise `options` holds what was asked for.
std::optional<int> ReadCommandLine(int argc, char** argv, orvane::ui::StartOptions& options) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const orvane::ui::StartDecision decision = orvane::ui::ReadStartOptions(
      arguments, [](const char* name) { return qEnvironmentVariable(name); }, options);
  std::fputs(decision.out.c_str(), stdout);
  std::fputs(decision.err.c_str(), stderr);
  return decision.exitStatus;
}

// A display named but not reached (a closed X server) is found only when the
// toolkit connects: the program then ends with the same line as without one,
// not with an abort.
void EndWithoutDisplay(QtMsgType type, const QMessageLogContext&, const QString& message) {
  std::fputs(qPrintable(message + "\n"), stderr);
  if (type != QtFatalMsg) return;
  std::fputs(orvane::ui::kNoDisplayText, stderr);
  std::fputc('\n', stderr);
  std::_Exit(1);
}

}  // namespace

int main(int argc, char** argv) {
  orvane::ui::SetApplicationIdentity();
  orvane::ui::StartOptions options;
  if (const std::optional<int> status = ReadCommandLine(argc, argv, options)) return *status;

  const QtMessageHandler previous = qInstallMessageHandler(EndWithoutDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setWindowIcon(QIcon(":/icons/orvane.svg"));

  orvane::ui::frmHolyDays main(nullptr, nullptr, nullptr, orvane::ui::DesktopUserDataFolders(options));
  // The splash comes first; the main window appears when it closes.
  auto* splash = new orvane::ui::frmSplash(main.moonPictures(), [&main] { main.show(); });
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  return QApplication::exec();
}
