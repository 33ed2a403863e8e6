// The main window's location fields, range sections and shut-down, driven
// through its top-level window on the offscreen platform.
#include <QAbstractItemView>
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/calendar_export.h"
#include "ui/frm_holy_days.h"

using namespace orvane;
using namespace orvane::ui;
using orvane::test::Click;
using orvane::test::CountingBeeper;
using orvane::test::Press;
using orvane::test::ScriptedQuestions;
using orvane::test::Type;

namespace {

class NoPrinter final : public app::PrintService {
 public:
  bool PrintDocument(const std::string&, int, const std::string&) override { return false; }
};

// A window with "UserData.Dat" in a fresh folder of its own.
struct Fixture {
  QTemporaryDir dir;
  ScriptedQuestions questions;
  NoPrinter printer;
  CountingBeeper beeper;
  std::unique_ptr<frmHolyDays> w;
  Fixture() { Open(); }
  std::filesystem::path folder() const { return dir.path().toStdString(); }
  void Open() {
    w = std::make_unique<frmHolyDays>(&questions, &printer, &beeper,
                                      app::UserDataFolders{folder(), folder()});
    w->show();
    w->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(w.get()));
  }
  // The first start writes a file without locations; the next one installs the default entry.
  void Restart() {
    w.reset();
    Open();
  }
  std::string File() const {
    std::ifstream in(folder() / "UserData.Dat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  // A click into a field (which selects its text) and typing.
  void Enter(QWidget* field, const char* text) {
    Click(field);
    Type(field, text);
  }
  void Section(Qt::Key key) { Press(w.get(), key, Qt::ControlModifier); }
  QStringList Coordinates() const {
    QStringList texts;
    for (QLineEdit* box :
         {w->txtLatDeg, w->txtLatMin, w->txtLatDir, w->txtLongDeg, w->txtLongMin, w->txtLonDir, w->txtGMT}) {
      texts << box->text();
    }
    return texts;
  }
};

}  // namespace

class FrmHolyDaysRunsTest : public QObject {
  Q_OBJECT

 private slots:
  void theLocationSectionsShowThePlace() {
    Fixture f;
    f.Section(Qt::Key_L);
    QVERIFY(f.w->cboLocation->isVisible());
    QVERIFY(f.w->txtGMT->isVisible());
    QCOMPARE(f.w->txtLatDeg->text(), QString::fromStdString(f.w->core().txtLatDeg.Text));
    QCOMPARE(f.w->cboLocation->lineEdit()->maxLength(), 40);
    f.Section(Qt::Key_H);
    QVERIFY(!f.w->cboLocation->isVisible());
    QVERIFY(!f.w->txtGMT->isVisible());
  }

  void theCoordinateKeysFollowTheFieldRules() {
    Fixture f;
    f.Section(Qt::Key_L);
    QVERIFY(!f.w->lblChange->isVisible());
    // Quick entry from the latitude-degrees box: the click selects its text,
    // a blank moves on to the next box and selects that one, lower-case
    // directions are stored in capitals.
    f.Enter(f.w->txtLatDeg, "51 45 n 1 15 w 0");
    QCOMPARE(f.Coordinates(), (QStringList{"51", "45", "N", "1", "15", "W", "0"}));
    QVERIFY(f.w->lblChange->isVisible());
    QCOMPARE(QApplication::focusWidget(), f.w->txtGMT);
    const int before = f.beeper.beeps;
    f.Enter(f.w->txtLatDir, "x");
    QCOMPARE(f.w->txtLatDir->text(), QString("N"));
    QCOMPARE(f.beeper.beeps, before + 1);
    // Tab enters the next box with its text selected too; leaving a degree
    // box applies its limit.
    f.Enter(f.w->txtLatDeg, "75");
    Press(f.w.get(), Qt::Key_Tab);
    QCOMPARE(f.w->txtLatDeg->text(), QString("60"));
    Type(f.w.get(), "3");
    QCOMPARE(f.w->txtLatMin->text(), QString("3"));
  }

  void aNewLocationIsAddedAndSaved() {
    Fixture f;
    f.Section(Qt::Key_L);
    f.Enter(f.w->cboLocation, "Test Town, Somewhere");
    f.Enter(f.w->txtLatDeg, "40");
    f.Enter(f.w->txtGMT, "3");
    f.questions.answer = app::Answer::Yes;
    Click(f.w->cboLocation);
    Press(f.w.get(), Qt::Key_Return);
    QCOMPARE(f.questions.LastTitle(), std::string("Add this location information?"));
    QVERIFY(f.w->cboLocation->findText("Test Town, Somewhere") >= 0);
    QVERIFY(!f.w->lblChange->isVisible());
    QVERIFY(f.File().find("Test Town, Somewhere\r\n") != std::string::npos);
  }

  void aLocationIsDeletedOrItsEditRefused() {
    Fixture f;
    f.Section(Qt::Key_L);
    f.Enter(f.w->cboLocation, "Passing Place");
    f.questions.answer = app::Answer::Yes;
    Press(f.w.get(), Qt::Key_Enter, Qt::KeypadModifier);
    const int index = f.w->cboLocation->findText("Passing Place");
    QVERIFY(index >= 0);

    // A changed box and No to the edit question keeps the stored entry.
    f.Enter(f.w->txtLongDeg, "99");
    f.questions.answer = app::Answer::No;
    Click(f.w->cboLocation);
    Press(f.w.get(), Qt::Key_Return);
    QCOMPARE(f.questions.LastTitle(), std::string("Edit this location information?"));
    QVERIFY(f.File().find("Passing Place") != std::string::npos);

    // Unchanged boxes and Enter: delete it.
    f.questions.answer = app::Answer::Yes;
    Press(f.w.get(), Qt::Key_Return);
    QCOMPARE(f.questions.LastTitle(), std::string("Delete this location?"));
    QCOMPARE(f.w->cboLocation->findText("Passing Place"), -1);
    const auto& entries = f.w->core().userData().Locations;
    QVERIFY(std::none_of(entries.begin(), entries.end(),
                         [](const auto& e) { return e.name == "Passing Place"; }));
    // The file keeps the name only as the last current location, no longer as an entry.
    const std::string file = f.File();
    QCOMPARE(file.find("Passing Place"), file.rfind("Passing Place"));
  }

  void pickingALocationFillsTheBoxes() {
    Fixture f;
    f.Restart();
    f.Section(Qt::Key_L);
    QVERIFY(f.w->cboLocation->count() >= 1);
    const int last = f.w->cboLocation->count() - 1;
    // A click on the arrow opens the list, a click on a name picks it.
    QComboBox* box = f.w->cboLocation;
    test::ClickAt(box, QPoint(box->width() - 6, box->height() / 2));
    QAbstractItemView* list = box->view();
    QTRY_VERIFY(list->isVisible());
    QTest::qWait(QApplication::doubleClickInterval());  // the list ignores a release right after it opened
    test::ClickAt(list->viewport(), list->visualRect(box->model()->index(last, 0)).center());
    QTRY_VERIFY(!list->isVisible());
    const auto& entry = f.w->core().userData().Locations[static_cast<std::size_t>(last)];
    QCOMPARE(f.w->cboLocation->currentText(), QString::fromStdString(entry.name));
    QCOMPARE(f.w->txtGMT->text(), QString::fromStdString(f.w->core().txtGMT.Text));
    QVERIFY(!f.w->lblChange->isVisible());
  }

  void theLocalRunsUseThePlace() {
    Fixture f;
    f.Section(Qt::Key_S);
    QVERIFY(!f.w->chkGregYear->isChecked());
    Click(f.w->chkGregYear);  // ticking it runs the table
    QVERIFY(f.w->PaneText().contains("CALCULATED SUNSETS"));
    QVERIFY(f.w->PaneText().contains(" 1 Jan "));
    f.Section(Qt::Key_T);
    QVERIFY(!f.w->chkGregYear->isChecked());  // the switch unticks it without a run
    QVERIFY(!f.w->PaneText().contains("CALCULATED SUNSETS"));
    f.Section(Qt::Key_L);
    Click(f.w->cmdLocMon);
    QVERIFY(f.w->PaneText().contains("CALCULATED NEW MOONS"));
    QVERIFY(!f.w->PaneText().contains("First Day of Month is"));
  }

  void theRangeSectionsRunFromTheirButtonsAndEnter() {
    Fixture f;
    f.Section(Qt::Key_G);
    QVERIFY(f.w->txtYear2->isVisible());
    Click(f.w->cmdGolgotha);
    const QString range = f.w->PaneText();
    QVERIFY(!range.isEmpty());
    f.w->core().OutputPane().Clear();
    Click(f.w->txtYear2);
    QCOMPARE(f.w->txtYear2->selectedText(), QString("35"));  // selected on entry
    Press(f.w.get(), Qt::Key_Return);
    QCOMPARE(f.w->PaneText(), range);

    f.Section(Qt::Key_F);
    std::vector<bool> enabledDuring;
    f.w->core().PendingEventsHook = [&] { enabledDuring.push_back(f.w->core().cmdFloodEnabled); };
    f.Enter(f.w->txtYear, "-2400");
    f.Enter(f.w->txtYear2, "-1890");
    Click(f.w->txtYear);
    Press(f.w.get(), Qt::Key_Return);
    QVERIFY(!enabledDuring.empty());
    QVERIFY(std::none_of(enabledDuring.begin(), enabledDuring.end(), [](bool e) { return e; }));
    QVERIFY(f.w->cmdFlood->isEnabled());
    QVERIFY(!f.w->txtWorking->isVisible());
  }

  void closingSavesChangedLocationsLikeExit() {
    Fixture f;
    f.Section(Qt::Key_L);
    f.Enter(f.w->txtGMT, "5");
    QVERIFY(f.w->core().UserDataChanged);
    std::filesystem::remove(f.folder() / "UserData.Dat");
    f.w->close();  // the close box
    QVERIFY(std::filesystem::exists(f.folder() / "UserData.Dat"));
    QVERIFY(!f.w->core().UserDataChanged);
  }

  void theShownReportExportsToACalendarFile() {
    Fixture f;
    const QString path = f.dir.filePath("holy-days.ics");
    // The help text in the pane is no report: the user is told so before
    // being asked for a file, and nothing is written.
    bool askedForFile = false;
    QVERIFY(!ExportToCalendar(f.w.get(), f.w->core(), f.questions, [&] {
      askedForFile = true;
      return path;
    }));
    QVERIFY(!askedForFile);
    QCOMPARE(f.questions.LastTitle(), std::string("Orvane"));
    QVERIFY(f.questions.LastText().starts_with("The window shows no holy days or month starts to export"));
    QVERIFY(!QFile::exists(path));
    f.Enter(f.w->txtYear, "2025");
    Click(f.w->cmdHolyDays);
    QVERIFY(ExportToCalendar(f.w.get(), f.w->core(), f.questions, [&] { return path; }));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString ics = QString::fromUtf8(file.readAll());
    QVERIFY(ics.startsWith("BEGIN:VCALENDAR"));
    QVERIFY(ics.contains("Feast of Trumpets"));
    QVERIFY(f.w->findChild<QAction*>("mnuExport") != nullptr);
  }

  void exitWritesNothingWhenNothingChanged() {
    Fixture f;
    std::filesystem::remove(f.folder() / "UserData.Dat");
    f.w->mnuExit->trigger();
    QVERIFY(!std::filesystem::exists(f.folder() / "UserData.Dat"));
    QVERIFY(f.questions.asked.empty());
  }
};

QTEST_MAIN(FrmHolyDaysRunsTest)
#include "frm_holy_days_runs_test.moc"
