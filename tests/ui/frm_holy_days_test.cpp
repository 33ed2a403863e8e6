// The main window driven through its real widgets on the offscreen platform.
#include <QAction>
#include <QDate>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/help_texts.h"
#include "ui/frm_about.h"
#include "ui/frm_holy_days.h"
#include "ui/frm_splash.h"
#include "ui/qt_services.h"

using namespace orvane;
using namespace orvane::ui;

namespace {

class ScriptedQuestions final : public app::QuestionBox {
 public:
  app::Answer Ask(const app::Question& q) override {
    asked.push_back(q);
    return q.buttons == app::Question::Buttons::Ok ? app::Answer::Ok : answer;
  }
  app::Answer answer = app::Answer::Yes;
  std::vector<app::Question> asked;
};

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

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// Every window of these tests keeps its "UserData.Dat" in a folder of its own.
app::UserDataFolders TestFolders() {
  static QTemporaryDir dir;
  return {std::filesystem::path(dir.path().toStdString()), std::filesystem::path(dir.path().toStdString())};
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
  }

  void aReportFromTheButtonShowsTheCoresText() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.show();
    w.txtYear->clear();
    QTest::keyClicks(w.txtYear, "2024");
    QTest::mouseClick(w.cmdHolyDays, Qt::LeftButton);
    QVERIFY(w.PaneText().contains("Abib 1 is Wednesday, 10 Apr 2024 CE \r\n"));
    QCOMPARE(w.txtOut->toPlainText(), Lf(w.core().OutputText()));
  }

  void enterInTheYearBoxRepeatsTheLastReport() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.show();
    w.txtYear->setFocus();
    w.txtYear->selectAll();
    QTest::keyClicks(w.txtYear, "2018");
    QTest::keyClick(w.txtYear, Qt::Key_Return);
    QVERIFY(w.PaneText().startsWith("These Holy Day dates are for Israel"));
    QVERIFY(w.PaneText().contains("2018 CE"));
    QTest::mouseClick(w.cmdMonths, Qt::LeftButton);
    w.txtYear->selectAll();
    QTest::keyClicks(w.txtYear, "2019");
    QTest::keyClick(w.txtYear, Qt::Key_Return);
    QVERIFY(w.PaneText().startsWith(" 2019 CE  CALCULATED NEW MOONS"));
  }

  void theEastOfIsraelBoxRerunsTheReport() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.show();
    QTest::mouseClick(w.cmdHolyDays, Qt::LeftButton);
    QTest::mouseClick(w.chkEJW, Qt::LeftButton);
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
        {w.mnuHolyDays, "HOLY DAYS / NEW MOONS", {w.cmdHolyDays, w.cmdMonths}, false, true, false, 48, "", ""},
    };
    const std::vector<QToolButton*> all = {w.cmdHolyDays, w.cmdMonths, w.cmdLocMon,  w.cmdSunset,  w.cmdTimes,
                                           w.cmdGolgotha, w.cmdJordan, w.cmdFlood, w.cmdCreation};
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
        QCOMPARE(w.txtYear2->toolTip(), e.caption == "CREATION" ? QString("Year to end run (Range -6000 to 9999)")
                                                                 : QString("Year to end run (Range -4004 to 9999)"));
      }
    }
    QCOMPARE(w.txtYear->toolTip(), QString("Year to compute (Range -4004 to 9999)"));
  }

  void theSavedYearComesBackFromARangeSection() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.show();
    w.txtYear->selectAll();
    QTest::keyClicks(w.txtYear, "1999");
    w.mnuGolgotha->trigger();
    QCOMPARE(w.txtYear->text(), QString("28"));
    w.mnuHolyDays->trigger();
    QCOMPARE(w.txtYear->text(), QString("1999"));
  }

  void theShortcutsChooseSections() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QTest::keyClick(&w, Qt::Key_J, Qt::ControlModifier);
    QCOMPARE(w.core().SectionName, std::string("Jordan"));
    QTest::keyClick(&w, Qt::Key_T, Qt::ControlModifier);
    QCOMPARE(w.core().SectionName, std::string("Times"));
    QCOMPARE(w.mnuCreation->shortcut(), QKeySequence("Ctrl+C"));
    QCOMPARE(w.mnuDocumentation->shortcut(), QKeySequence(Qt::Key_F1));
  }

  void printingAsksFirstAndPrintsThePaneUnchanged() {
    frmHolyDays w(&questions, &printer, &beeper, TestFolders());
    printer.documents.clear();
    questions.asked.clear();
    questions.answer = app::Answer::No;
    QTest::mouseClick(w.cmdHolyDays, Qt::LeftButton);
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
    QTest::mouseClick(w.cmdHolyDays, Qt::LeftButton);
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
    const QString heading = " Date     Sunset Moonset   Illum. Sun's  [Moon's at Sunset]  Sun's    Visib   Visible?";
    bool found = false;
    for (const QString& l : lines) {
      if (l.contains("Sunset Moonset")) {
        QCOMPARE(l.indexOf("Moonset") - l.indexOf("Sunset"), heading.indexOf("Moonset") - heading.indexOf("Sunset"));
        QCOMPARE(l.indexOf("Visib") - l.indexOf("Sunset"), heading.indexOf("Visib") - heading.indexOf("Sunset"));
        found = true;
      }
    }
    QVERIFY(found);
  }

  void aPrinterThatFailsShowsTheMessage() {
    QtPrintService broken([] { return std::make_unique<QPdfWriter>("/nonexistent-folder/report.pdf"); });
    ScriptedQuestions yes;
    frmHolyDays w(&yes, &broken, &beeper, TestFolders());
    QTest::mouseClick(w.cmdHolyDays, Qt::LeftButton);
    w.mnuPrint->trigger();
    QCOMPARE(yes.asked.size(), std::size_t(2));
    QCOMPARE(QString::fromStdString(yes.asked[1].text), QString("There was a problem printing to your printer."));
    QCOMPARE(QString::fromStdString(yes.asked[1].title), QString("Orvane"));
    QVERIFY(yes.asked[1].buttons == app::Question::Buttons::Ok);
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
    QTest::keyClick(splash, Qt::Key_Space);
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

  void theAboutWindowHidesOnClose() {
    frmAbout about;
    about.show();
    QCOMPARE(about.windowTitle(), QString("About Orvane"));
    QVERIFY(about.txtAbout->toPlainText().contains("They need to know about God's Holy Days."));
    QTest::mouseClick(about.cmdClose, Qt::LeftButton);
    QVERIFY(!about.isVisible());
  }
};

QTEST_MAIN(FrmHolyDaysTest)
#include "frm_holy_days_test.moc"
