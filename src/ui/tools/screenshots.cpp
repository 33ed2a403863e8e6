// orvane-screenshots: drives the desktop program through its sections, runs a
// report in each and saves a picture of the window after each run.
//   orvane-screenshots OUTPUT_DIR
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <iostream>

#include "ui/frm_back_color.h"
#include "ui/frm_conversion.h"
#include "ui/frm_holy_days.h"
#include "ui/listing_window.h"

namespace {

struct Shot {
  QString file;
  QAction* orvane::ui::frmHolyDays::*section;
  QToolButton* orvane::ui::frmHolyDays::*button;
  QString year;
  QString year2;
};

void Settle() {
  for (int i = 0; i < 5; ++i) QApplication::processEvents();
}

bool Save(QWidget* window, const QDir& out, const QString& file) {
  Settle();
  if (window->grab().save(out.filePath(file))) return true;
  std::cerr << "could not write " << qPrintable(out.filePath(file)) << "\n";
  return false;
}

// A listing window after a compute of `year`.
bool SaveListing(orvane::ui::ListingWindow* w, const QString& year, const QDir& out, const QString& file) {
  w->txtYear->setText(year);
  emit w->txtYear->textEdited(year);
  w->cmdCompute->click();
  return Save(w, out, file);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::cerr << "usage: orvane-screenshots OUTPUT_DIR\n";
    return 2;
  }
  const QDir out(QString::fromLocal8Bit(argv[1]));
  QDir().mkpath(out.path());

  using W = orvane::ui::frmHolyDays;
  // A first start writes "UserData.Dat" without locations; the window of the
  // pictures is the second start, which has the default location.  The file
  // is one of its own, so that the user's locations show in no picture.
  const QTemporaryDir data;
  const orvane::app::UserDataFolders folders =
      orvane::app::NamedUserDataFile((data.path() + "/UserData.Dat").toStdString());
  { orvane::ui::frmHolyDays first(nullptr, nullptr, nullptr, folders); }
  orvane::ui::frmHolyDays window(nullptr, nullptr, nullptr, folders);
  window.show();
  Settle();

  const Shot shots[] = {
      {"holydays.png", &W::mnuHolyDays, &W::cmdHolyDays, "2024", ""},
      {"newmoons.png", &W::mnuHolyDays, &W::cmdMonths, "2024", ""},
      {"localmoons.png", &W::mnuLocalMoons, &W::cmdLocMon, "2024", ""},
      {"sunsets.png", &W::mnuSunset, &W::cmdSunset, "2024", ""},
      {"times.png", &W::mnuTimes, &W::cmdTimes, "2024", ""},
      {"golgotha.png", &W::mnuGolgotha, &W::cmdGolgotha, "28", "35"},
      {"jordan.png", &W::mnuJordan, &W::cmdJordan, "-1525", "-1495"},
      {"flood.png", &W::mnuFlood, &W::cmdFlood, "-2400", "-2300"},
      {"creation.png", &W::mnuCreation, &W::cmdCreation, "-4040", "-3965"},
  };
  int failures = 0;
  for (const Shot& s : shots) {
    (window.*s.section)->trigger();
    Settle();
    window.txtYear->setText(s.year);
    emit window.txtYear->textEdited(s.year);
    if (!s.year2.isEmpty()) {
      window.txtYear2->setText(s.year2);
      emit window.txtYear2->textEdited(s.year2);
    }
    (window.*s.button)->click();
    Settle();
    const QPixmap picture = window.grab();
    if (!picture.save(out.filePath(s.file))) {
      std::cerr << "could not write " << qPrintable(out.filePath(s.file)) << "\n";
      ++failures;
    }
  }

  // The conversion window on the first day of Abib 6009, a month that may
  // begin a day earlier, with the criteria window open.
  window.mnuConversions->trigger();
  Settle();
  orvane::ui::frmConversion& conversion = *window.conversion();
  conversion.model().txtBYear = "6009";
  conversion.model().SetListIndex(orvane::conversions::Column::Biblical, 0);
  conversion.model().txtBDay = "1";
  conversion.cmdBCompute->click();
  conversion.cmdCriteria_Click();
  failures += Save(&conversion, out, "conversions.png") ? 0 : 1;
  failures += Save(conversion.criteria(), out, "criteria.png") ? 0 : 1;
  conversion.cmdCriteria_Click();

  window.mnuHebrew->trigger();
  failures += SaveListing(window.hebrew(), "2024", out, "rabbinical.png") ? 0 : 1;
  window.mnuEaster->trigger();
  failures += SaveListing(window.easter(), "2024", out, "easter.png") ? 0 : 1;
  window.mnuColors->trigger();
  failures += Save(window.backColor(), out, "colors.png") ? 0 : 1;
  return failures == 0 ? 0 : 1;
}
