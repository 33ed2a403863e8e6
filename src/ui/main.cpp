// orvane: the desktop program.
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <optional>
#include <utility>

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

// Runs `then` once, from the event loop, after the watched window has been
// painted for the first time.
class AfterFirstPaint final : public QObject {
 public:
  AfterFirstPaint(QWidget* window, std::function<void()> then) : QObject(window), then_(std::move(then)) {
    window->installEventFilter(this);
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && then_) {
      // Queued, so that the picture reaches the screen before the work starts.
      QTimer::singleShot(0, this, std::exchange(then_, nullptr));
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void()> then_;
};

}  // namespace

int main(int argc, char** argv) {
  orvane::ui::SetApplicationIdentity();
  orvane::ui::StartOptions options;
  if (const std::optional<int> status = ReadCommandLine(argc, argv, options)) return *status;

  const QtMessageHandler previous = qInstallMessageHandler(EndWithoutDisplay);
  QApplication app(argc, argv);
  qInstallMessageHandler(previous);
  QApplication::setWindowIcon(QIcon(":/icons/orvane.svg"));

  // The splash comes first, painted before the main window is built (which
  // takes longer than the splash itself); the main window appears when the
  // splash closes.
  orvane::ui::MoonPictures splashPictures{128};
  const auto folders = orvane::ui::DesktopUserDataFolders(options);
  std::unique_ptr<orvane::ui::frmHolyDays> main;
  auto build = [&main, folders] {
    if (!main) main = std::make_unique<orvane::ui::frmHolyDays>(nullptr, nullptr, nullptr, folders);
  };
  auto* splash = new orvane::ui::frmSplash(splashPictures, [&main, build] {
    build();
    main->show();
  });
  splash->setAttribute(Qt::WA_DeleteOnClose);
  new AfterFirstPaint(splash, build);
  // Where nothing is painted (no screen to paint on), the main window is
  // built all the same.
  QTimer::singleShot(1000, &app, build);
  splash->show();
  const int status = QApplication::exec();
  main.reset();  // before the pictures and the application it uses
  return status;
}
