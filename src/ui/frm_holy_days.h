// frmHolyDays: the main window, a view over the core's HolyDaysWindow.
//
// Every event is forwarded to the core's handler of the same name, and after
// it the window mirrors the core's texts, flags and section.  The window
// decides nothing itself.
#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPlainTextEdit>
#include <QToolButton>
#include <functional>
#include <map>
#include <memory>
#include <optional>

#include "app/holy_days_window.h"
#include "app/printing.h"
#include "app/questions.h"
#include "ui/moon_pictures.h"

class QAction;
class QMenu;

namespace orvane::ui {

class frmAbout;
class frmHebrew;
class frmEaster;
class frmCrescent;
class frmConversion;
class frmBackColor;
class ColourDialog;

class frmHolyDays : public QMainWindow {
  Q_OBJECT

 public:
  // `questions`, `printer` and `beeper` default to the platform's own.
  // `folders` is where "UserData.Dat" is read and written (default: the
  // working directory, else the per-user data folder).
  explicit frmHolyDays(app::QuestionBox* questions = nullptr, app::PrintService* printer = nullptr,
                       Beeper* beeper = nullptr, std::optional<app::UserDataFolders> folders = std::nullopt,
                       QWidget* parent = nullptr);
  ~frmHolyDays() override;

  app::HolyDaysWindow& core() { return *core_; }

  // The controls, named as the window's design names them.
  QLineEdit* txtYear;
  QLineEdit* txtYear2;
  QToolButton* cmdHolyDays;
  QToolButton* cmdMonths;
  QToolButton* cmdLocMon;
  QToolButton* cmdSunset;
  QToolButton* cmdTimes;
  QToolButton* cmdGolgotha;
  QToolButton* cmdJordan;
  QToolButton* cmdFlood;
  QToolButton* cmdCreation;
  QCheckBox* chkEJW;
  QCheckBox* chkGregYear;
  QLabel* lblChange;
  QPlainTextEdit* txtOut;
  QLineEdit* txtVerification;
  QLineEdit* txtWorking;
  QComboBox* cboLocation;
  QLabel* lblLocation;
  QLabel* lblLat;
  QLabel* lblLong;
  QLabel* lblGMT;
  QLineEdit* txtLatDeg;
  QLineEdit* txtLatMin;
  QLineEdit* txtLatDir;
  QLineEdit* txtLongDeg;
  QLineEdit* txtLongMin;
  QLineEdit* txtLonDir;
  QLineEdit* txtGMT;

  QAction* mnuSave;
  QAction* mnuExport;
  QAction* mnuExportPdf;
  QAction* mnuPrintSetup;
  QAction* mnuPrint;
  QAction* mnuExit;
  QAction* mnuHolyDays;
  QAction* mnuLocalMoons;
  QAction* mnuSunset;
  QAction* mnuTimes;
  QAction* mnuGolgotha;
  QAction* mnuJordan;
  QAction* mnuFlood;
  QAction* mnuCreation;
  QAction* mnuConversions;
  QAction* mnuHebrew;
  QAction* mnuEaster;
  QAction* mnuCrescent;
  QAction* mnuDocumentation;
  QAction* mnuColors;
  QAction* mnuAbout;

  // The text of the pane as the core holds it (CR LF line ends).
  QString PaneText() const;

 public slots:
  void chkEJW_Click();
  void chkGregYear_Click();
  void cboLocation_Click(int index);
  void mnuSave_Click();
  void mnuExport_Click();
  void mnuExportPdf_Click();
  void mnuPrintSetup_Click();
  void txtVerification_Click();
  void mnuHebrew_Click();
  void mnuEaster_Click();
  void mnuCrescent_Click();
  void mnuConversions_Click();
  void mnuColors_Click();
  void mnuAbout_Click();

 public:
  // The secondary windows, created on first use (null before).
  frmAbout* about() const { return about_.get(); }
  frmHebrew* hebrew() const { return hebrew_.get(); }
  frmEaster* easter() const { return easter_.get(); }
  frmCrescent* crescent() const { return crescent_.get(); }
  frmConversion* conversion() const { return conversion_.get(); }
  frmBackColor* backColor() const { return backColor_.get(); }
  // The file Export PDF writes, given the name it offers (default: the
  // toolkit's file dialog); an empty name cancels.
  void SetExportFileChooser(std::function<QString(const QString&)> choose) {
    chooseExportFile_ = std::move(choose);
  }
  // The colour choice of the colour window (default: the toolkit's dialog).
  void SetColourDialog(ColourDialog* dialog) { colourDialog_ = dialog; }
  // Every open window takes its colours and its companions' from the settings.
  void ApplyColours();
  // The moon pictures shared by the splash and the conversion window.
  MoonPictures& moonPictures() { return moonPictures_; }
  void mnuPrint_Click();
  void mnuExit_Click();
  void mnuDocumentation_Click();
  void SwitchSection(const QString& key);

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildControls();
  void BuildLocationControls(QWidget* client);
  void BuildMenus();
  // A key reached one of the fields the core keeps: returns whether the
  // key was consumed.
  bool FieldKeyPress(app::HolyDaysWindow::Control control, QKeyEvent* key);
  // The text of a field changed without a key (a paste, the toolkit).
  void FieldTextChanged(app::HolyDaysWindow::Control control, const QString& text);
  // The focus arrived at `now`: the core's LostFocus and GotFocus handlers
  // run, and a field shows the selection its GotFocus handler made.
  void FocusChanged(QWidget* now);
  void ShowSelection(app::HolyDaysWindow::Control control);
  // A secondary window shown without blocking, inside the screen.
  void ShowModeless(QWidget* window);
  app::HolyDaysWindow::Control ControlOf(const QObject* widget) const;
  QWidget* WidgetOf(app::HolyDaysWindow::Control control) const;
  // After every handler: the window shows what the core holds.
  void MirrorCore();
  template <typename Handler>
  void Run(Handler handler);

  std::unique_ptr<Beeper> ownBeeper_;
  std::unique_ptr<app::QuestionBox> ownQuestions_;
  std::unique_ptr<app::PrintService> ownPrinter_;
  Beeper* beeper_;
  app::QuestionBox* questions_;
  app::PrintService* printer_;
  std::unique_ptr<app::HolyDaysWindow> core_;
  std::map<app::Button, QToolButton*> buttons_;
  std::vector<std::pair<app::HolyDaysWindow::Control, QWidget*>> fields_;
  std::vector<QWidget*> locationWidgets_;
  bool mirroring_ = false;
  // How the focus last came to a field, and the field a click entered.
  Qt::FocusReason focusReason_ = Qt::OtherFocusReason;
  app::HolyDaysWindow::Control reselectOnRelease_ = app::HolyDaysWindow::Control::None;
  bool shutDown_ = false;
  std::unique_ptr<frmAbout> about_;
  std::unique_ptr<frmHebrew> hebrew_;
  std::unique_ptr<frmEaster> easter_;
  std::unique_ptr<frmCrescent> crescent_;
  MoonPictures moonPictures_{128};
  std::unique_ptr<frmConversion> conversion_;
  std::unique_ptr<ColourDialog> ownColourDialog_;
  ColourDialog* colourDialog_ = nullptr;
  std::unique_ptr<frmBackColor> backColor_;
  std::function<QString(const QString&)> chooseExportFile_;
};

}  // namespace orvane::ui
