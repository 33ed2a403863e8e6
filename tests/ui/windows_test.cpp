// The windows driven through their top-level windows as the window system
// delivers keys and clicks: that each control reaches the core's handler and
// shows what the core holds.  The main window and the crescent window it
// opens; the conversion window with its criteria and help windows; the
// Rabbinical-year, Easter, colour and about windows; the placement on the
// screen that every window shares.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDate>
#include <QMenu>
#include <QMenuBar>
#include <QPdfWriter>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>
#include <deque>
#include <filesystem>

#include "app/help_texts.h"
#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"
#include "crescentmap/crescent_map.h"
#include "support/cli_harness.h"
#include "support/temp_dir.h"
#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/calendar_export.h"
#include "ui/frm_about.h"
#include "ui/frm_back_color.h"
#include "ui/frm_conversion.h"
#include "ui/frm_crescent.h"
#include "ui/frm_holy_days.h"
#include "ui/listing_window.h"
#include "ui/qt_services.h"
#include "ui/window_helpers.h"

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

// Answers the colour dialog from a script; nothing scripted is a cancel.
class ScriptedColours final : public ColourDialog {
 public:
  std::optional<std::int32_t> Choose(std::int32_t old, QWidget*) override {
    presets.push_back(old);
    std::optional<std::int32_t> answer;
    if (!answers.empty()) answer = answers.front(), answers.pop_front();
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

void Biblical(frmConversion& w, const char* year, int month, const char* day) {
  Retype(w.txtBYear, year);
  PickMonth(w.txtBMonth, w.lstBMonth, month);
  Retype(w.txtBDay, day);
  Click(w.cmdBCompute);
}

}  // namespace

class WindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void reportsSectionsKeysAndTheCrescentWindow() {
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
    // The crescent visibility window, opened by the menu's accelerators for
    // the boxes' place: its table is the command line's.
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
    QCOMPARE(f.questions.LastText(), std::string("Do you wish to print these results to the printer?"));
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
    // File, Export PDF by its mnemonics, as a user types them; read back
    // with an independent reader, the table's columns line up as in the pane.
    if (QStandardPaths::findExecutable("pdftotext").isEmpty()) QSKIP("pdftotext is not installed");
    const QString exported = QString::fromStdString((f.dir / "chosen.pdf").string());
    QString offered;
    w.SetExportFileChooser([&](const QString& name) { return offered = name, exported; });
    Press(&w, Qt::Key_F, Qt::AltModifier);
    auto* file = w.menuBar()->findChild<QMenu*>("mnuFile");
    QTRY_VERIFY(file->isVisible());
    Press(file, Qt::Key_D);
    QTRY_COMPARE(offered, QString("holydays-2024.pdf"));
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

  void everyColumnComputesAndItsSideWindowsOpen() {
    Fixture f;
    frmHolyDays* main = f.w.get();
    main->mnuConversions->trigger();
    frmConversion& w = *main->conversion();
    QVERIFY(w.isVisible());
    auto gregorian = [&w] {
      return DateText(w.txtGDay, w.txtGMonth, w.txtGYear) + " " + w.lblGDayOfWeek->text();
    };
    // It opens on today, as the toolkit's calendar gives it.
    const QDate today = QDate::currentDate();
    const QString month = QLocale(QLocale::English).monthName(today.month());
    QCOMPARE(DateText(w.txtGDay, w.txtGMonth, w.txtGYear),
             QString("%1 %2 %3").arg(today.day()).arg(month).arg(today.year()));
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
    QCOMPARE(f.beeper.beeps, 1);
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
    Biblical(w, "6009", 1, "1");
    QStringList offered;
    for (QRadioButton* o : w.optDate) offered << (o->isVisible() ? o->text() : "");
    QCOMPARE(offered, (QStringList{"Date 1", "Date 2", "", ""}));
    QCOMPARE(gregorian(), QString("11 April 2005 Monday"));
    Click(w.optDate[1]);
    QVERIFY(w.optDate[1]->isChecked() && !w.optDate[0]->isChecked());
    QCOMPARE(gregorian(), QString("10 April 2005 Sunday"));
    QCOMPARE(DateText(w.txtBDay, w.txtBMonth, w.txtBYear), QString("1 Abib 6009"));
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

  void theListingAndAboutWindows() {
    test::CountingBeeper listingBeeper;
    frmHebrew hebrew(listingBeeper);
    frmEaster easter(listingBeeper);
    // Each window, its help, its listing and whether Enter of the keypad on the focused
    // button computes (else Enter in the year box).
    using Listing = std::tuple<ListingWindow*, const char*, std::string (*)(std::string_view), bool>;
    for (const auto& [w, key, listing, byButton] :
         {Listing{&hebrew, "Rabbinic", conversions::RabbinicalYearListing, false},
          Listing{&easter, "Easter", conversions::EasterListing, true}}) {
      w->show();
      QVERIFY(QTest::qWaitForWindowExposed(w));
      QCOMPARE(w->txtOut->toPlainText(), test::Lf(app::BuildHelpText(key)));
      QCOMPARE(test::WrappedLines(w->txtOut), 0);  // the help keeps its lines
      test::Retype(w->txtYear, "1582");
      Press(w, Qt::Key_A);  // a letter is dropped with a beep
      QCOMPARE(w->txtYear->text(), QString("1582"));
      if (byButton) Press(w, Qt::Key_Tab);
      QCOMPARE(QApplication::focusWidget(), byButton ? static_cast<QWidget*>(w->cmdCompute) : w->txtYear);
      Press(w, byButton ? Qt::Key_Enter : Qt::Key_Return, byButton ? Qt::KeypadModifier : Qt::NoModifier);
      QCOMPARE(w->txtOut->toPlainText(), test::Lf(listing("1582")));
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
    // About hides on a click on Close, and on Enter on the focused button.
    // (The splash, which takes the keyboard, is closed by a real key press in
    // the real-input test.)
    frmAbout about;
    about.show();
    Click(about.cmdClose);
    QVERIFY(!about.isVisible());
    about.show();
    about.cmdClose->setFocus();
    Press(&about, Qt::Key_Return);
    QVERIFY(!about.isVisible());
  }

  // A place picked from the list and colours chosen for the main and
  // conversion windows: closing the window saves them, as File, Exit does, and
  // the next start has them; unchanged, nothing is written.
  void aPickedPlaceAndChosenColoursAreSavedOnClosing() {
    constexpr std::int32_t kTeal = app::Rgb(0, 128, 128);
    const QColor teal(0, 128, 128);
    ScriptedColours colours;
    Fixture f;
    f.Open(&f.printer);  // the second start installs the default entry
    const auto start = [&] {
      f.w->SetColourDialog(&colours);
      f.w->mnuConversions->trigger();
      return f.w.get();
    };
    const auto swatch = [&f](Swatch s) {
      f.w->mnuColors->trigger();
      Click(f.w->backColor()->swatch(s));
    };
    frmHolyDays* shown = f.w.get();
    f.Section(Qt::Key_L);
    Retype(shown->txtLatMin, "3");
    QVERIFY(shown->lblChange->isVisible());
    QComboBox* box = shown->cboLocation;
    test::ClickAt(box, QPoint(box->width() - 6, box->height() / 2));
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QTest::qWait(QApplication::doubleClickInterval());  // the list ignores a release right after it opened
    test::ClickAt(list->viewport(), list->visualRect(box->model()->index(0, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    QCOMPARE(box->currentText(), QString("Jerusalem , Israel"));
    QCOMPARE(shown->txtLatMin->text(), QString("46"));
    QVERIFY(!shown->lblChange->isVisible());
    start();
    const app::ColourSettings before = shown->core().userData().Colours;
    // A cancel or the same colour changes nothing.
    colours.answers = {std::nullopt, before[app::ColourItem::MainText]};
    swatch(Swatch::MainFormTxt);
    swatch(Swatch::MainFormTxt);
    QVERIFY(!shown->core().UserDataChanged && shown->core().userData().Colours == before);
    QCOMPARE(colours.presets, std::vector<std::int32_t>(2, before[app::ColourItem::MainText]));
    // A colour chosen recolours the target and its companions at once.
    colours.answers = {kTeal, kTeal, kTeal};
    swatch(Swatch::MainForm);
    swatch(Swatch::HebrewFrame);
    swatch(Swatch::BiblicalFrame);
    QVERIFY(shown->core().UserDataChanged);
    for (QWidget* w :
         std::initializer_list<QWidget*>{shown->centralWidget(), shown->chkEJW, shown->lblGMT,
                                         shown->conversion()->fraHebrew, shown->conversion()->lblMolad}) {
      QCOMPARE(Back(w), teal);
    }
    QCOMPARE(Base(shown->txtWorking), teal);
    QCOMPARE(Base(shown->backColor()->swatch(Swatch::MainForm)), teal);
    QVERIFY(Base(shown->txtOut) != teal && Back(shown->conversion()->fraJulian) != teal);
    QCOMPARE(Back(shown->conversion()->fraBiblical), teal);
    Retype(shown->txtGMT, "5");
    std::filesystem::remove(f.dir / "UserData.Dat");
    shown->close();
    QVERIFY(std::filesystem::exists(f.dir / "UserData.Dat"));
    // The next start has the colours, all but the Biblical frame's.
    f.Open(&f.printer);
    shown = start();
    QCOMPARE(Back(shown->conversion()->fraHebrew), teal);
    QCOMPARE(Back(shown->centralWidget()), teal);
    QCOMPARE(Back(shown->conversion()->fraBiblical), ToQColor(before.biblicalFrame));
    std::filesystem::remove(f.dir / "UserData.Dat");
    shown->mnuExit->trigger();
    QVERIFY(!std::filesystem::exists(f.dir / "UserData.Dat"));
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

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  app.setAttribute(Qt::AA_Use96Dpi, true);
  QStandardPaths::setTestModeEnabled(true);
  WindowsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "windows_test.moc"
