// orvane: the desktop program.
#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QTimer>
#include <functional>
#include <memory>
#include <utility>

#include "ui/frm_holy_days.h"
#include "ui/frm_splash.h"
#include "ui/moon_pictures.h"

namespace {

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
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvane");
  QApplication::setApplicationVersion(ORVANE_VERSION);
  QApplication::setWindowIcon(QIcon(":/icons/orvane.svg"));

  // The splash comes first, painted before the main window is built (which
  // takes longer than the splash itself); the main window appears when the
  // splash closes.
  orvane::ui::MoonPictures splashPictures{128};
  std::unique_ptr<orvane::ui::frmHolyDays> main;
  auto build = [&main] {
    if (!main) main = std::make_unique<orvane::ui::frmHolyDays>();
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
