// The crescent visibility window, opened from the main window's menu and
// driven through its top-level window: its table is the command line's.
#include <QApplication>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/help_texts.h"
#include "crescentmap/crescent_map.h"
#include "support/cli_harness.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/frm_crescent.h"
#include "ui/frm_holy_days.h"

using namespace orvane;
using namespace orvane::ui;
using orvane::test::CountingBeeper;
using orvane::test::Lf;
using orvane::test::Press;

class FrmCrescentTest : public QObject {
  Q_OBJECT

 private slots:
  void opensFromTheMenuForTheBoxesPlaceAndShowsTheCommandLinesTable() {
    QTemporaryDir dir;
    const std::filesystem::path folder(dir.path().toStdString());
    test::ScriptedQuestions questions;
    CountingBeeper beeper;
    frmHolyDays w(&questions, nullptr, &beeper, app::UserDataFolders{folder, folder});
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    // Alt+N opens the Non-Scriptural menu; V is the window's accelerator.
    Press(&w, Qt::Key_N, Qt::AltModifier);
    QMenu* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    Press(menu, Qt::Key_V);
    frmCrescent* c = w.crescent();
    QVERIFY(c != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(c));
    QCOMPARE(c->txtOut->toPlainText(), Lf(app::BuildHelpText("Crescent")));

    test::Retype(c->txtDate, "2024-04-09");
    Press(c, Qt::Key_Return);
    const app::HolyDaysWindow& core = w.core();
    std::vector<std::string> args = {
        "crescent",   "2024-04-09",
        "--evenings", "5",
        "--lat",      core.txtLatDeg.Text + " " + core.txtLatMin.Text + " " + core.txtLatDir.Text,
        "--lon",      core.txtLongDeg.Text + " " + core.txtLongMin.Text + " " + core.txtLonDir.Text,
        "--gmt",      core.txtGMT.Text};
    if (!core.cboLocation.Text.empty()) {
      args.push_back("--name");
      args.push_back(core.cboLocation.Text);
    }
    const testing::CliResult cli = testing::RunOrvaneCli(args);
    QCOMPARE(cli.status, 0);
    QCOMPARE(c->txtOut->toPlainText(), QString::fromStdString(cli.out));
    QVERIFY(c->picMap->pixmap().width() >= 720);
    QCOMPARE(c->picMap->pixmap().size(), crescent::MapLayout().size);

    // A date it cannot read is told in the pane, and the map goes.
    test::Retype(c->txtDate, "2024-02-30");
    Press(c, Qt::Key_Return);
    QVERIFY(c->txtOut->toPlainText().contains(
        "The date must be a day of the Gregorian calendar, not '2024-02-30'"));
    QVERIFY(c->picMap->pixmap().isNull());
    Press(c, Qt::Key_F1);
    QCOMPARE(c->txtOut->toPlainText(), Lf(app::BuildHelpText("Crescent")));
  }
};

int CrescentWindowTests(int argc, char** argv) {
  FrmCrescentTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "crescent_window_test.moc"
