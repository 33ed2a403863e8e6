// The conversion window and its criteria and help windows, opened from the
// main window's menu and driven through their top-level windows.
#include <QAccessible>
#include <QCalendar>
#include <QTemporaryDir>
#include <QtTest>

#include "app/help_texts.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/frm_conversion.h"
#include "ui/frm_holy_days.h"

using namespace orvane;
using namespace orvane::ui;
using test::Click;
using test::Press;
using test::Retype;

namespace {

QString DateText(QLineEdit* day, QLineEdit* month, QLineEdit* year) {
  return day->text() + " " + month->text() + " " + year->text();
}

// Picks month `month` (1 = the first) in the list its box opens, as a user
// scrolls to it and clicks it.
void PickMonth(QLineEdit* box, QListWidget* list, int month) {
  Click(box);
  QVERIFY(list->isVisible());
  list->scrollToItem(list->item(month - 1));
  test::ClickAt(list->viewport(), list->visualItemRect(list->item(month - 1)).center());
  QVERIFY(!list->isVisible());
}

}  // namespace

class ConversionWindowTest : public QObject {
  Q_OBJECT

 private:
  testing::TempDir dir;
  test::CountingBeeper beeper;
  test::ScriptedQuestions questions{app::Answer::No};
  std::unique_ptr<frmHolyDays> main;

  frmConversion& Open() {
    main = std::make_unique<frmHolyDays>(&questions, nullptr, &beeper,
                                         app::UserDataFolders{dir.path(), dir.path()});
    main->show();
    main->mnuConversions->trigger();
    return *main->conversion();
  }
  QStringList VisibleOptions(const frmConversion& w) {
    QStringList shown;
    for (QRadioButton* o : w.optDate) {
      if (o->isVisible()) shown << o->text();
    }
    return shown;
  }
  void Biblical(frmConversion& w, const char* year, int month, const char* day) {
    Retype(w.txtBYear, year);
    PickMonth(w.txtBMonth, w.lstBMonth, month);
    Retype(w.txtBDay, day);
    Click(w.cmdBCompute);
  }

 private slots:
  void cleanup() { main.reset(); }

  void everyColumnComputes() {
    frmConversion& w = Open();
    QVERIFY(w.isVisible());
    // It opens on today, as the toolkit's calendars give it.
    const QDate today = QDate::currentDate();
    const QLocale english(QLocale::English);
    const QCalendar::YearMonthDay jc = QCalendar(QCalendar::System::Julian).partsFromDate(today);
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear),
             QString("%1 %2 %3").arg(today.day()).arg(english.monthName(today.month())).arg(today.year()));
    QCOMPARE(DateText(w.txtJCDay, w.txtJCMonth, w.txtJCYear),
             QString("%1 %2 %3").arg(jc.day).arg(english.monthName(jc.month)).arg(jc.year));
    QCOMPARE(w.txtJDCount->text().toDouble(), static_cast<double>(today.toJulianDay()) - 0.5);
    // A whole day count becomes the civil day that begins at its midnight.
    Retype(w.txtJDCount, "2451545");
    Press(&w, Qt::Key_Return);
    QCOMPARE(w.txtJDCount->text(), QString("2451544.5"));
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear) + " " + w.lblGDayOfWeek->text(),
             QString("1 January 2000 Saturday"));
    QCOMPARE(DateText(w.txtJCDay, w.txtJCMonth, w.txtJCYear), QString("19 December 1999"));
    QCOMPARE(DateText(w.txtHDay, w.txtHMonth, w.txtHYear), QString("23 Tevet 5760"));
    // The moon picture says the phase: a waning crescent of about a quarter,
    // between the last quarter of 29 December 1999 and the new moon of 6 January 2000.
    QAccessibleInterface* moon = QAccessible::queryAccessibleInterface(w.picMoon);
    QCOMPARE(moon->text(QAccessible::Name), QString("Moon phase"));
    QVERIFY(QRegularExpression(R"(^Waning moon, (1[5-9]|2\d|3[0-5])(\.\d)? percent lit$)")
                .match(moon->text(QAccessible::Description))
                .hasMatch());
    // A letter is dropped with a beep; the arrows step the count; Enter on
    // the focused Compute button computes.
    Press(&w, Qt::Key_X);
    QCOMPARE(beeper.beeps, 1);
    Press(&w, Qt::Key_Up);
    Press(&w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdJCompute);
    Press(&w, Qt::Key_Return);
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("2 January 2000"));
    // A month box steps with the arrows, ignores letters and moves on with Enter.
    PickMonth(w.txtJCMonth, w.lstJCMonth, 12);
    QCOMPARE(QApplication::focusWidget(), w.txtJCMonth);
    Press(&w, Qt::Key_Down);
    Press(&w, Qt::Key_Up);
    Press(&w, Qt::Key_A);
    QCOMPARE(w.txtJCMonth->text(), QString("November"));
    Press(&w, Qt::Key_Return);
    QCOMPARE(w.focusWidget(), w.txtJCDay);
    Retype(w.txtJCDay, "19");
    Retype(w.txtJCYear, "1999");
    Press(&w, Qt::Key_Return);
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("2 December 1999"));
    Retype(w.txtGYear, "1");
    Press(&w, Qt::Key_Down);  // over the year 0
    QCOMPARE(w.txtGYear->text(), QString("-1"));
    // A doubtful Biblical month start offers its dates; the second is a day earlier.
    Biblical(w, "6028", 1, "1");
    QCOMPARE(VisibleOptions(w), QStringList());
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("10 April 2024"));
    Biblical(w, "6009", 1, "1");
    QCOMPARE(VisibleOptions(w), (QStringList{"Date 1", "Date 2"}));
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear), QString("11 April 2005"));
    Click(w.optDate[1]);
    QVERIFY(w.optDate[1]->isChecked() && !w.optDate[0]->isChecked());
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear) + " " + w.lblGDayOfWeek->text(),
             QString("10 April 2005 Sunday"));
    QCOMPARE(DateText(w.txtBDay, w.txtBMonth, w.txtBYear), QString("1 Abib 6009"));
    Biblical(w, "5973", 4, "1");  // a doubtful start in a year whose harvest is in doubt
    QCOMPARE(VisibleOptions(w), (QStringList{"Date 1", "Date 2", "Date 3", "Date 4"}));
  }

  void itsCriteriaHelpAndOnTopBoxes() {
    frmConversion& w = Open();
    const QString pane = main->PaneText();
    const std::string section = main->core().state().RunName;
    Click(w.cmdCriteria);
    QVERIFY(QTest::qWaitForWindowExposed(w.criteria()));
    QVERIFY(test::InsideScreen(w.criteria()));
    Biblical(w, "6028", 1, "1");
    const QString criteria = w.criteria()->txtCriteria->toPlainText();
    QVERIFY(criteria.endsWith(
        "The 1st day of the Abib Month of Biblical year 6028\nwould fall on the 10th of April 2024 CE."));
    QCOMPARE(criteria, test::Lf(w.model().txtCriteria().Text()));
    QCOMPARE(main->PaneText(), pane);  // the main pane is untouched
    Click(w.cmdCriteria);
    QVERIFY(!w.criteria()->isVisible());
    Biblical(w, "6009", 1, "1");  // hidden, a compute writes nothing into it
    QCOMPARE(w.criteria()->txtCriteria->toPlainText(), criteria);
    // F1 shows the help in its own window, inside the screen, its lines as
    // wide as the box; the main window's run stays.
    Click(w.txtGDay);
    Press(&w, Qt::Key_F1);
    QVERIFY(QTest::qWaitForWindowExposed(w.conversionsHelp()));
    QVERIFY(test::InsideScreen(w.conversionsHelp()));
    QCOMPARE(test::WrappedLines(w.conversionsHelp()->txtHelp), 0);
    QCOMPARE(w.conversionsHelp()->txtHelp->toPlainText(), test::Lf(app::BuildHelpText("Conversions")));
    QCOMPARE(main->core().state().RunName, section);
    // The tiny box arms the quick exit.
    Click(w.txtControl);
    QVERIFY(main->core().QuickExitArmed && main->txtVerification->isVisible());
    Click(w.chkOnTop);
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && w.isVisible());
    Click(w.chkOnTop);
    QVERIFY(!w.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && w.isVisible());
    // Closing the main window closes them.
    Click(w.cmdCriteria);
    main->close();
    QVERIFY(!w.isVisible() && !w.criteria()->isVisible());
  }
};

int ConversionWindowTests(int argc, char** argv) {
  ConversionWindowTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "conversion_window_test.moc"
