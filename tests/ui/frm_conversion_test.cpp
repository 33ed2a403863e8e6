// The conversion window and its criteria and help windows, opened from the
// main window's menu and driven through their top-level windows.
#include "ui/frm_conversion.h"

#include <QAccessible>
#include <QCalendar>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/help_texts.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/frm_holy_days.h"

using namespace orvane;
using namespace orvane::ui;
using orvane::test::Click;
using orvane::test::CountingBeeper;
using orvane::test::Press;
using orvane::test::Retype;

namespace {

QString Lf(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}

QString DateText(QLineEdit* day, QLineEdit* month, QLineEdit* year) {
  return day->text() + " " + month->text() + " " + year->text();
}

QStringList VisibleOptions(const frmConversion& w) {
  QStringList shown;
  for (QRadioButton* o : w.optDate) {
    if (o->isVisible()) shown << o->text();
  }
  return shown;
}

}  // namespace

class FrmConversionTest : public QObject {
  Q_OBJECT

 private:
  QTemporaryDir dir;
  CountingBeeper beeper;
  test::ScriptedQuestions questions{app::Answer::No};
  std::unique_ptr<frmHolyDays> main;

  app::UserDataFolders Folders() {
    return {std::filesystem::path(dir.path().toStdString()), std::filesystem::path(dir.path().toStdString())};
  }

  // The conversion window of a fresh main window, opened from its menu.
  frmConversion& Open() {
    main = std::make_unique<frmHolyDays>(&questions, nullptr, &beeper, Folders());
    main->show();
    main->mnuConversions->trigger();
    frmConversion* w = main->conversion();
    [&] { QVERIFY(w != nullptr && w->isVisible()); }();
    return *w;
  }

  // Picks month `month` (1 = the first) in an open month list.
  static void PickMonth(QListWidget* list, int month) {
    list->scrollToItem(list->item(month - 1));  // as a user scrolls to it
    test::ClickAt(list->viewport(), list->visualItemRect(list->item(month - 1)).center());
  }

  // Types a Biblical date into its column and computes it.
  static void Biblical(frmConversion& w, const char* year, int month, const char* day) {
    Retype(w.txtBYear, year);
    Click(w.txtBMonth);
    QVERIFY(w.lstBMonth->isVisible());
    PickMonth(w.lstBMonth, month);
    QVERIFY(!w.lstBMonth->isVisible());
    Retype(w.txtBDay, day);
    Click(w.cmdBCompute);
  }

 private slots:
  void initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(dir.isValid());
  }
  void cleanup() { main.reset(); }

  void opensOnTodayInEveryColumn() {
    frmConversion& w = Open();
    const QDate today = QDate::currentDate();
    QCOMPARE(w.windowTitle(), QString("Conversions   (F1 for Help)"));
    QCOMPARE(w.txtGDay->text(), QString::number(today.day()));
    QCOMPARE(w.txtGMonth->text(), QLocale(QLocale::English).monthName(today.month()));
    QCOMPARE(w.txtGYear->text(), QString::number(today.year()));
    QCOMPARE(w.txtJDCount->text().toDouble(), static_cast<double>(today.toJulianDay()) - 0.5);
    const QCalendar julian(QCalendar::System::Julian);
    const QCalendar::YearMonthDay jc = julian.partsFromDate(today);
    QCOMPARE(w.txtJCDay->text(), QString::number(jc.day));
    QCOMPARE(w.txtJCMonth->text(), QLocale(QLocale::English).monthName(jc.month));
    QCOMPARE(w.txtJCYear->text(), QString::number(jc.year));
    QCOMPARE(w.lblGDayOfWeek->text(), QLocale(QLocale::English).dayName(today.dayOfWeek()));
    QVERIFY(!w.txtHYear->text().isEmpty() && w.txtHYear->text() != "HYear");
    QVERIFY(!w.txtBYear->text().isEmpty() && w.txtBYear->text() != "BYear");
    QVERIFY(!w.picMoon->pixmap().isNull());
    // Opening it again brings the same window forward.
    main->mnuConversions->trigger();
    QCOMPARE(main->conversion(), &w);
  }

  void aWholeDayCountBecomesTheCivilDayInEveryColumn() {
    frmConversion& w = Open();
    Retype(w.txtJDCount, "2451545");
    Press(&w, Qt::Key_Return);
    QCOMPARE(w.txtJDCount->text(), QString("2451544.5"));
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("1 January 2000"));
    QCOMPARE(w.lblGDayOfWeek->text(), QString("Saturday"));
    QCOMPARE(w.lblGYearType->text(), QString("Leap Year (366 days)"));
    QCOMPARE(DateText(w.txtJCDay, w.txtJCMonth, w.txtJCYear), QString("19 December 1999"));
    QCOMPARE(DateText(w.txtHDay, w.txtHMonth, w.txtHYear), QString("23 Tevet 5760"));
    QCOMPARE(w.lblBDayOfWeek->text(), QString("Sabbath"));
    // The moon picture is named for a screen reader, and says the phase: a
    // waning crescent of about a quarter, between the last quarter of
    // 29 December 1999 and the new moon of 6 January 2000.
    QAccessibleInterface* moon = QAccessible::queryAccessibleInterface(w.picMoon);
    QCOMPARE(moon->text(QAccessible::Name), QString("Moon phase"));
    static const QRegularExpression waning(R"(^Waning moon, (1[5-9]|2\d|3[0-5])(\.\d)? percent lit$)");
    QVERIFY2(waning.match(moon->text(QAccessible::Description)).hasMatch(),
             qPrintable(moon->text(QAccessible::Description)));
    // A letter in the count box is dropped with a beep.
    const int beeps = beeper.beeps;
    Press(&w, Qt::Key_X);
    QCOMPARE(beeper.beeps, beeps + 1);
    QCOMPARE(w.txtJDCount->text(), QString("2451544.5"));
    // The arrows step the count; the columns follow at the next compute.
    Press(&w, Qt::Key_Up);
    QCOMPARE(w.txtJDCount->text(), QString("2451545.5"));
    // Enter on the focused Compute button computes, as a click does.
    Press(&w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdJCompute);
    Press(&w, Qt::Key_Return);
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("2 January 2000"));
  }

  void theDateOptionsOfDoubtfulBiblicalDates() {
    frmConversion& w = Open();
    // A sure month start: no option.
    Biblical(w, "6028", 1, "1");
    QCOMPARE(VisibleOptions(w), QStringList());
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("10 April 2024"));
    // Abib 6009 may begin one day earlier: two options.
    Biblical(w, "6009", 1, "1");
    QCOMPARE(VisibleOptions(w), (QStringList{"Date 1", "Date 2"}));
    QVERIFY(w.optDate[0]->isChecked());
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("11 April 2005"));
    const QString hebrew = DateText(w.txtHDay, w.txtHMonth, w.txtHYear);
    const QString jd = w.txtJDCount->text();
    Click(w.optDate[1]);
    QVERIFY(w.optDate[1]->isChecked());
    QVERIFY(!w.optDate[0]->isChecked());
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("10 April 2005"));
    QCOMPARE(w.lblGDayOfWeek->text(), QString("Sunday"));
    QCOMPARE(w.txtJDCount->text().toDouble(), jd.toDouble() - 1);
    QVERIFY(DateText(w.txtHDay, w.txtHMonth, w.txtHYear) != hebrew);
    QCOMPARE(DateText(w.txtBDay, w.txtBMonth, w.txtBYear), QString("1 Abib 6009"));
    // The fourth month of 5973: doubtful start in a year whose harvest is in doubt.
    Biblical(w, "5973", 4, "1");
    QCOMPARE(VisibleOptions(w), (QStringList{"Date 1", "Date 2", "Date 3", "Date 4"}));
    QVERIFY(w.optDate[0]->isChecked());
  }

  void theCriteriaWindowTogglesAndIsRewrittenByACompute() {
    frmConversion& w = Open();
    const QString pane = main->PaneText();
    Biblical(w, "6009", 1, "1");
    QVERIFY(!w.criteria()->isVisible());
    Click(w.cmdCriteria);
    QVERIFY(w.criteria()->isVisible());
    QVERIFY(QTest::qWaitForWindowExposed(w.criteria()));
    QVERIFY(test::InsideScreen(w.criteria()));
    QCOMPARE(w.criteria()->windowTitle(), QString("Criteria"));
    QCOMPARE(w.criteria()->txtCriteria->font().pointSizeF(), 8.25);
    const QString first = w.criteria()->txtCriteria->toPlainText();
    QVERIFY(first.endsWith(
        "The 1st day of the Abib Month of Biblical year 6009\nwould fall on the 11th of April 2005 CE."));
    Biblical(w, "6028", 1, "1");
    const QString second = w.criteria()->txtCriteria->toPlainText();
    QVERIFY(second.endsWith(
        "The 1st day of the Abib Month of Biblical year 6028\nwould fall on the 10th of April 2024 CE."));
    QCOMPARE(second, Lf(w.model().txtCriteria().Text()));
    // The main pane is untouched by the criteria text.
    QCOMPARE(main->PaneText(), pane);
    Click(w.cmdCriteria);
    QVERIFY(!w.criteria()->isVisible());
    // Hidden, a compute writes nothing into it.
    Biblical(w, "6009", 1, "1");
    QCOMPARE(w.criteria()->txtCriteria->toPlainText(), second);
  }

  void monthBoxesOpenTheirListsAndStepThroughThem() {
    frmConversion& w = Open();
    QVERIFY(!w.lstJCMonth->isVisible());
    Click(w.txtJCMonth);
    QVERIFY(w.lstJCMonth->isVisible());
    PickMonth(w.lstJCMonth, 12);
    QVERIFY(!w.lstJCMonth->isVisible());
    QCOMPARE(w.txtJCMonth->text(), QString("December"));
    QCOMPARE(QApplication::focusWidget(), w.txtJCMonth);
    Press(&w, Qt::Key_Down);
    QCOMPARE(w.txtJCMonth->text(), QString("December"));
    Press(&w, Qt::Key_Up);
    QCOMPARE(w.txtJCMonth->text(), QString("November"));
    // Letters do nothing in a month box; Enter moves to the day box.
    Press(&w, Qt::Key_A);
    QCOMPARE(w.txtJCMonth->text(), QString("November"));
    Press(&w, Qt::Key_Return);
    QCOMPARE(w.focusWidget(), w.txtJCDay);
    // The Julian column computes from the month chosen.
    Retype(w.txtJCDay, "19");
    Retype(w.txtJCYear, "1999");
    Press(&w, Qt::Key_Return);
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("2 December 1999"));
    // The year box steps over the year 0.
    Retype(w.txtGYear, "1");
    Press(&w, Qt::Key_Down);
    QCOMPARE(w.txtGYear->text(), QString("-1"));
  }

  void f1ShowsTheConversionsHelpAndTheTinyBoxArmsTheQuickExit() {
    frmConversion& w = Open();
    const std::string section = main->core().state().RunName;
    Click(w.txtGDay);
    Press(&w, Qt::Key_F1);
    QVERIFY(w.conversionsHelp()->isVisible());
    // Inside the screen, its lines as wide as the box.
    QVERIFY(QTest::qWaitForWindowExposed(w.conversionsHelp()));
    QVERIFY(test::InsideScreen(w.conversionsHelp()));
    QCOMPARE(test::WrappedLines(w.conversionsHelp()->txtHelp), 0);
    QCOMPARE(w.conversionsHelp()->windowTitle(), QString("Conversions Help"));
    QCOMPARE(w.conversionsHelp()->txtHelp->toPlainText(), Lf(app::BuildHelpText("Conversions")));
    QCOMPARE(main->core().state().RunName, section);
    QVERIFY(!main->core().QuickExitArmed);
    Click(w.txtControl);
    QVERIFY(main->core().QuickExitArmed);
    QVERIFY(main->txtVerification->isVisible());
  }

  void theOnTopBoxKeepsTheWindowAbove() {
    frmConversion& w = Open();
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    Click(w.chkOnTop);
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.isVisible());
    Click(w.chkOnTop);
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.isVisible());
  }

  void theMainWindowClosesTheConversionWindows() {
    frmConversion& w = Open();
    Click(w.cmdCriteria);
    QVERIFY(w.criteria()->isVisible());
    main->close();
    QVERIFY(!w.isVisible());
    QVERIFY(!w.criteria()->isVisible());
  }
};

QTEST_MAIN(FrmConversionTest)
#include "frm_conversion_test.moc"
