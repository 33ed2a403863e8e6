// The colour window: each swatch recolours its target and the target's
// companions, marks the user data changed only for a real change, and the
// colours come back at the next start from "UserData.Dat".
#include "ui/frm_back_color.h"

#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <deque>
#include <filesystem>

#include "support/window_driver.h"
#include "support/window_fakes.h"
#include "ui/frm_about.h"
#include "ui/frm_conversion.h"
#include "ui/frm_holy_days.h"
#include "ui/listing_window.h"

using namespace orvane;
using namespace orvane::ui;
using orvane::test::CountingBeeper;

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

constexpr std::int32_t kTeal = app::Rgb(0, 128, 128);
constexpr std::int32_t kRose = app::Rgb(250, 200, 210);
const QColor kTealColour(0, 128, 128);
const QColor kRoseColour(250, 200, 210);

}  // namespace

class FrmBackColorTest : public QObject {
  Q_OBJECT

 private:
  CountingBeeper beeper;
  test::ScriptedQuestions questions{app::Answer::No};
  ScriptedColours colours;

  std::unique_ptr<frmHolyDays> Start(const QTemporaryDir& dir) {
    const std::filesystem::path folder(dir.path().toStdString());
    auto main =
        std::make_unique<frmHolyDays>(&questions, nullptr, &beeper, app::UserDataFolders{folder, folder});
    main->SetColourDialog(&colours);
    main->show();
    return main;
  }

  static void ClickSwatch(frmHolyDays& main, Swatch s) {
    main.mnuColors->trigger();
    QVERIFY(main.backColor() != nullptr && main.backColor()->isVisible());
    test::Click(main.backColor()->swatch(s));
  }

 private slots:
  void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
  void init() {
    colours.answers.clear();
    colours.presets.clear();
  }

  void theWindowShowsEveryTargetsColour() {
    QTemporaryDir dir;
    auto main = Start(dir);
    main->mnuColors->trigger();
    frmBackColor& w = *main->backColor();
    QCOMPARE(w.windowTitle(), QString("Background Colors"));
    QCOMPARE(w.swatch(Swatch::MainForm)->text(), QString("Orvane Form"));
    QCOMPARE(w.swatch(Swatch::Rules)->toolTip(), QString("Postponement Rules"));
    QCOMPARE(w.chkStayOnTop->toolTip(), QString("Make this window stay on top of others"));
    app::ColourSettings& c = main->core().userData().Colours;
    QCOMPARE(Base(w.swatch(Swatch::AboutForm)), ToQColor(c[app::ColourItem::AboutForm]));
    QCOMPARE(Base(w.swatch(Swatch::MainFormTxt)), ToQColor(c[app::ColourItem::MainText]));
    // The swatches differ where their targets' colours differ.
    QVERIFY(c[app::ColourItem::AboutForm] != c[app::ColourItem::MainText]);
    QVERIFY(Base(w.swatch(Swatch::AboutForm)) != Base(w.swatch(Swatch::MainFormTxt)));
    test::Click(w.chkStayOnTop);
    QVERIFY(w.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(w.isVisible());
  }

  void aChosenColourRecoloursTheTargetAndItsCompanions() {
    QTemporaryDir dir;
    auto main = Start(dir);
    QVERIFY(!main->core().UserDataChanged);
    const std::int32_t old = main->core().userData().Colours[app::ColourItem::MainForm];
    colours.answers = {kTeal};
    ClickSwatch(*main, Swatch::MainForm);
    QCOMPARE(colours.presets, std::vector<std::int32_t>{old});
    QCOMPARE(Back(main->centralWidget()), kTealColour);
    for (QWidget* w : std::initializer_list<QWidget*>{main->chkEJW, main->lblLat, main->lblLong, main->lblGMT,
                                                      main->chkGregYear, main->lblLocation}) {
      QCOMPARE(Back(w), kTealColour);
    }
    QCOMPARE(Base(main->txtVerification), kTealColour);
    QCOMPARE(Base(main->txtWorking), kTealColour);
    QCOMPARE(Base(main->backColor()->swatch(Swatch::MainForm)), kTealColour);
    QVERIFY(Base(main->txtOut) != kTealColour);
    QVERIFY(main->core().UserDataChanged);

    // A conversion-window row, with the window open: the Hebrew frame and its
    // companions.
    main->mnuConversions->trigger();
    frmConversion& v = *main->conversion();
    colours.answers = {kRose};
    ClickSwatch(*main, Swatch::HebrewFrame);
    for (QWidget* w :
         std::initializer_list<QWidget*>{v.fraHebrew, v.lblHYearType, v.lblMolad, v.chkOnTop, v.lblTabInd}) {
      QCOMPARE(Back(w), kRoseColour);
    }
    QVERIFY(Back(v.fraJulian) != kRoseColour);
    QVERIFY(Back(v.lblRules) != kRoseColour);
    // The rules label takes lblHDay with it.
    colours.answers = {kTeal};
    ClickSwatch(*main, Swatch::Rules);
    QCOMPARE(Back(v.lblRules), kTealColour);
    QCOMPARE(Back(v.lblHDay), kTealColour);
  }

  void cancellingOrTheSameColourChangesNothing() {
    QTemporaryDir dir;
    auto main = Start(dir);
    const app::ColourSettings before = main->core().userData().Colours;
    colours.answers = {std::nullopt};
    ClickSwatch(*main, Swatch::MainFormTxt);
    QVERIFY(!main->core().UserDataChanged);
    QVERIFY(main->core().userData().Colours == before);
    QCOMPARE(Base(main->txtOut), ToQColor(before[app::ColourItem::MainText]));
    colours.answers = {before[app::ColourItem::MainText]};
    ClickSwatch(*main, Swatch::MainFormTxt);
    QVERIFY(!main->core().UserDataChanged);
    QVERIFY(main->core().userData().Colours == before);
    QCOMPARE(colours.presets.size(), std::size_t{2});
  }

  void coloursSurviveARestartExceptTheBiblicalFrames() {
    QTemporaryDir dir;
    std::int32_t biblicalDesign = 0;
    {
      auto main = Start(dir);
      biblicalDesign = main->core().userData().Colours.biblicalFrame;
      main->mnuConversions->trigger();
      colours.answers = {kTeal, kRose, kRose, kTeal};
      ClickSwatch(*main, Swatch::GregorianFrame);
      ClickSwatch(*main, Swatch::BiblicalFrame);
      ClickSwatch(*main, Swatch::AboutTxt);
      ClickSwatch(*main, Swatch::RabbinicalMain);
      QCOMPARE(Back(main->conversion()->fraBiblical), kRoseColour);
      main->mnuSave_Click();
      QVERIFY(!main->core().UserDataChanged);
    }
    QVERIFY(std::filesystem::exists(std::filesystem::path(dir.path().toStdString()) / "UserData.Dat"));
    auto main = Start(dir);
    const app::ColourSettings& c = main->core().userData().Colours;
    QCOMPARE(c[app::ColourItem::GregorianFrame], kTeal);
    QCOMPARE(c[app::ColourItem::AboutText], kRose);
    QCOMPARE(c[app::ColourItem::HebrewForm], kTeal);
    QCOMPARE(c.biblicalFrame, biblicalDesign);
    main->mnuConversions->trigger();
    QCOMPARE(Back(main->conversion()->fraGregorian), kTealColour);
    QCOMPARE(Back(main->conversion()->lblGYearType), kTealColour);
    QCOMPARE(Back(main->conversion()->fraBiblical), ToQColor(biblicalDesign));
    main->mnuHebrew->trigger();
    QCOMPARE(Back(main->hebrew()), kTealColour);
    main->mnuAbout->trigger();
    QCOMPARE(Base(main->about()->txtAbout), kRoseColour);
  }
};

QTEST_MAIN(FrmBackColorTest)
#include "frm_back_color_test.moc"
