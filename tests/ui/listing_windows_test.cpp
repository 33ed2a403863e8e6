// The Rabbinical-year and Easter windows driven through their top-level
// windows.
#include <QtTest>

#include "app/help_texts.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/listing_window.h"

using namespace orvane;
using namespace orvane::ui;
using orvane::test::Click;
using orvane::test::CountingBeeper;
using orvane::test::Press;

namespace {

QString Lf(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}
}  // namespace

class ListingWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void theRabbinicalWindowOpensOnItsHelpAndListsAYear() {
    CountingBeeper beeper;
    frmHebrew w(beeper);
    w.show();
    QCOMPARE(w.windowTitle(), QString("Hebrew Calendar - Rabbinic"));
    QCOMPARE(w.txtOut->toPlainText(), Lf(app::BuildHelpText("Rabbinic")));
    QVERIFY(w.txtOut->font().fixedPitch());
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(test::WrappedLines(w.txtOut), 0);  // the help keeps its lines
    test::Retype(w.txtYear, "2024");
    Press(&w, Qt::Key_Return);
    QCOMPARE(w.txtOut->toPlainText(), Lf(conversions::RabbinicalYearListing("2024")));
    // A letter is dropped with a beep; the arrows step the year.
    Press(&w, Qt::Key_A);
    QCOMPARE(beeper.beeps, 1);
    QCOMPARE(w.txtYear->text(), QString("2024"));
    Press(&w, Qt::Key_Up);
    QCOMPARE(w.txtYear->text(), QString("2025"));
    // Delete (whose text is DEL) edits the box as the toolkit does, silently.
    Press(&w, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, test::ActiveWindowOf(&w), Qt::Key_Delete, QStringLiteral("\x7f"),
                        Qt::NoModifier);
    QCOMPARE(w.txtYear->text(), QString("025"));
    QCOMPARE(beeper.beeps, 1);
    Click(w.cmdHelp);
    QCOMPARE(w.txtOut->toPlainText(), Lf(app::BuildHelpText("Rabbinic")));
  }

  void theEasterWindowListsSixtyYears() {
    CountingBeeper beeper;
    frmEaster w(beeper);
    w.show();
    QCOMPARE(w.windowTitle(), QString("Easter"));
    QCOMPARE(w.cmdCompute->text(), QString("Find Easter"));
    QCOMPARE(w.cmdCompute->toolTip(), QString("Computes 60 years of dates."));
    QCOMPARE(w.txtOut->toPlainText(), Lf(app::BuildHelpText("Easter")));
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(test::WrappedLines(w.txtOut), 0);
    // Enter on the focused button computes.
    test::Retype(w.txtYear, "1582");
    Press(&w, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.cmdCompute);
    Press(&w, Qt::Key_Return);
    const QStringList lines = w.txtOut->toPlainText().split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 60);
    QVERIFY(lines[0].endsWith(" (Julian)"));
    QVERIFY(!lines[1].endsWith(" (Julian)"));
    // F1 anywhere shows the help again.
    Press(&w, Qt::Key_F1);
    QCOMPARE(w.txtOut->toPlainText(), Lf(app::BuildHelpText("Easter")));
  }
};

QTEST_MAIN(ListingWindowsTest)
#include "listing_windows_test.moc"
