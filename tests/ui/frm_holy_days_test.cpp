// The main window driven through its top-level window on the offscreen
// platform, as the window system delivers keys and clicks.
#include "ui/frm_holy_days.h"

#include <QAccessible>
#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDate>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <filesystem>

#include "app/help_texts.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/frm_about.h"
#include "ui/frm_splash.h"
#include "ui/qt_services.h"
#include "ui/window_helpers.h"

using namespace orvane;
using namespace orvane::ui;
using orvane::test::Click;
using orvane::test::CountingBeeper;
using orvane::test::Press;
using orvane::test::ScriptedQuestions;
using orvane::test::Type;

namespace {

class RecordingPrinter final : public app::PrintService {
 public:
  bool PrintDocument(const std::string& font, int size, const std::string& text) override {
    fontName = font;
    pointSize = size;
    documents.push_back(text);
    return true;
  }
  std::string fontName;
  int pointSize = 0;
  std::vector<std::string> documents;
};

// Every window of these tests keeps its "UserData.Dat" in a folder of its own.
app::UserDataFolders TestFolders() {
  static QTemporaryDir dir;
  return {std::filesystem::path(dir.path().toStdString()), std::filesystem::path(dir.path().toStdString())};
}

// The text of a PDF file as pdftotext reads it, in its columns.
QString PdfText(const QString& path) {
  QProcess p;
  p.start("pdftotext", {"-layout", path, "-"});
  if (!p.waitForFinished(30000)) return {};
  return QString::fromUtf8(p.readAllStandardOutput());
}

QString Lf(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}

}  // namespace

class FrmHolyDaysTest : public QObject {
  Q_OBJECT

 private:
  ScriptedQuestions questions;
  RecordingPrinter printer;
  CountingBeeper beeper;

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }

  void startsWithTheCurrentYearAndNoReport() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    QCOMPARE(w.txtYear->text(), QString::number(QDate::currentDate().year()));
    // The pane holds the holy-days help text, not a report.
    QCOMPARE(w.PaneText(), QString::fromStdString(app::BuildHelpText("HolyDays")));
    QCOMPARE(w.windowTitle(), QString("Orvane - HOLY DAYS / NEW MOONS - orvane.example"));
    QCOMPARE(w.txtYear->maxLength(), 5);
    QVERIFY(w.txtOut->isReadOnly());
    QVERIFY(w.txtOut->font().fixedPitch());
    QCOMPARE(w.txtOut->font().pointSizeF(), 9.75);
    QCOMPARE(w.centralWidget()->size(), QSize(825, 594));
    // Not resizable: the client area and the menu bar, nothing more.
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.minimumSize(), w.maximumSize());
    QCOMPARE(w.size(), QSize(825, 594 + w.menuBar()->height()));
  }

  void aReportFromTheButtonShowsTheCoresText() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    Type(&w, "2024");  // the year box starts with the focus and its year selected
    // A letter beyond ASCII meets the year box's filter too: dropped with a beep.
    const int beeps = beeper.beeps;
    QTest::sendKeyEvent(QTest::Click, test::ActiveWindowOf(&w), Qt::Key_Eacute, QStringLiteral("\u00E9"),
                        Qt::NoModifier);
    QCOMPARE(w.txtYear->text(), QString("2024"));
    QCOMPARE(beeper.beeps, beeps + 1);
    Click(w.cmdHolyDays);
    QVERIFY(w.PaneText().contains("Abib 1 is Wednesday, 10 Apr 2024 CE \r\n"));
    QCOMPARE(w.txtOut->toPlainText(), Lf(w.core().OutputText()));
  }

  void enterInTheYearBoxRepeatsTheLastReport() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    Type(&w, "2018");
    Press(&w, Qt::Key_Return);
    QVERIFY(w.PaneText().startsWith("These Holy Day dates are for Israel"));
    QVERIFY(w.PaneText().contains("2018 CE"));
    Click(w.cmdMonths);
    test::Retype(w.txtYear, "2019");
    Press(&w, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(w.PaneText().startsWith(" 2019 CE  CALCULATED NEW MOONS"));
  }

  void aKeyboardUserRunsCopiesAndChangesSections() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    // Enter on a focused picture button runs it, as Space does.
    Type(&w, "2024");
    Press(&w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdHolyDays);
    Press(&w, Qt::Key_Return);
    QVERIFY(w.PaneText().contains("Abib 1 is Wednesday, 10 Apr 2024 CE \r\n"));
    // In the pane Ctrl+A and Ctrl+C select and copy the report, instead of
    // opening About and switching to Creation.
    Click(w.txtOut);
    Press(&w, Qt::Key_A, Qt::ControlModifier);
    Press(&w, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), w.txtOut->toPlainText());
    QCOMPARE(w.core().SectionName, std::string("HolyDays"));
    QVERIFY(w.about() == nullptr);
    // A range section selects the start year only where the focus is.
    Press(&w, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(w.txtYear->text(), QString("28"));
    QVERIFY(w.txtOut->hasFocus());
    QVERIFY(!w.txtYear->hasSelectedText());
    // With nothing selected in the pane Ctrl+C is the Creation accelerator.
    Click(w.txtOut);
    Press(&w, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(w.core().SectionName, std::string("Creation"));
    // A section that hides the focused control gives the focus to the year
    // box with its year selected: a year typed and Enter run the section.
    Press(&w, Qt::Key_H, Qt::ControlModifier);
    Click(w.chkEJW);
    QVERIFY(w.chkEJW->hasFocus());
    Press(&w, Qt::Key_L, Qt::ControlModifier);
    QVERIFY(w.txtYear->hasFocus());
    Type(&w, "2025");
    Press(&w, Qt::Key_Return);
    QVERIFY(w.PaneText().contains("2025 CE  CALCULATED NEW MOONS"));
  }

  void theEastOfIsraelBoxRerunsTheReport() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    Click(w.cmdHolyDays);
    Click(w.chkEJW);
    QVERIFY(w.chkEJW->isChecked());
    QVERIFY(w.PaneText().startsWith("These Holy Day dates are corrected (delayed one day) for the"));
    QCOMPARE(w.txtOut->toPlainText(), Lf(w.core().OutputText()));
  }

  void everySectionShowsItsControls() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.show();
    struct Expect {
      QAction* action;
      QString caption;
      std::vector<QToolButton*> buttons;
      bool year2, ejw, greg;
      int paneTop;
      QString year, year2Text;
    };
    const std::vector<Expect> expected = {
        {w.mnuLocalMoons, "LOCAL NEW MOONS", {w.cmdLocMon}, false, false, false, 48, "", ""},
        {w.mnuSunset, "LOCAL SUNSETS", {w.cmdSunset}, false, false, true, 72, "", ""},
        {w.mnuTimes, "LOCAL TIMES", {w.cmdTimes}, false, false, true, 72, "", ""},
        {w.mnuGolgotha, "GOLGOTHA", {w.cmdGolgotha}, true, false, false, 48, "28", "35"},
        {w.mnuJordan, "JORDAN CROSSING", {w.cmdJordan}, true, false, false, 48, "-1525", "-1495"},
        {w.mnuFlood, "FLOOD", {w.cmdFlood}, true, false, false, 48, "-2400", "-2300"},
        {w.mnuCreation, "CREATION", {w.cmdCreation}, true, false, false, 48, "-4040", "-3965"},
        {w.mnuHolyDays,
         "HOLY DAYS / NEW MOONS",
         {w.cmdHolyDays, w.cmdMonths},
         false,
         true,
         false,
         48,
         "",
         ""},
    };
    const std::vector<QToolButton*> all = {w.cmdHolyDays, w.cmdMonths, w.cmdLocMon, w.cmdSunset,  w.cmdTimes,
                                           w.cmdGolgotha, w.cmdJordan, w.cmdFlood,  w.cmdCreation};
    for (const Expect& e : expected) {
      e.action->trigger();
      QCOMPARE(w.windowTitle(), "Orvane - " + e.caption + " - orvane.example");
      for (QToolButton* b : all) {
        const bool shown = std::find(e.buttons.begin(), e.buttons.end(), b) != e.buttons.end();
        QVERIFY2(b->isVisible() == shown, qPrintable(e.caption + " " + b->objectName()));
      }
      QCOMPARE(w.txtYear2->isVisible(), e.year2);
      QCOMPARE(w.chkEJW->isVisible(), e.ejw);
      QCOMPARE(w.chkGregYear->isVisible(), e.greg);
      QCOMPARE(w.txtOut->geometry().top(), e.paneTop);
      QCOMPARE(w.txtOut->geometry().bottom() + 1, 585);
      if (!e.year.isEmpty()) {
        QCOMPARE(w.txtYear->text(), e.year);
        QCOMPARE(w.txtYear2->text(), e.year2Text);
        QCOMPARE(w.txtYear2->toolTip(), e.caption == "CREATION"
                                            ? QString("Year to end run (Range -6000 to 9999)")
                                            : QString("Year to end run (Range -4004 to 9999)"));
      }
    }
    QCOMPARE(w.txtYear->toolTip(), QString("Year to compute (Range -4004 to 9999)"));
  }

  void theSavedYearComesBackFromARangeSection() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    Type(&w, "1999");
    Press(&w, Qt::Key_G, Qt::ControlModifier);
    QCOMPARE(w.txtYear->text(), QString("28"));
    Press(&w, Qt::Key_H, Qt::ControlModifier);
    QCOMPARE(w.txtYear->text(), QString("1999"));
  }

  void theShortcutsChooseSections() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    Press(&w, Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(w.core().SectionName, std::string("Jordan"));
    Press(&w, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(w.core().SectionName, std::string("Times"));
    QCOMPARE(w.mnuCreation->shortcut(), QKeySequence("Ctrl+C"));
    QCOMPARE(w.mnuDocumentation->shortcut(), QKeySequence(Qt::Key_F1));
  }

  void printingAsksFirstAndPrintsThePaneUnchanged() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    printer.documents.clear();
    questions.asked.clear();
    questions.answer = app::Answer::No;
    Click(w.cmdHolyDays);
    w.mnuPrint->trigger();
    QCOMPARE(questions.asked.size(), std::size_t(1));
    QCOMPARE(QString::fromStdString(questions.asked[0].title), QString("Verify Print"));
    QCOMPARE(QString::fromStdString(questions.asked[0].text),
             QString("Do you wish to print these results to the printer?"));
    QVERIFY(printer.documents.empty());

    questions.answer = app::Answer::Yes;
    w.mnuPrint->trigger();
    QCOMPARE(printer.documents.size(), std::size_t(1));
    QCOMPARE(printer.fontName, std::string("Courier New"));
    QCOMPARE(printer.pointSize, 10);
    QCOMPARE(printer.documents[0], "\r\n\r\n\r\n\r\n" + w.core().OutputText() + "\r\n");
  }

  void anEmptyPaneAsksAndPrintsNothing() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.core().OutputPane().Clear();
    printer.documents.clear();
    questions.asked.clear();
    questions.answer = app::Answer::Yes;
    w.mnuPrint->trigger();
    QCOMPARE(questions.asked.size(), std::size_t(1));
    QVERIFY(printer.documents.empty());
  }

  void aPdfPrintoutKeepsTheColumns() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QtPrintService pdf([path] {
      auto writer = std::make_unique<QPdfWriter>(path);
      writer->setPageMargins(QMarginsF(0, 0, 0, 0));
      return writer;
    });
    ScriptedQuestions yes;
    frmHolyDays w(&yes, &pdf, &beeper, TestFolders());
    Click(w.cmdHolyDays);
    w.mnuPrint->trigger();
    QVERIFY(yes.asked.size() == 1);  // no failure notice
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    QVERIFY(p.waitForFinished(30000));
    const QString text = QString::fromUtf8(p.readAllStandardOutput());
    const QStringList lines = text.split('\n');
    QVERIFY(lines[0].trimmed().startsWith("These Holy Day dates are for Israel"));
    // The report starts on the fifth line of the first page: four line
    // heights below the top of the page.
    QProcess boxes;
    boxes.start("pdftotext", {"-bbox", "-l", "1", path, "-"});
    QVERIFY(boxes.waitForFinished(30000));
    const QString html = QString::fromUtf8(boxes.readAllStandardOutput());
    static const QRegularExpression word(R"re(<word xMin="[\d.]+" yMin="([\d.]+)")re");
    std::vector<double> tops;
    for (auto it = word.globalMatch(html); it.hasNext();) {
      const double y = it.next().captured(1).toDouble();
      if (tops.empty() || y > tops.back() + 1) tops.push_back(y);
    }
    QVERIFY(tops.size() > 3);
    const double lineHeight = tops[1] - tops[0];
    QVERIFY2(std::abs(tops[0] / lineHeight - 4) < 0.4, qPrintable(QString::number(tops[0] / lineHeight)));
    // Fixed pitch: the table's columns line up as in the pane.
    const QString heading =
        " Date     Sunset Moonset   Illum. Sun's  [Moon's at Sunset]  Sun's    Visib   Visible?";
    bool found = false;
    for (const QString& l : lines) {
      if (l.contains("Sunset Moonset")) {
        QCOMPARE(l.indexOf("Moonset") - l.indexOf("Sunset"),
                 heading.indexOf("Moonset") - heading.indexOf("Sunset"));
        QCOMPARE(l.indexOf("Visib") - l.indexOf("Sunset"),
                 heading.indexOf("Visib") - heading.indexOf("Sunset"));
        found = true;
      }
    }
    QVERIFY(found);
  }

  void aPrinterThatFailsShowsTheMessage() {
    QtPrintService broken([] { return std::make_unique<QPdfWriter>("/nonexistent-folder/report.pdf"); });
    ScriptedQuestions yes;
    frmHolyDays w(&yes, &broken, &beeper, TestFolders());
    Click(w.cmdHolyDays);
    w.mnuPrint->trigger();
    QCOMPARE(yes.asked.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(yes.asked[1].text),
             QString("There was a problem printing to your printer."));
    QCOMPARE(QString::fromStdString(yes.asked[1].title), QString("Orvane"));
    QVERIFY(yes.asked[1].buttons == app::Question::Buttons::Ok);
  }

  void exportPdfWritesTheReportAsPrintedUnderTheSectionAndYear() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath("chosen.pdf");
    ScriptedQuestions yes;
    frmHolyDays w(&yes, nullptr, &beeper, TestFolders());
    QString offered;
    w.SetExportFileChooser([&offered, &path](const QString& name) {
      offered = name;
      return path;
    });
    orvane::test::Retype(w.txtYear, "2024");
    Click(w.cmdHolyDays);
    // File, Export PDF by its mnemonics, as a user types them.
    Press(&w, Qt::Key_F, Qt::AltModifier);
    auto* file = w.menuBar()->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    Press(file, Qt::Key_D);
    QTRY_VERIFY(!offered.isEmpty());
    QCOMPARE(offered, QString("holydays-2024.pdf"));
    QVERIFY2(yes.asked.empty(), yes.LastText().c_str());
    const QString text = PdfText(path);
    QVERIFY2(text.contains("Abib 1 is Wednesday, 10 Apr 2024 CE"), qPrintable(text.left(400)));
    QVERIFY(text.contains("Sunset Moonset"));

    // A file that cannot be written is said, and nothing is left behind.
    w.SetExportFileChooser([&dir](const QString&) { return dir.filePath("no-such-folder/report.pdf"); });
    w.mnuExportPdf->trigger();
    QCOMPARE(yes.asked.size(), std::size_t(1));
    QVERIFY2(QString::fromStdString(yes.LastText()).startsWith("The PDF cannot be written to "),
             yes.LastText().c_str());
  }

  void printSetupChoosesThePrinterThatPrintThenUses() {
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    QTemporaryDir dir;
    const QString path = dir.filePath("printed.pdf");
    ScriptedQuestions yes;
    frmHolyDays w(&yes, nullptr, &beeper, TestFolders());
    orvane::test::Retype(w.txtYear, "2024");
    Click(w.cmdHolyDays);
    // In the print dialog: the PDF printer and its file, then Enter.
    bool chosen = false;
    QTimer chooser;
    chooser.setInterval(20);
    connect(&chooser, &QTimer::timeout, this, [&] {
      auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget());
      if (dialog == nullptr || chosen) return;
      auto* printers = dialog->findChild<QComboBox*>("printers");
      auto* fileName = dialog->findChild<QLineEdit*>("filename");
      if (printers == nullptr || fileName == nullptr) return;
      const int pdf = printers->findText("PDF", Qt::MatchContains);
      if (pdf < 0) return;
      chosen = true;
      printers->setCurrentIndex(pdf);
      fileName->setText(path);
      Press(dialog, Qt::Key_Return);
    });
    chooser.start();
    Press(&w, Qt::Key_F, Qt::AltModifier);
    auto* file = w.menuBar()->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    Press(file, Qt::Key_T);
    chooser.stop();
    QVERIFY(chosen);
    QVERIFY(!QFile::exists(path));  // chosen, not yet printed
    Press(&w, Qt::Key_P, Qt::ControlModifier);
    QCOMPARE(yes.asked.size(), std::size_t(1));  // "Verify Print", no failure notice
    QCOMPARE(QString::fromStdString(yes.asked[0].title), QString("Verify Print"));
    const QString text = PdfText(path);
    QVERIFY2(text.contains("Abib 1 is Wednesday, 10 Apr 2024 CE"), qPrintable(text.left(400)));
  }

  void pictureButtonsAreNamedForAScreenReader() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    const std::pair<QToolButton*, const char*> named[] = {
        {w.cmdHolyDays, "Holy days"},       {w.cmdMonths, "New moons"},
        {w.cmdLocMon, "Local new moons"},   {w.cmdSunset, "Sunsets"},
        {w.cmdTimes, "Sun and moon times"}, {w.cmdGolgotha, "Golgotha"},
        {w.cmdJordan, "Jordan crossing"},   {w.cmdFlood, "Flood"},
        {w.cmdCreation, "Creation"}};
    for (const auto& [button, name] : named) {
      QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
      QVERIFY(spoken != nullptr);
      QCOMPARE(spoken->role(), QAccessible::Button);
      QCOMPARE(spoken->text(QAccessible::Name), QString(name));
      QCOMPARE(spoken->text(QAccessible::Description), button->toolTip());
    }
  }

  void theSplashShowsPictureTwoFirstAndClosesOnAKey() {
    MoonPictures pictures(32);
    int closed = 0;
    auto* splash = new frmSplash(pictures, [&closed] { ++closed; });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<frmSplash> guard(splash);
    splash->show();
    QCOMPARE(splash->timDelay->interval(), 5340);
    QVERIFY(splash->timDelay->isSingleShot());
    QCOMPARE(splash->tmrPicRot->interval(), 63);
    QTRY_VERIFY_WITH_TIMEOUT(splash->ShownPicture >= 0, 2000);
    QCOMPARE(splash->ShownPicture, 2);
    Press(splash, Qt::Key_Space);
    QCOMPARE(closed, 1);
    QTRY_VERIFY(guard.isNull());
  }

  void theSplashClosesByItselfAfterItsDelay() {
    MoonPictures pictures(32);
    int closed = 0;
    frmSplash splash(pictures, [&closed] { ++closed; });
    splash.show();
    splash.timDelay->setInterval(50);  // the same timer, run sooner
    splash.timDelay->start();
    QTRY_COMPARE_WITH_TIMEOUT(closed, 1, 2000);
    QVERIFY(!splash.tmrPicRot->isActive());
  }

  void theSplashPicturesRunRoundTheCycle() {
    MoonPictures pictures(16);
    frmSplash splash(pictures, [] {});
    splash.timDelay->stop();
    splash.tmrPicRot->stop();
    splash.PictureIndex = 58;
    splash.tmrPicRot_Timer();
    QCOMPARE(splash.ShownPicture, 58);
    QCOMPARE(splash.PictureIndex, 0);
  }

  void aWindowIsPlacedInsideTheScreen_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("placed");
    const QRect screen(0, 0, 1280, 1024);
    QTest::newRow("inside stays") << QRect(100, 100, 200, 200) << screen << QRect(100, 100, 200, 200);
    QTest::newRow("below the bottom edge")
        << QRect(100, 900, 400, 300) << screen << QRect(100, 724, 400, 300);
    QTest::newRow("past the right edge") << QRect(1000, 100, 400, 300) << screen << QRect(880, 100, 400, 300);
    QTest::newRow("above and left") << QRect(-50, -20, 400, 300) << screen << QRect(0, 0, 400, 300);
    QTest::newRow("wider than the screen") << QRect(10, 10, 1500, 300) << screen << QRect(0, 10, 1280, 300);
    QTest::newRow("under a top panel")
        << QRect(0, 0, 100, 100) << QRect(0, 30, 1280, 994) << QRect(0, 30, 100, 100);
    QTest::newRow("second screen") << QRect(1200, 50, 300, 200) << QRect(1280, 0, 1024, 768)
                                   << QRect(1280, 50, 300, 200);
  }

  void aWindowIsPlacedInsideTheScreen() {
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, placed);
    QCOMPARE(PlaceInside(frame, available), placed);
  }

  void theAboutWindowHidesOnClose() {
    frmAbout about;
    about.show();
    QCOMPARE(about.windowTitle(), QString("About Orvane"));
    QVERIFY(about.txtAbout->toPlainText().contains("They need to know about God's Holy Days."));
    Click(about.cmdClose);
    QVERIFY(!about.isVisible());
    // Enter on the focused button closes it too.
    about.show();
    about.cmdClose->setFocus();
    Press(&about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
  }
};

QTEST_MAIN(FrmHolyDaysTest)
#include "frm_holy_days_test.moc"
