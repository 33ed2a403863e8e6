// The main window's location fields, range sections and shut-down, driven
// through the real widgets on the offscreen platform.
#include <QComboBox>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "ui/calendar_export.h"
#include "ui/frm_holy_days.h"

using namespace orvane;
using namespace orvane::ui;

namespace {

class ScriptedQuestions final : public app::QuestionBox {
 public:
  app::Answer Ask(const app::Question& q) override {
    titles.push_back(q.title);
    return q.buttons == app::Question::Buttons::Ok ? app::Answer::Ok : answer;
  }
  app::Answer answer = app::Answer::Yes;
  std::vector<std::string> titles;
};

class NoPrinter final : public app::PrintService {
 public:
  bool PrintDocument(const std::string&, int, const std::string&) override { return false; }
};

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
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
    w = std::make_unique<frmHolyDays>(&questions, &printer, &beeper, app::UserDataFolders{folder(), folder()});
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
  void Type(QWidget* field, const QString& text) {
    field->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    QTest::keyClicks(field, text);
  }
};

}  // namespace

class FrmHolyDaysRunsTest : public QObject {
  Q_OBJECT

 private slots:
  void theLocationSectionsShowThePlace() {
    Fixture f;
    f.w->mnuLocalMoons->trigger();
    QVERIFY(f.w->cboLocation->isVisible());
    QVERIFY(f.w->txtGMT->isVisible());
    QCOMPARE(f.w->txtLatDeg->text(), QString::fromStdString(f.w->core().txtLatDeg.Text));
    QCOMPARE(f.w->cboLocation->lineEdit()->maxLength(), 40);
    f.w->mnuHolyDays->trigger();
    QVERIFY(!f.w->cboLocation->isVisible());
    QVERIFY(!f.w->txtGMT->isVisible());
  }

  void theCoordinateKeysFollowTheFieldRules() {
    Fixture f;
    f.w->mnuLocalMoons->trigger();
    QVERIFY(!f.w->lblChange->isVisible());
    f.Type(f.w->txtLatDir, "s");
    QCOMPARE(f.w->txtLatDir->text(), QString("S"));  // stored in capitals
    QVERIFY(f.w->lblChange->isVisible());
    const int before = f.beeper.beeps;
    f.Type(f.w->txtLatDir, "x");
    QCOMPARE(f.w->txtLatDir->text(), QString("S"));
    QCOMPARE(f.beeper.beeps, before + 1);
    // A blank moves on to the next box without being typed.
    f.Type(f.w->txtLatMin, "3");
    QTest::keyClick(f.w->txtLatMin, Qt::Key_Space);
    QCOMPARE(f.w->txtLatMin->text(), QString("3"));
    QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget*>(f.w->txtLatDir));
    // Leaving a degree box applies its limit.
    f.Type(f.w->txtLatDeg, "75");
    f.w->txtLongDeg->setFocus();
    QTRY_COMPARE(f.w->txtLatDeg->text(), QString("60"));
  }

  void aNewLocationIsAddedAndSaved() {
    Fixture f;
    f.w->mnuLocalMoons->trigger();
    f.Type(f.w->cboLocation->lineEdit(), "Test Town, Somewhere");
    f.Type(f.w->txtLatDeg, "40");
    f.Type(f.w->txtGMT, "3");
    f.questions.answer = app::Answer::Yes;
    QTest::keyClick(f.w->cboLocation->lineEdit(), Qt::Key_Return);
    QCOMPARE(f.questions.titles.back(), std::string("Add this location information?"));
    QVERIFY(f.w->cboLocation->findText("Test Town, Somewhere") >= 0);
    QVERIFY(!f.w->lblChange->isVisible());
    QVERIFY(f.File().find("Test Town, Somewhere\r\n") != std::string::npos);
  }

  void aLocationIsDeletedOrItsEditRefused() {
    Fixture f;
    f.w->mnuLocalMoons->trigger();
    f.Type(f.w->cboLocation->lineEdit(), "Passing Place");
    f.questions.answer = app::Answer::Yes;
    QTest::keyClick(f.w->cboLocation->lineEdit(), Qt::Key_Return);
    const int index = f.w->cboLocation->findText("Passing Place");
    QVERIFY(index >= 0);

    // A changed box and No to the edit question keeps the stored entry.
    f.Type(f.w->txtLongDeg, "99");
    f.questions.answer = app::Answer::No;
    f.w->cboLocation->lineEdit()->setFocus();
    QTest::keyClick(f.w->cboLocation->lineEdit(), Qt::Key_Return);
    QCOMPARE(f.questions.titles.back(), std::string("Edit this location information?"));
    QVERIFY(f.File().find("Passing Place") != std::string::npos);

    // Unchanged boxes and Enter: delete it.
    f.questions.answer = app::Answer::Yes;
    QTest::keyClick(f.w->cboLocation->lineEdit(), Qt::Key_Return);
    QCOMPARE(f.questions.titles.back(), std::string("Delete this location?"));
    QCOMPARE(f.w->cboLocation->findText("Passing Place"), -1);
    const auto& entries = f.w->core().userData().Locations;
    QVERIFY(std::none_of(entries.begin(), entries.end(), [](const auto& e) { return e.name == "Passing Place"; }));
    // The file keeps the name only as the last current location, no longer as an entry.
    const std::string file = f.File();
    QCOMPARE(file.find("Passing Place"), file.rfind("Passing Place"));
  }

  void pickingALocationFillsTheBoxes() {
    Fixture f;
    f.Restart();
    f.w->mnuLocalMoons->trigger();
    QVERIFY(f.w->cboLocation->count() >= 1);
    const int last = f.w->cboLocation->count() - 1;
    emit f.w->cboLocation->activated(last);
    const auto& entry = f.w->core().userData().Locations[static_cast<std::size_t>(last)];
    QCOMPARE(f.w->cboLocation->currentText(), QString::fromStdString(entry.name));
    QCOMPARE(f.w->txtGMT->text(), QString::fromStdString(f.w->core().txtGMT.Text));
    QVERIFY(!f.w->lblChange->isVisible());
  }

  void theLocalRunsUseThePlace() {
    Fixture f;
    f.w->mnuSunset->trigger();
    QVERIFY(!f.w->chkGregYear->isChecked());
    QTest::mouseClick(f.w->chkGregYear, Qt::LeftButton);  // ticking it runs the table
    QVERIFY(f.w->PaneText().contains("CALCULATED SUNSETS"));
    QVERIFY(f.w->PaneText().contains(" 1 Jan "));
    f.w->mnuTimes->trigger();
    QVERIFY(!f.w->chkGregYear->isChecked());  // the switch unticks it without a run
    QVERIFY(!f.w->PaneText().contains("CALCULATED SUNSETS"));
    f.w->mnuLocalMoons->trigger();
    QTest::mouseClick(f.w->cmdLocMon, Qt::LeftButton);
    QVERIFY(f.w->PaneText().contains("CALCULATED NEW MOONS"));
    QVERIFY(!f.w->PaneText().contains("First Day of Month is"));
  }

  void theRangeSectionsRunFromTheirButtonsAndEnter() {
    Fixture f;
    f.w->mnuGolgotha->trigger();
    QVERIFY(f.w->txtYear2->isVisible());
    QTest::mouseClick(f.w->cmdGolgotha, Qt::LeftButton);
    const QString range = f.w->PaneText();
    QVERIFY(!range.isEmpty());
    f.w->core().OutputPane().Clear();
    f.w->txtYear2->setFocus();
    QTest::keyClick(f.w->txtYear2, Qt::Key_Return);
    QCOMPARE(f.w->PaneText(), range);

    f.w->mnuFlood->trigger();
    std::vector<bool> enabledDuring;
    f.w->core().PendingEventsHook = [&] { enabledDuring.push_back(f.w->core().cmdFloodEnabled); };
    f.Type(f.w->txtYear, "-2400");
    f.Type(f.w->txtYear2, "-1890");
    f.w->txtYear->setFocus();
    QTest::keyClick(f.w->txtYear, Qt::Key_Return);
    QVERIFY(!enabledDuring.empty());
    QVERIFY(std::none_of(enabledDuring.begin(), enabledDuring.end(), [](bool e) { return e; }));
    QVERIFY(f.w->cmdFlood->isEnabled());
    QVERIFY(!f.w->txtWorking->isVisible());
  }

  void closingSavesChangedLocationsLikeExit() {
    Fixture f;
    f.w->mnuLocalMoons->trigger();
    f.Type(f.w->txtGMT, "5");
    QVERIFY(f.w->core().UserDataChanged);
    std::filesystem::remove(f.folder() / "UserData.Dat");
    f.w->close();  // the close box
    QVERIFY(std::filesystem::exists(f.folder() / "UserData.Dat"));
    QVERIFY(!f.w->core().UserDataChanged);
  }

  void theShownReportExportsToACalendarFile() {
    Fixture f;
    const QString path = f.dir.filePath("holy-days.ics");
    // The help text in the pane is no report: the user is told so and nothing is written.
    QVERIFY(!ExportToCalendar(f.w.get(), f.w->core(), f.questions, [&] { return path; }));
    QCOMPARE(f.questions.titles.back(), std::string("Orvane"));
    QVERIFY(!QFile::exists(path));
    f.Type(f.w->txtYear, "2025");
    QTest::mouseClick(f.w->cmdHolyDays, Qt::LeftButton);
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
    QVERIFY(f.questions.titles.empty());
  }
};

QTEST_MAIN(FrmHolyDaysRunsTest)
#include "frm_holy_days_runs_test.moc"
