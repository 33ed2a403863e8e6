// The Rabbinical-year, Easter, colour, splash and about windows driven
// through their top-level windows; the key adapter and the placement on
// the screen that every window shares.
#include <QKeyEvent>
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
#include "ui/frm_splash.h"
#include "ui/key_input.h"
#include "ui/listing_window.h"
#include "ui/window_helpers.h"

using namespace orvane;
using namespace orvane::ui;
using test::Click;
using test::Press;

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

}  // namespace

class SmallWindowsTest : public QObject {
  Q_OBJECT

 private slots:
  void theListingWindows() {
    test::CountingBeeper beeper;
    frmHebrew hebrew(beeper);
    frmEaster easter(beeper);
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
      Press(w, Qt::Key_Return);
      if (w == &hebrew)
        QCOMPARE(w->txtOut->toPlainText(), test::Lf(conversions::RabbinicalYearListing("1582")));
      const QStringList lines = w->txtOut->toPlainText().split('\n', Qt::SkipEmptyParts);
      if (w == &easter)
        QVERIFY(lines.size() == 60 && lines[0].endsWith(" (Julian)") && !lines[1].endsWith(" (Julian)"));
      Press(w, Qt::Key_F1);
      QCOMPARE(w->txtOut->toPlainText(), test::Lf(app::BuildHelpText(key)));
    }
    QCOMPARE(beeper.beeps, 2);
    // The arrows step the year; Delete (whose text is DEL) edits the box silently.
    test::Retype(hebrew.txtYear, "2024");
    Press(&hebrew, Qt::Key_Up);
    Press(&hebrew, Qt::Key_Home);
    QTest::sendKeyEvent(QTest::Click, test::ActiveWindowOf(&hebrew), Qt::Key_Delete, QStringLiteral("\x7f"),
                        Qt::NoModifier);
    QCOMPARE(hebrew.txtYear->text(), QString("025"));
    QCOMPARE(beeper.beeps, 2);
  }

  void theColourWindow() {
    constexpr std::int32_t kTeal = app::Rgb(0, 128, 128);
    const QColor teal(0, 128, 128);
    testing::TempDir dir;
    test::ScriptedQuestions questions{app::Answer::No};
    ScriptedColours colours;
    auto start = [&] {
      auto main = std::make_unique<frmHolyDays>(&questions, nullptr, nullptr,
                                                app::UserDataFolders{dir.path(), dir.path()});
      main->SetColourDialog(&colours);
      main->show();
      main->mnuConversions->trigger();
      return main;
    };
    auto swatch = [](frmHolyDays& main, Swatch s) {
      main.mnuColors->trigger();
      Click(main.backColor()->swatch(s));
    };
    std::int32_t biblicalDesign = 0;
    {
      auto main = start();
      const app::ColourSettings before = main->core().userData().Colours;
      biblicalDesign = before.biblicalFrame;
      // A cancel or the same colour changes nothing.
      colours.answers = {std::nullopt, before[app::ColourItem::MainText]};
      swatch(*main, Swatch::MainFormTxt);
      swatch(*main, Swatch::MainFormTxt);
      QVERIFY(!main->core().UserDataChanged && main->core().userData().Colours == before);
      QCOMPARE(colours.presets, std::vector<std::int32_t>(2, before[app::ColourItem::MainText]));
      // A colour chosen recolours the target and its companions at once.
      colours.answers = {kTeal, kTeal, kTeal};
      swatch(*main, Swatch::MainForm);
      swatch(*main, Swatch::HebrewFrame);
      swatch(*main, Swatch::BiblicalFrame);
      QVERIFY(main->core().UserDataChanged);
      for (QWidget* w :
           {main->centralWidget(), static_cast<QWidget*>(main->chkEJW), static_cast<QWidget*>(main->lblGMT),
            static_cast<QWidget*>(main->conversion()->fraHebrew),
            static_cast<QWidget*>(main->conversion()->lblMolad)}) {
        QCOMPARE(Back(w), teal);
      }
      QCOMPARE(Base(main->txtWorking), teal);
      QCOMPARE(Base(main->backColor()->swatch(Swatch::MainForm)), teal);
      QVERIFY(Base(main->txtOut) != teal && Back(main->conversion()->fraJulian) != teal);
      QCOMPARE(Back(main->conversion()->fraBiblical), teal);
      main->mnuSave_Click();
    }
    // The next start has them, all but the Biblical frame's.
    auto main = start();
    QCOMPARE(Back(main->conversion()->fraHebrew), teal);
    QCOMPARE(Back(main->centralWidget()), teal);
    QCOMPARE(Back(main->conversion()->fraBiblical), ToQColor(biblicalDesign));
  }

  void theSplashAndAboutWindows() {
    MoonPictures pictures(32);
    int closed = 0;
    auto* splash = new frmSplash(pictures, [&closed] { ++closed; });
    splash->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<frmSplash> guard(splash);
    std::vector<int> shown;  // the picture after each tick, in order
    QObject::connect(splash->tmrPicRot, &QTimer::timeout, splash,
                     [&] { shown.push_back(splash->ShownPicture); });
    splash->show();
    QTRY_VERIFY_WITH_TIMEOUT(!shown.empty(), 2000);
    QCOMPARE(shown[0], 2);
    Press(splash, Qt::Key_Space);  // the splash has the focus
    QCOMPARE(closed, 1);
    QTRY_VERIFY(guard.isNull());
    // The pictures run round the cycle.
    frmSplash again(pictures, [] {});
    again.PictureIndex = 58;
    again.tmrPicRot_Timer();
    QCOMPARE(again.ShownPicture, 58);
    QCOMPARE(again.PictureIndex, 0);
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

  // The one translation of the toolkit's keys into the cores' key codes.
  void aKeyPressTypesItsCharacter() {
    const std::tuple<int, Qt::KeyboardModifiers, QString, int> typed[] = {
        {Qt::Key_7, Qt::NoModifier, "7", '7'},
        {Qt::Key_Return, Qt::NoModifier, "\r", 13},
        {Qt::Key_Enter, Qt::KeypadModifier, "\r", 13},
        {Qt::Key_Backspace, Qt::NoModifier, "\b", 8},
        {Qt::Key_Eacute, Qt::NoModifier, "\u00E9", 0xE9},          // a letter beyond ASCII
        {Qt::Key_unknown, Qt::NoModifier, "\U0001F600", 0x1F600},  // beyond the 16-bit range
        {Qt::Key_Delete, Qt::NoModifier, "\x7f", 0},
        {Qt::Key_Left, Qt::NoModifier, "", 0},
        {Qt::Key_C, Qt::ControlModifier, "\x03", 0},
        {Qt::Key_X, Qt::AltModifier, "x", 0},
        {Qt::Key_N, Qt::ShiftModifier, "N", 'N'}};
    for (const auto& [key, modifiers, text, keyAscii] : typed) {
      const QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
      QCOMPARE(KeyAsciiOf(&event), keyAscii);
    }
    for (const auto& [key, code] : {std::pair{Qt::Key_Up, kKeyUp},
                                    {Qt::Key_Down, kKeyDown},
                                    {Qt::Key_F1, kKeyF1},
                                    {Qt::Key_PageUp, 0},
                                    {Qt::Key_A, 0}}) {
      const QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
      QCOMPARE(KeyCodeOf(&event), code);
    }
  }
};

int SmallWindowsTests(int argc, char** argv) {
  SmallWindowsTest tests;
  return QTest::qExec(&tests, argc, argv);
}

#include "small_windows_test.moc"
