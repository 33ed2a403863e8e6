// The main window and the crescent window it opens, driven through their
// top-level windows as the window system delivers keys and clicks: that each
// control reaches the core's handler and shows what the core holds.
#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDate>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/help_texts.h"
#include "crescentmap/crescent_map.h"
#include "support/cli_harness.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/calendar_export.h"
#include "ui/frm_crescent.h"
#include "ui/frm_holy_days.h"
#include "ui/qt_services.h"

using namespace orvane;
using namespace orvane::ui;
using test::Click;
using test::Press;
using test::Retype;
using test::Type;

namespace {

class RecordingPrinter final : public app::PrintService {
 public:
  bool PrintDocument(const std::string& font, int size, const std::string& text) override {
    documents.push_back(font + " " + std::to_string(size) + "\n" + text);
    return true;
  }
  std::vector<std::string> documents;
};

// A main window with "UserData.Dat" in a fresh folder of its own, shown and active.
struct Fixture {
  testing::TempDir dir;
  test::ScriptedQuestions questions;
  RecordingPrinter printer;
  test::CountingBeeper beeper;
  std::unique_ptr<frmHolyDays> w;
  Fixture() { Open(&printer); }
  explicit Fixture(app::PrintService* print) { Open(print); }  // null: the platform's printer
  void Open(app::PrintService* print) {
    w = std::make_unique<frmHolyDays>(&questions, print, &beeper,
                                      app::UserDataFolders{dir.path(), dir.path()});
    test::ActiveWindowOf(w.get());
  }
  void Section(Qt::Key key) { Press(w.get(), key, Qt::ControlModifier); }
};

}  // namespace

class MainWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void reportsSectionsAndKeys() {
    Fixture f;
    frmHolyDays& w = *f.w;
    QCOMPARE(w.txtYear->text(), QString::number(QDate::currentDate().year()));
    QCOMPARE(w.PaneText(), QString::fromStdString(app::BuildHelpText("HolyDays")));
    // The year box starts with the focus and its year selected; a letter
    // beyond ASCII (or beyond 16 bits) is dropped with a beep; Enter repeats
    // the last report.
    Type(&w, "2018");
    for (const QString& letter : {QStringLiteral("\u00E9"), QStringLiteral("\U0001F600")})
      QTest::sendKeyEvent(QTest::Click, test::ActiveWindowOf(&w), Qt::Key_unknown, letter, Qt::NoModifier);
    QCOMPARE(f.beeper.beeps, 2);
    Press(&w, Qt::Key_Return);
    QVERIFY(w.PaneText().startsWith("These Holy Day dates are for Israel") &&
            w.PaneText().contains("2018 CE"));
    // Enter on a focused picture button runs it, as Space does.
    Retype(w.txtYear, "2024");
    Press(&w, Qt::Key_Tab);
    Press(&w, Qt::Key_Return);
    QVERIFY(w.PaneText().contains("Abib 1 is Wednesday, 10 Apr 2024 CE \r\n"));
    QCOMPARE(w.txtOut->toPlainText(), test::Lf(w.core().OutputText()));
    Click(w.chkEJW);
    QVERIFY(w.PaneText().startsWith("These Holy Day dates are corrected (delayed one day) for the"));
    // A range section selects the start year only where the focus is; with
    // nothing selected in the pane Ctrl+C is the Creation accelerator.
    Click(w.txtOut);
    f.Section(Qt::Key_G);
    QVERIFY(w.txtOut->hasFocus() && !w.txtYear->hasSelectedText() && w.txtYear->text() == "28");
    f.Section(Qt::Key_C);
    QCOMPARE(w.core().SectionName, std::string("Creation"));
    // A section that hides the focused control gives the focus to the year
    // box with its year selected: a year typed and Enter run the section.
    f.Section(Qt::Key_H);
    Click(w.chkEJW);
    f.Section(Qt::Key_L);
    Type(&w, "2025");
    Press(&w, Qt::Key_Return);
    QVERIFY(w.PaneText().contains("2025 CE  CALCULATED NEW MOONS"));
    // Each section of the Mode menu shows its own button, the tables leave
    // room for the Gregorian-year box above the pane.
    const std::pair<QAction*, QToolButton*> sections[] = {
        {w.mnuSunset, w.cmdSunset},     {w.mnuTimes, w.cmdTimes},      {w.mnuGolgotha, w.cmdGolgotha},
        {w.mnuJordan, w.cmdJordan},     {w.mnuFlood, w.cmdFlood},      {w.mnuCreation, w.cmdCreation},
        {w.mnuLocalMoons, w.cmdLocMon}, {w.mnuHolyDays, w.cmdHolyDays}};
    for (const auto& [mode, button] : sections) {
      mode->trigger();
      QCOMPARE(w.windowTitle(), QString::fromStdString(w.core().Caption));
      for (QToolButton* b : {w.cmdHolyDays, w.cmdLocMon, w.cmdSunset, w.cmdTimes, w.cmdGolgotha, w.cmdJordan,
                             w.cmdFlood, w.cmdCreation}) {
        QVERIFY2(b->isVisible() == (b == button), qPrintable(w.windowTitle() + " " + b->objectName()));
      }
      QCOMPARE(w.txtYear2->isVisible(), w.core().CurrentSection().range);
      QCOMPARE(w.txtOut->geometry().top(), w.chkGregYear->isVisible() ? 72 : 48);
      QCOMPARE(w.txtOut->geometry().bottom() + 1, 585);
    }
    QVERIFY(w.cmdMonths->isVisible() && w.chkEJW->isVisible());
    // The picture buttons are named for a screen reader.
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(w.cmdTimes);
    QCOMPARE(spoken->text(QAccessible::Name), QString("Sun and moon times"));
    QCOMPARE(spoken->text(QAccessible::Description), w.cmdTimes->toolTip());
  }

  void theRunsOfTheLocationAndRangeSections() {
    Fixture f;
    frmHolyDays& w = *f.w;
    f.Section(Qt::Key_S);
    Click(w.chkGregYear);  // ticking it runs the table
    QVERIFY(w.PaneText().contains("CALCULATED SUNSETS") && w.PaneText().contains(" 1 Jan "));
    f.Section(Qt::Key_G);
    Click(w.cmdGolgotha);
    const QString range = w.PaneText();
    QVERIFY(range.startsWith("The following years may have the Passover sacrifice on Wednesday."));
    w.core().OutputPane().Clear();
    Click(w.txtYear2);
    QCOMPARE(w.txtYear2->selectedText(), QString("35"));  // selected on entry
    Press(&w, Qt::Key_Return);
    QCOMPARE(w.PaneText(), range);
    // The Flood button is disabled, and WORKING shown, while a range computes.
    f.Section(Qt::Key_F);
    std::vector<bool> enabledDuring;
    w.core().PendingEventsHook = [&, mirror = w.core().PendingEventsHook] {
      mirror();
      enabledDuring.push_back(w.cmdFlood->isEnabled() || !w.txtWorking->isVisible());
    };
    Retype(w.txtYear2, "-1890");
    Press(&w, Qt::Key_Return);
    QCOMPARE(enabledDuring, std::vector<bool>({false, false}));
    QVERIFY(w.cmdFlood->isEnabled() && !w.txtWorking->isVisible());
  }

  void aLocationIsPickedAndAChangedPlaceSavedOnClosing() {
    Fixture f;
    f.Open(&f.printer);  // the second start installs the default entry
    frmHolyDays& w = *f.w;
    f.Section(Qt::Key_L);
    Retype(w.txtLatMin, "3");
    QVERIFY(w.lblChange->isVisible());
    QComboBox* box = w.cboLocation;
    test::ClickAt(box, QPoint(box->width() - 6, box->height() / 2));
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QTest::qWait(QApplication::doubleClickInterval());  // the list ignores a release right after it opened
    test::ClickAt(list->viewport(), list->visualRect(box->model()->index(0, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentText(), QString("Jerusalem , Israel"));
    QCOMPARE(w.txtLatMin->text(), QString("46"));
    QVERIFY(!w.lblChange->isVisible());
    // Closing the window saves a changed place, as File, Exit does; unchanged, nothing is written.
    Retype(w.txtGMT, "5");
    std::filesystem::remove(f.dir / "UserData.Dat");
    w.close();
    QVERIFY(std::filesystem::exists(f.dir / "UserData.Dat"));
    f.Open(&f.printer);
    std::filesystem::remove(f.dir / "UserData.Dat");
    f.w->mnuExit->trigger();
    QVERIFY(!std::filesystem::exists(f.dir / "UserData.Dat"));
  }

  void printingAndExports() {
    Fixture f;
    frmHolyDays& w = *f.w;
    // An empty pane: asked, nothing printed.
    w.core().OutputPane().Clear();
    w.mnuPrint->trigger();
    QCOMPARE(f.questions.asked.size(), std::size_t(1));
    QVERIFY(f.printer.documents.empty());
    Retype(w.txtYear, "2024");
    // The help text in the pane is no report: the user is told so before
    // being asked for a file, and nothing is written.
    const QString ics = f.dir.path().c_str() + QString("/holy-days.ics");
    bool askedForFile = false;
    QVERIFY(!ExportToCalendar(&w, w.core(), f.questions, [&] { return askedForFile = true, ics; }));
    QVERIFY(!askedForFile);
    QVERIFY(f.questions.LastText().starts_with("The window shows no holy days or month starts to export"));
    Click(w.cmdHolyDays);
    QVERIFY(ExportToCalendar(&w, w.core(), f.questions, [&] { return ics; }));
    QVERIFY(testing::ReadBytes(ics.toStdString()).find("Feast of Trumpets") != std::string::npos);
    // Verify Print: No prints nothing, Yes prints the pane below four empty lines.
    f.questions.answer = app::Answer::No;
    Press(&w, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(QString::fromStdString(f.questions.LastText()),
             QString("Do you wish to print these results to the printer?"));
    QVERIFY(f.printer.documents.empty());
    f.questions.answer = app::Answer::Yes;
    Press(&w, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(f.printer.documents,
             std::vector<std::string>{"Courier New 10\n\r\n\r\n\r\n\r\n" + w.core().OutputText() + "\r\n"});
    // A printer that fails says so.
    QtPrintService broken([] { return std::make_unique<QPdfWriter>("/nonexistent-folder/report.pdf"); });
    Fixture failing(&broken);
    Click(failing.w->cmdHolyDays);
    failing.w->mnuPrint->trigger();
    QCOMPARE(failing.questions.LastText(), std::string("There was a problem printing to your printer."));
  }

  void anExportedPdfLinesUpAsThePane() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString exported = dir.filePath("chosen.pdf");
    Fixture f(nullptr);
    frmHolyDays& w = *f.w;
    QString offered;
    w.SetExportFileChooser([&](const QString& name) { return offered = name, exported; });
    Retype(w.txtYear, "2024");
    Click(w.cmdHolyDays);
    // File, Export PDF by its mnemonics, as a user types them.
    Press(&w, Qt::Key_F, Qt::AltModifier);
    auto* file = w.menuBar()->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    Press(file, Qt::Key_D);
    QTRY_COMPARE(offered, QString("holydays-2024.pdf"));
    // Fixed pitch: the table's columns line up as in the pane.
    const QString heading =
        " Date     Sunset Moonset   Illum. Sun's  [Moon's at Sunset]  Sun's    Visib   Visible?";
    QProcess pdftotext;  // the text in its columns
    pdftotext.start("pdftotext", {"-layout", exported, "-"});
    QVERIFY(pdftotext.waitForFinished(30000));
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.contains("Abib 1 is Wednesday, 10 Apr 2024 CE"), qPrintable(text.left(400)));
    for (const QString& l : text.split('\n')) {
      if (l.contains("Sunset Moonset"))
        QCOMPARE(l.indexOf("Visib") - l.indexOf("Sunset"),
                 heading.indexOf("Visib") - heading.indexOf("Sunset"));
    }
  }

  // The crescent visibility window, opened by the menu's accelerators for
  // the boxes' place: its table is the command line's.
  void theCrescentWindowShowsTheCommandLinesTable() {
    Fixture f;
    frmHolyDays& w = *f.w;
    Press(&w, Qt::Key_N, Qt::AltModifier);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu != nullptr);
    Press(menu, Qt::Key_V);
    frmCrescent* c = w.crescent();
    QVERIFY(c != nullptr && QTest::qWaitForWindowExposed(c));
    QCOMPARE(c->txtOut->toPlainText(), test::Lf(app::BuildHelpText("Crescent")));
    Retype(c->txtDate, "2024-04-09");
    Press(c, Qt::Key_Return);
    const app::HolyDaysWindow& core = w.core();
    std::vector<std::string> args = {
        "crescent",   "2024-04-09",
        "--evenings", "5",
        "--lat",      core.txtLatDeg.Text + " " + core.txtLatMin.Text + " " + core.txtLatDir.Text,
        "--lon",      core.txtLongDeg.Text + " " + core.txtLongMin.Text + " " + core.txtLonDir.Text,
        "--gmt",      core.txtGMT.Text};
    if (!core.cboLocation.Text.empty()) args.insert(args.end(), {"--name", core.cboLocation.Text});
    const testing::CliResult cli = testing::RunOrvaneCli(args);
    QCOMPARE(cli.status, 0);
    QCOMPARE(c->txtOut->toPlainText(), QString::fromStdString(cli.out));
    QVERIFY(c->picMap->pixmap().width() >= 720);
    QCOMPARE(c->picMap->pixmap().size(), crescent::MapLayout().size);
    // A date it cannot read is told in the pane, and the map goes.
    Retype(c->txtDate, "2024-02-30");
    Press(c, Qt::Key_Return);
    QVERIFY(c->txtOut->toPlainText().contains(
        "The date must be a day of the Gregorian calendar, not '2024-02-30'"));
    QVERIFY(c->picMap->pixmap().isNull());
    Press(c, Qt::Key_F1);
    QCOMPARE(c->txtOut->toPlainText(), test::Lf(app::BuildHelpText("Crescent")));
  }
};

int MainWindowTests(int argc, char** argv) {
  MainWindowTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "main_window_test.moc"
