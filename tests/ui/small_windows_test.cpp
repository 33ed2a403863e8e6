// The conversion window with its criteria and help windows, the
// Rabbinical-year, Easter, colour and about windows, driven through their
// top-level windows; the placement on the screen that every window shares.
#include <QAccessible>
#include <QCalendar>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>

#include "app/help_texts.h"
#include "conversions/hebrew_window_model.h"
#include "engine/year_box.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/frm_about.h"
#include "ui/frm_back_color.h"
#include "ui/frm_conversion.h"
#include "ui/frm_holy_days.h"
#include "ui/listing_window.h"
#include "ui/window_helpers.h"

using namespace orvane;
using namespace orvane::ui;
using test::Click;
using test::Press;
using test::Retype;

namespace {

// Answers the colour dialog from a script; nothing scripted is a cancel.
class ScriptedColours final : public ColourDialog {
 public:
  std::optional<std::int32_t> Choose(std::int32_t old, QWidget*) override {
    presets.push_back(old);
    if (answers.empty()) return std::nullopt;
    const std::optional<std::int32_t> answer = answers.front();
    answers.pop_front();
    return answer;
  }
  std::deque<std::optional<std::int32_t>> answers;
  std::vector<std::int32_t> presets;
};

QColor Back(const QWidget* w) { return w->palette().color(QPalette::Window); }
QColor Base(const QWidget* w) { return w->palette().color(QPalette::Base); }

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

class SmallWindowsTest : public QObject {
  Q_OBJECT

 private:
  testing::TempDir dir;
  test::CountingBeeper beeper;
  test::ScriptedQuestions questions{app::Answer::No};

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
  void everyColumnComputesAndItsSideWindowsOpen() {
    const auto main = std::make_unique<frmHolyDays>(&questions, nullptr, &beeper,
                                                    app::UserDataFolders{dir.path(), dir.path()});
    main->show();
    main->mnuConversions->trigger();
    frmConversion& w = *main->conversion();
    QVERIFY(w.isVisible());
    auto gregorian = [&w] {
      return DateText(w.txtGDay, w.txtGMonth, w.txtGYear) + " " + w.lblGDayOfWeek->text();
    };
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
    QCOMPARE(gregorian(), QString("1 January 2000 Saturday"));
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
    QCOMPARE(gregorian(), QString("2 January 2000 Sunday"));
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
    QCOMPARE(gregorian(), QString("2 December 1999 Thursday"));
    // A doubtful Biblical month start offers its dates; the second is a day earlier.
    Biblical(w, "6028", 1, "1");
    QCOMPARE(VisibleOptions(w), QStringList());
    QCOMPARE(gregorian(), QString("10 April 2024 Wednesday"));
    Biblical(w, "6009", 1, "1");
    QCOMPARE(VisibleOptions(w), (QStringList{"Date 1", "Date 2"}));
    QCOMPARE(gregorian(), QString("11 April 2005 Monday"));
    Click(w.optDate[1]);
    QVERIFY(w.optDate[1]->isChecked() && !w.optDate[0]->isChecked());
    QCOMPARE(gregorian(), QString("10 April 2005 Sunday"));
    QCOMPARE(DateText(w.txtBDay, w.txtBMonth, w.txtBYear), QString("1 Abib 6009"));
    Biblical(w, "5973", 4, "1");  // a doubtful start in a year whose harvest is in doubt
    QCOMPARE(VisibleOptions(w), (QStringList{"Date 1", "Date 2", "Date 3", "Date 4"}));
    // Its criteria window, help window and on-top and quick-exit boxes.
    const QString pane = main->PaneText();
    const std::string section = main->core().state().RunName;
    Click(w.cmdCriteria);
    QVERIFY(QTest::qWaitForWindowExposed(w.criteria()));
    QVERIFY(test::InsideScreen(w.criteria()));
    Biblical(w, "6028", 1, "1");
    const QString criteria = w.criteria()->txtCriteria->toPlainText();
    QVERIFY(criteria.contains("Biblical year 6028") && criteria == test::Lf(w.model().txtCriteria().Text()));
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

  void theListingWindows() {
    test::CountingBeeper listingBeeper;
    frmHebrew hebrew(listingBeeper);
    frmEaster easter(listingBeeper);
    for (ListingWindow* w : std::initializer_list<ListingWindow*>{&hebrew, &easter}) {
      const std::string key = w == &hebrew ? "Rabbinic" : "Easter";
      w->show();
      QVERIFY(QTest::qWaitForWindowExposed(w));
      QCOMPARE(w->txtOut->toPlainText(), test::Lf(app::BuildHelpText(key)));
      QCOMPARE(test::WrappedLines(w->txtOut), 0);  // the help keeps its lines
      test::Retype(w->txtYear, "1582");
      Press(w, Qt::Key_A);  // a letter is dropped with a beep
      QCOMPARE(w->txtYear->text(), QString("1582"));
      // Enter in the year box or on the focused button computes.
      if (w == &easter) Press(w, Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), w == &easter ? static_cast<QWidget*>(w->cmdCompute) : w->txtYear);
      Press(w, w == &easter ? Qt::Key_Enter : Qt::Key_Return,
            w == &easter ? Qt::KeypadModifier : Qt::NoModifier);
      if (w == &hebrew)
        QCOMPARE(w->txtOut->toPlainText(), test::Lf(conversions::RabbinicalYearListing("1582")));
      const QStringList lines = w->txtOut->toPlainText().split('\n', Qt::SkipEmptyParts);
      if (w == &easter)
        QVERIFY(lines.size() == 60 && lines[0].endsWith(" (Julian)") && !lines[1].endsWith(" (Julian)"));
      Press(w, Qt::Key_F1);
      QCOMPARE(w->txtOut->toPlainText(), test::Lf(app::BuildHelpText(key)));
    }
    QCOMPARE(listingBeeper.beeps, 2);
    // The arrows step the year; Delete (whose text is DEL) edits the box silently.
    test::Retype(hebrew.txtYear, "2024");
    Press(&hebrew, Qt::Key_Up);
    Press(&hebrew, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, test::ActiveWindowOf(&hebrew), Qt::Key_Delete, QStringLiteral("\x7f"),
                        Qt::NoModifier);
    QCOMPARE(hebrew.txtYear->text(), QString("025"));
    QCOMPARE(listingBeeper.beeps, 2);
  }

  void theColourWindow() {
    constexpr std::int32_t kTeal = app::Rgb(0, 128, 128);
    const QColor teal(0, 128, 128);
    ScriptedColours colours;
    auto start = [&] {
      auto window = std::make_unique<frmHolyDays>(&questions, nullptr, nullptr,
                                                  app::UserDataFolders{dir.path(), dir.path()});
      window->SetColourDialog(&colours);
      window->show();
      window->mnuConversions->trigger();
      return window;
    };
    auto swatch = [](frmHolyDays& w, Swatch s) {
      w.mnuColors->trigger();
      Click(w.backColor()->swatch(s));
    };
    std::int32_t biblicalDesign = 0;
    {
      auto shown = start();
      const app::ColourSettings before = shown->core().userData().Colours;
      biblicalDesign = before.biblicalFrame;
      // A cancel or the same colour changes nothing.
      colours.answers = {std::nullopt, before[app::ColourItem::MainText]};
      swatch(*shown, Swatch::MainFormTxt);
      swatch(*shown, Swatch::MainFormTxt);
      QVERIFY(!shown->core().UserDataChanged && shown->core().userData().Colours == before);
      QCOMPARE(colours.presets, std::vector<std::int32_t>(2, before[app::ColourItem::MainText]));
      // A colour chosen recolours the target and its companions at once.
      colours.answers = {kTeal, kTeal, kTeal};
      swatch(*shown, Swatch::MainForm);
      swatch(*shown, Swatch::HebrewFrame);
      swatch(*shown, Swatch::BiblicalFrame);
      QVERIFY(shown->core().UserDataChanged);
      for (QWidget* w :
           {shown->centralWidget(), static_cast<QWidget*>(shown->chkEJW),
            static_cast<QWidget*>(shown->lblGMT), static_cast<QWidget*>(shown->conversion()->fraHebrew),
            static_cast<QWidget*>(shown->conversion()->lblMolad)}) {
        QCOMPARE(Back(w), teal);
      }
      QCOMPARE(Base(shown->txtWorking), teal);
      QCOMPARE(Base(shown->backColor()->swatch(Swatch::MainForm)), teal);
      QVERIFY(Base(shown->txtOut) != teal && Back(shown->conversion()->fraJulian) != teal);
      QCOMPARE(Back(shown->conversion()->fraBiblical), teal);
      shown->mnuSave_Click();
    }
    // The next start has them, all but the Biblical frame's.
    auto shown = start();
    QCOMPARE(Back(shown->conversion()->fraHebrew), teal);
    QCOMPARE(Back(shown->centralWidget()), teal);
    QCOMPARE(Back(shown->conversion()->fraBiblical), ToQColor(biblicalDesign));
  }

  // (The splash, which takes the keyboard, is closed by a real key press in
  // the real-input test.)
  void theAboutWindow() {
    // About hides on a click on Close, and on Enter on the focused button.
    frmAbout about;
    about.show();
    Click(about.cmdClose);
    QVERIFY(!about.isVisible());
    about.show();
    about.cmdClose->setFocus();
    Press(&about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
  }

  void aWindowIsPlacedInsideTheScreen() {
    const QRect screen(0, 0, 1280, 1024);
    const std::tuple<const char*, QRect, QRect, QRect> cases[] = {
        {"inside stays", {100, 100, 200, 200}, screen, {100, 100, 200, 200}},
        {"below the bottom edge", {100, 900, 400, 300}, screen, {100, 724, 400, 300}},
        {"past the right edge", {1000, 100, 400, 300}, screen, {880, 100, 400, 300}},
        {"above and left", {-50, -20, 400, 300}, screen, {0, 0, 400, 300}},
        {"wider than the screen", {10, 10, 1500, 300}, screen, {0, 10, 1280, 300}},
        {"under a top panel", {0, 0, 100, 100}, {0, 30, 1280, 994}, {0, 30, 100, 100}},
        {"second screen", {1200, 50, 300, 200}, {1280, 0, 1024, 768}, {1280, 50, 300, 200}}};
    for (const auto& [what, frame, available, placed] : cases)
      QVERIFY2(PlaceInside(frame, available) == placed, what);
  }
};

int SmallWindowsTests(int argc, char** argv) {
  SmallWindowsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "small_windows_test.moc"
