// orvane: the desktop program.
#include <QApplication>
#include <QIcon>

#include "ui/frm_holy_days.h"
#include "ui/frm_splash.h"
#include "ui/moon_pictures.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Orvane");
  QApplication::setApplicationVersion(ORVANE_VERSION);
  QApplication::setWindowIcon(QIcon(":/icons/orvane.svg"));

  orvane::ui::frmHolyDays main;
  // The splash comes first; the main window appears when it closes.
  auto* splash = new orvane::ui::frmSplash(main.moonPictures(), [&main] { main.show(); });
  splash->setAttribute(Qt::WA_DeleteOnClose);
  splash->show();
  return QApplication::exec();
}
