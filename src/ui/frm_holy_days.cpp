#include "ui/frm_holy_days.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>
#include <cstdlib>

#include "engine/local_clock.h"
#include "ui/calendar_export.h"
#include "ui/frm_about.h"
#include "ui/frm_back_color.h"
#include "ui/frm_conversion.h"
#include "ui/frm_crescent.h"
#include "ui/key_input.h"
#include "ui/listing_window.h"
#include "ui/pdf_export.h"
#include "ui/qt_services.h"
#include "ui/twips.h"
#include "ui/window_helpers.h"

namespace orvane::ui {

void InitResources();

namespace {

// Light lavender, the window's colour until the user chooses another.
const QColor kWindowColour(192, 192, 255);

// A picture button that shows plainly when it has the focus: the style's
// own focus mark is hidden under the picture.
class FocusMarkedButton final : public QToolButton {
 public:
  using QToolButton::QToolButton;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QToolButton::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
};

// A button that shows a picture only: a screen reader names it by
// `spokenName` and describes it by its tooltip.
QToolButton* PictureButton(QWidget* parent, const char* name, const char* spokenName, const char* icon,
                           const char* toolTip, int left) {
  auto* b = new FocusMarkedButton(parent);
  b->setObjectName(name);
  b->setAccessibleName(spokenName);
  b->setAccessibleDescription(toolTip);
  b->setGeometry(TwipsRect(left, 120, 495, 495));
  b->setIcon(QIcon(QString(":/icons/") + icon));
  b->setIconSize(QSize(Px(495) - 6, Px(495) - 6));
  b->setToolTip(toolTip);
  b->setAutoRaise(false);
  QFont f = b->font();
  f.setBold(true);
  b->setFont(f);
  return b;
}

QLineEdit* YearBox(QWidget* parent, const char* name, int left) {
  auto* box = new QLineEdit(parent);
  box->setObjectName(name);
  box->setGeometry(TwipsRect(left, 120, 945, 420));
  box->setAlignment(Qt::AlignCenter);
  QFont f = box->font();
  f.setBold(true);
  f.setPointSize(12);
  box->setFont(f);
  return box;
}

}  // namespace

frmHolyDays::frmHolyDays(app::QuestionBox* questions, app::PrintService* printer, Beeper* beeper,
                         std::optional<app::UserDataFolders> folders, QWidget* parent)
    : QMainWindow(parent) {
  InitResources();
  if (beeper == nullptr) {
    ownBeeper_ = std::make_unique<QtBeeper>();
    beeper = ownBeeper_.get();
  }
  if (questions == nullptr) {
    ownQuestions_ = std::make_unique<QtQuestionBox>(this);
    questions = ownQuestions_.get();
  }
  if (printer == nullptr) {
    ownPrinter_ = std::make_unique<QtPrintService>();
    printer = ownPrinter_.get();
  }
  beeper_ = beeper;
  questions_ = questions;
  printer_ = printer;
  core_ = std::make_unique<app::HolyDaysWindow>(*beeper_);

  setObjectName("frmHolyDays");
  setWindowIcon(QIcon(":/icons/orvane.svg"));
  BuildControls();
  BuildMenus();
  // The window is not resizable: its size is that of the designed client
  // area and the menu bar at the font and scale of the desktop.
  layout()->setSizeConstraint(QLayout::SetFixedSize);
  ButtonsRunOnEnter(this);

  core_->SetQuestionBox(questions_);
  core_->SetUserDataFolders(folders ? *folders : ToolkitUserDataFolders());
  // A long Flood range lets the window repaint and react between its years.
  core_->PendingEventsHook = [this] {
    MirrorCore();
    QApplication::processEvents();
  };
  core_->Form_Load(LocalToday().year);
  core_->LoadUserDataAtStartUp();
  ApplyColours();
  MirrorCore();
  txtYear->setFocus();
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
}

frmHolyDays::~frmHolyDays() {
  // The conversion window works on the core's engine: it goes first.
  conversion_.reset();
  // The core goes before the widgets: nothing may reach it while they close.
  disconnect(qApp, nullptr, this, nullptr);
  for (const auto& [control, field] : fields_) {
    field->removeEventFilter(this);
    field->disconnect(this);
  }
  if (QLineEdit* edit = cboLocation->lineEdit(); edit != nullptr) {
    edit->removeEventFilter(this);
    edit->disconnect(this);
  }
  txtOut->removeEventFilter(this);
  core_->PendingEventsHook = nullptr;
}

void frmHolyDays::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(Px(12375), Px(8910));
  // The layout's positions were made for a small 8-point dialog font.
  QFont small = client->font();
  small.setPointSize(8);
  client->setFont(small);
  FillBackground(client, kWindowColour);
  setCentralWidget(client);

  txtYear = YearBox(client, "txtYear", 240);
  txtYear->setMaxLength(5);
  txtYear2 = YearBox(client, "txtYear2", 1320);
  txtYear2->hide();

  cmdHolyDays = PictureButton(client, "cmdHolyDays", "Holy days", "cup.svg", "Calculate Holy Days", 1320);
  cmdLocMon =
      PictureButton(client, "cmdLocMon", "Local new moons", "moon.svg",
                    "Calculates the Local New Moons for the current year at the Longitude and Latitude you "
                    "supply.",
                    1320);
  cmdSunset =
      PictureButton(client, "cmdSunset", "Sunsets", "sunset.svg",
                    "Calculates the local sunsets for the current year at the selected location.", 1320);
  cmdTimes = PictureButton(client, "cmdTimes", "Sun and moon times", "sundial.svg",
                           "Calculates local Sun/Moon data for the location selected.", 1320);
  cmdMonths = PictureButton(client, "cmdMonths", "New moons", "moon.svg", "Calculate New Moons", 1920);
  cmdGolgotha = PictureButton(client, "cmdGolgotha", "Golgotha", "cross.svg",
                              "Calculate possible date of Crucifixion", 2400);
  cmdJordan = PictureButton(client, "cmdJordan", "Jordan crossing", "crossing.svg",
                            "Calculate possible date of Jordan crossing", 2400);
  cmdFlood =
      PictureButton(client, "cmdFlood", "Flood", "flood.svg",
                    "Calculates number of days between the 17th of the second month and the 17th of the "
                    "seventh month.",
                    2400);
  cmdCreation = PictureButton(client, "cmdCreation", "Creation", "creation.svg",
                              "Calculate possible date of Creation", 2400);
  buttons_ = {{app::Button::cmdHolyDays, cmdHolyDays}, {app::Button::cmdMonths, cmdMonths},
              {app::Button::cmdLocMon, cmdLocMon},     {app::Button::cmdSunset, cmdSunset},
              {app::Button::cmdTimes, cmdTimes},       {app::Button::cmdGolgotha, cmdGolgotha},
              {app::Button::cmdJordan, cmdJordan},     {app::Button::cmdFlood, cmdFlood},
              {app::Button::cmdCreation, cmdCreation}};

  chkEJW = new QCheckBox("East of Israel and west of the International Date Line?", client);
  chkEJW->setObjectName("chkEJW");
  chkEJW->setGeometry(TwipsRect(5640, 120, 6615, 420));
  chkEJW->setToolTip(
      "Check this box to adjust dates  for the region east of Israel and west of the International Date "
      "Line.");
  QFont bold = chkEJW->font();
  bold.setBold(true);
  bold.setPointSizeF(9.75);
  chkEJW->setFont(bold);

  lblChange = new QLabel("*", client);
  lblChange->setObjectName("lblChange");
  lblChange->setGeometry(TwipsRect(5640, 480, 255, 255));
  lblChange->setFont(bold);
  lblChange->hide();

  chkGregYear =
      new QCheckBox("Check if you want to start calculations on the first of the Gregorian Year.", client);
  chkGregYear->setObjectName("chkGregYear");
  chkGregYear->setGeometry(TwipsRect(240, 720, 5535, 315));
  // Wider than its place when the platform's font is wider than the design's.
  chkGregYear->resize(std::max(chkGregYear->width(), chkGregYear->sizeHint().width()), chkGregYear->height());
  chkGregYear->setToolTip(
      "Tick to start the computed year on 1 January instead of the first day of the first Biblical month.");
  chkGregYear->hide();

  txtOut = new QPlainTextEdit(client);
  txtOut->setObjectName("txtOut");
  txtOut->setReadOnly(true);
  QFont pane("Courier New");
  pane.setStyleHint(QFont::TypeWriter);
  pane.setFixedPitch(true);
  pane.setPointSizeF(9.75);
  txtOut->setFont(pane);
  txtOut->setLineWrapMode(QPlainTextEdit::WidgetWidth);
  txtOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtOut->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  txtVerification = new QLineEdit(client);
  txtVerification->setObjectName("txtVerification");
  txtVerification->setGeometry(TwipsRect(12240, 8880, 150, 285));
  txtVerification->setFrame(false);
  txtVerification->hide();

  txtWorking = new QLineEdit("WORKING", client);
  txtWorking->setObjectName("txtWorking");
  txtWorking->setGeometry(TwipsRect(3000, 120, 1800, 420));
  txtWorking->setReadOnly(true);
  txtWorking->setFrame(false);
  txtWorking->setFont(bold);
  txtWorking->hide();
  for (QLineEdit* box : {txtVerification, txtWorking}) {
    QPalette p = box->palette();
    p.setColor(QPalette::Base, kWindowColour);
    box->setPalette(p);
  }

  BuildLocationControls(client);

  // Each picture button runs its command in the core.
  using W = app::HolyDaysWindow;
  const std::pair<QToolButton*, void (W::*)()> commands[] = {
      {cmdHolyDays, &W::cmdHolyDays_Click}, {cmdMonths, &W::cmdMonths_Click},
      {cmdLocMon, &W::cmdLocMon_Click},     {cmdSunset, &W::cmdSunset_Click},
      {cmdTimes, &W::cmdTimes_Click},       {cmdGolgotha, &W::cmdGolgotha_Click},
      {cmdJordan, &W::cmdJordan_Click},     {cmdFlood, &W::cmdFlood_Click},
      {cmdCreation, &W::cmdCreation_Click}};
  for (const auto& entry : commands) {
    QToolButton* button = entry.first;
    const auto command = entry.second;
    connect(button, &QToolButton::clicked, this,
            [this, command] { Run([this, command] { (*core_.*command)(); }); });
  }
  connect(chkEJW, &QCheckBox::clicked, this, &frmHolyDays::chkEJW_Click);
  connect(chkGregYear, &QCheckBox::clicked, this, &frmHolyDays::chkGregYear_Click);
  chkEJW->installEventFilter(this);
  txtVerification->installEventFilter(this);
  txtOut->installEventFilter(this);

  using C = app::HolyDaysWindow::Control;
  fields_ = {{C::txtYear, txtYear},       {C::txtYear2, txtYear2},      {C::cboLocation, cboLocation},
             {C::txtLatDeg, txtLatDeg},   {C::txtLatMin, txtLatMin},    {C::txtLatDir, txtLatDir},
             {C::txtLongDeg, txtLongDeg}, {C::txtLongMin, txtLongMin},  {C::txtLonDir, txtLonDir},
             {C::txtGMT, txtGMT},         {C::chkGregYear, chkGregYear}};
  for (const auto& [control, field] : fields_) {
    const C c = control;
    // Keys reach the widget that has the focus.  For the location box that
    // is the combo box itself: it hands them on to its line edit directly,
    // past any filter of the line edit, so the combo box is the one watched.
    // Mouse clicks land on the line edit.
    field->installEventFilter(this);
    QLineEdit* edit = field == cboLocation ? cboLocation->lineEdit() : qobject_cast<QLineEdit*>(field);
    if (edit == nullptr) continue;
    if (edit != field) edit->installEventFilter(this);
    connect(edit, &QLineEdit::textChanged, this,
            [this, c](const QString& text) { FieldTextChanged(c, text); });
  }
  connect(cboLocation, &QComboBox::activated, this, &frmHolyDays::cboLocation_Click);
}

void frmHolyDays::BuildLocationControls(QWidget* client) {
  cboLocation = new QComboBox(client);
  cboLocation->setObjectName("cboLocation");
  cboLocation->setEditable(true);
  cboLocation->setInsertPolicy(QComboBox::NoInsert);
  cboLocation->lineEdit()->setMaxLength(static_cast<int>(app::HolyDaysWindow::kLocationNameMaxCharacters));
  cboLocation->setGeometry(TwipsRect(2040, 120, 3855, 315));
  cboLocation->setToolTip(QString::fromStdString(std::string(app::HolyDaysWindow::kLocationToolTip)));

  QFont bold = cboLocation->font();
  bold.setBold(true);
  auto label = [&](const char* name, const QString& text, int left, int width) {
    auto* l = new QLabel(text, client);
    l->setObjectName(name);
    l->setGeometry(TwipsRect(left, 480, width, 255));
    l->setFont(bold);
    return l;
  };
  lblLocation = label("lblLocation", "Location", 2640, 2655);
  lblLocation->setAlignment(Qt::AlignHCenter);
  lblLat = label("lblLat", "Latitude", 6120, 1140);
  lblLong = label("lblLong", "Longitude", 7680, 1200);
  lblGMT = label("lblGMT", "UTC/GMT Offset", 9120, 1800);

  auto box = [&](const char* name, const app::TextBox& model, int left, int width) {
    auto* b = new QLineEdit(client);
    b->setObjectName(name);
    b->setGeometry(TwipsRect(left, 120, width, 285));
    b->setAlignment(Qt::AlignCenter);
    b->setMaxLength(static_cast<int>(model.MaxLength));
    b->setToolTip(QString::fromStdString(model.ToolTipText));
    return b;
  };
  const app::HolyDaysWindow& c = *core_;
  txtLatDeg = box("txtLatDeg", c.txtLatDeg, 6120, 420);
  txtLatMin = box("txtLatMin", c.txtLatMin, 6600, 300);
  txtLatDir = box("txtLatDir", c.txtLatDir, 6960, 300);
  txtLongDeg = box("txtLongDeg", c.txtLongDeg, 7680, 420);
  txtLongMin = box("txtLongMin", c.txtLongMin, 8160, 300);
  txtLonDir = box("txtLonDir", c.txtLonDir, 8520, 300);
  txtGMT = box("txtGMT", c.txtGMT, 9120, 600);
  locationWidgets_ = {cboLocation, lblLocation, lblLat,     lblLong,    lblGMT,    txtLatDeg,
                      txtLatMin,   txtLatDir,   txtLongDeg, txtLongMin, txtLonDir, txtGMT};
}

void frmHolyDays::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto add = [](QMenu* menu, const char* name, const QString& text, const QKeySequence& key = {}) {
    QAction* a = menu->addAction(text);
    a->setObjectName(name);
    if (!key.isEmpty()) {
      a->setShortcut(key);
      a->setShortcutContext(Qt::WindowShortcut);
    }
    return a;
  };
  QMenu* file = bar->addMenu("     &File  ");
  file->setObjectName("mnuFile");
  mnuSave = add(file, "mnuSave", "&Save");
  mnuExport = add(file, "mnuExport", "Export to &Calendar...");
  mnuExportPdf = add(file, "mnuExportPdf", "Export P&DF...");
  mnuPrintSetup = add(file, "mnuPrintSetup", "Print Se&tup...");
  mnuPrint = add(file, "mnuPrint", "&Print", QKeySequence("Ctrl+P"));
  mnuExit = add(file, "mnuExit", "E&xit", QKeySequence("Ctrl+X"));

  QMenu* mode = bar->addMenu("&Mode ");
  mode->setObjectName("mnuModule");
  mnuHolyDays = add(mode, "mnuHolyDays", "&Holy Days", QKeySequence("Ctrl+H"));
  mnuLocalMoons = add(mode, "mnuLocalMoons", "&Local Moons", QKeySequence("Ctrl+L"));
  mnuSunset = add(mode, "mnuSunset", "&Sunsets", QKeySequence("Ctrl+S"));
  mnuTimes = add(mode, "mnuTimes", "&Times", QKeySequence("Ctrl+T"));
  mnuGolgotha = add(mode, "mnuGolgotha", "&Golgotha", QKeySequence("Ctrl+G"));
  mnuJordan = add(mode, "mnuJordan", "&Jordan Crossing", QKeySequence("Ctrl+J"));
  mnuFlood = add(mode, "mnuFlood", "&Flood", QKeySequence("Ctrl+F"));
  mnuCreation = add(mode, "mnuCreation", "C&reation", QKeySequence("Ctrl+C"));

  mnuConversions = bar->addAction("&Conversions");
  mnuConversions->setObjectName("mnuConversions");

  QMenu* nonScriptural = bar->addMenu("&Non-Scriptural");
  nonScriptural->setObjectName("mnuNonScriptural");
  mnuHebrew = add(nonScriptural, "mnuHebrew", "&Rabbinical", QKeySequence("Ctrl+R"));
  mnuEaster = add(nonScriptural, "mnuEaster", "&Easter", QKeySequence("Ctrl+E"));
  mnuCrescent = add(nonScriptural, "mnuCrescent", "Crescent &Visibility...", QKeySequence());

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("mnuHelp");
  mnuDocumentation = add(help, "mnuDocumentation", "&Documentation", QKeySequence(Qt::Key_F1));
  mnuColors = add(help, "mnuColors", "&Background Colors", QKeySequence("Ctrl+B"));
  mnuAbout = add(help, "mnuAbout", "&About", QKeySequence("Ctrl+A"));

  connect(mnuSave, &QAction::triggered, this, &frmHolyDays::mnuSave_Click);
  connect(mnuExport, &QAction::triggered, this, &frmHolyDays::mnuExport_Click);
  connect(mnuExportPdf, &QAction::triggered, this, &frmHolyDays::mnuExportPdf_Click);
  connect(mnuPrintSetup, &QAction::triggered, this, &frmHolyDays::mnuPrintSetup_Click);
  connect(mnuHebrew, &QAction::triggered, this, &frmHolyDays::mnuHebrew_Click);
  connect(mnuEaster, &QAction::triggered, this, &frmHolyDays::mnuEaster_Click);
  connect(mnuCrescent, &QAction::triggered, this, &frmHolyDays::mnuCrescent_Click);
  connect(mnuConversions, &QAction::triggered, this, &frmHolyDays::mnuConversions_Click);
  connect(mnuColors, &QAction::triggered, this, &frmHolyDays::mnuColors_Click);
  connect(mnuAbout, &QAction::triggered, this, &frmHolyDays::mnuAbout_Click);
  connect(mnuPrint, &QAction::triggered, this, &frmHolyDays::mnuPrint_Click);
  connect(mnuExit, &QAction::triggered, this, &frmHolyDays::mnuExit_Click);
  connect(mnuDocumentation, &QAction::triggered, this, &frmHolyDays::mnuDocumentation_Click);
  const std::pair<QAction*, const char*> sections[] = {
      {mnuHolyDays, "HolyDays"}, {mnuLocalMoons, "LocalMoons"}, {mnuSunset, "Sunset"},
      {mnuTimes, "Times"},       {mnuGolgotha, "Golgotha"},     {mnuJordan, "Jordan"},
      {mnuFlood, "Flood"},       {mnuCreation, "Creation"}};
  for (const auto& [action, key] : sections) {
    const QString k = key;
    connect(action, &QAction::triggered, this, [this, k] { SwitchSection(k); });
  }
}

template <typename Handler>
void frmHolyDays::Run(Handler handler) {
  handler();
  MirrorCore();
}

void frmHolyDays::MirrorCore() {
  mirroring_ = true;
  app::HolyDaysWindow& c = *core_;
  const app::Section& s = c.CurrentSection();
  setWindowTitle(QString::fromStdString(c.Caption));

  const QString year = QString::fromStdString(c.txtYear);
  if (txtYear->text() != year) txtYear->setText(year);
  const QString year2 = QString::fromStdString(c.txtYear2);
  if (txtYear2->text() != year2) txtYear2->setText(year2);
  txtYear->setToolTip(QString::fromStdString(std::string(s.yearToolTip)));
  txtYear2->setToolTip(QString::fromStdString(std::string(s.year2ToolTip)));
  txtYear2->setVisible(s.range);

  for (const auto& [id, button] : buttons_) button->setVisible(app::ShowsButton(s, id));
  chkEJW->setVisible(s.chkEJWTab != 0);
  chkEJW->setChecked(c.chkEJW);
  chkGregYear->setVisible(s.chkGregYearTab != 0);
  chkGregYear->setChecked(c.chkGregYear);

  // Tab order: the year field, then the section's buttons, then its options.
  QWidget* previous = txtYear;
  if (s.range) {
    setTabOrder(previous, txtYear2);
    previous = txtYear2;
  }
  for (int i = 0; i < s.buttonCount; ++i) {
    QWidget* b = buttons_.at(s.buttons[static_cast<std::size_t>(i)]);
    setTabOrder(previous, b);
    previous = b;
  }
  if (s.locationFields && s.cboLocationTab != 0) setTabOrder(previous, cboLocation);
  if (s.chkEJWTab != 0) setTabOrder(previous, chkEJW);
  if (s.chkGregYearTab != 0) setTabOrder(previous, chkGregYear);

  for (QWidget* w : locationWidgets_) w->setVisible(s.locationFields);
  const std::pair<QLineEdit*, const app::TextBox*> boxes[] = {
      {txtLatDeg, &c.txtLatDeg},   {txtLatMin, &c.txtLatMin},   {txtLatDir, &c.txtLatDir},
      {txtLongDeg, &c.txtLongDeg}, {txtLongMin, &c.txtLongMin}, {txtLonDir, &c.txtLonDir},
      {txtGMT, &c.txtGMT}};
  for (const auto& [widget, model] : boxes) {
    const QString text = QString::fromStdString(model->Text);
    if (widget->text() != text) widget->setText(text);
  }
  QStringList names;
  for (const std::string& name : c.cboLocation.List) names << QString::fromStdString(name);
  QStringList shown;
  for (int i = 0; i < cboLocation->count(); ++i) shown << cboLocation->itemText(i);
  if (shown != names) {
    cboLocation->clear();
    cboLocation->addItems(names);
  }
  const QString location = QString::fromStdString(c.cboLocation.Text);
  if (cboLocation->currentText() != location) cboLocation->setEditText(location);
  lblChange->setVisible(c.lblChangeVisible);
  cmdLocMon->setEnabled(c.cmdLocMonEnabled);
  cmdSunset->setEnabled(c.cmdSunsetEnabled);
  cmdTimes->setEnabled(c.cmdTimesEnabled);
  cmdFlood->setEnabled(c.cmdFloodEnabled);
  txtWorking->setVisible(c.txtWorkingVisible);
  txtVerification->setVisible(c.txtVerificationVisible);

  // The focus follows the core (a blank or comma moves on to the next box).
  if (QWidget* active = WidgetOf(c.ActiveControl);
      active != nullptr && active->isVisible() && QApplication::focusWidget() != active &&
      QApplication::focusWidget() != nullptr && QApplication::focusWidget()->window() == this) {
    active->setFocus(Qt::OtherFocusReason);
  }
  txtOut->setGeometry(TwipsRect(120, s.paneTop, 12135, s.paneHeight));
  const QString pane = WithLfLineEnds(c.OutputText());
  if (txtOut->toPlainText() != pane) txtOut->setPlainText(pane);
  mirroring_ = false;
}

QString frmHolyDays::PaneText() const { return QString::fromStdString(core_->OutputText()); }

void frmHolyDays::chkGregYear_Click() {
  Run([this] {
    core_->chkGregYear = chkGregYear->isChecked();
    core_->chkGregYear_Click();
  });
}

void frmHolyDays::cboLocation_Click(int index) {
  if (index < 0) return;
  Run([this, index] {
    core_->cboLocation.Text = cboLocation->itemText(index).toStdString();
    core_->cboLocation_Click();
  });
}

void frmHolyDays::mnuExport_Click() { ExportToCalendar(this, *core_, *questions_); }

void frmHolyDays::mnuExportPdf_Click() {
  // On the pages of the printer Print uses.
  auto* printer = dynamic_cast<QtPrintService*>(printer_);
  const QtPrintService defaultPrinter;
  const QtPrintService& pages = printer != nullptr ? *printer : defaultPrinter;
  ExportPdf(this, *core_, *questions_, pages.PageLayout(), pages.Resolution(), chooseExportFile_);
}

void frmHolyDays::mnuPrintSetup_Click() {
  if (auto* printer = dynamic_cast<QtPrintService*>(printer_)) printer->SetUp(this);
}

void frmHolyDays::mnuSave_Click() {
  Run([this] { core_->SaveUserData(); });
}

void frmHolyDays::ShowModeless(QWidget* window) { ShowOnScreen(window, this); }

void frmHolyDays::mnuHebrew_Click() {
  if (!hebrew_) {
    hebrew_ = std::make_unique<frmHebrew>(*beeper_);
    ApplyColours();
  }
  ShowModeless(hebrew_.get());
}

void frmHolyDays::mnuEaster_Click() {
  if (!easter_) easter_ = std::make_unique<frmEaster>(*beeper_);
  ShowModeless(easter_.get());
}

void frmHolyDays::mnuCrescent_Click() {
  if (!crescent_) crescent_ = std::make_unique<frmCrescent>();
  // The place of the coordinate boxes as they stand now.
  const app::BoxPlace place = core_->PlaceOfBoxes();
  crescent_->SetPlace({place.latitude, place.longitudeEast, place.zoneOffset},
                      {core_->cboLocation.Text, core_->CoordinatesText(), place.zoneOffset});
  ShowModeless(crescent_.get());
}

void frmHolyDays::mnuConversions_Click() {
  if (!conversion_) {
    conversion_ = std::make_unique<frmConversion>(core_->engine(), *beeper_, moonPictures_, [this] {
      core_->txtControl_Click();
      MirrorCore();
    });
    ApplyColours();
  }
  ShowModeless(conversion_.get());
}

void frmHolyDays::mnuColors_Click() {
  if (!backColor_) {
    if (colourDialog_ == nullptr) {
      ownColourDialog_ = std::make_unique<QtColourDialog>();
      colourDialog_ = ownColourDialog_.get();
    }
    backColor_ = std::make_unique<frmBackColor>(
        core_->userData().Colours, *colourDialog_, [this] { ApplyColours(); },
        [this] { core_->UserDataChanged = true; });
  }
  ShowModeless(backColor_.get());
}

void frmHolyDays::ApplyColours() {
  using I = app::ColourItem;
  const app::ColourSettings& c = core_->userData().Colours;
  SetBackground(centralWidget(), c[I::MainForm]);
  for (QWidget* w :
       std::initializer_list<QWidget*>{chkEJW, lblLat, lblLong, lblGMT, chkGregYear, lblLocation}) {
    SetBackground(w, c[I::MainForm]);
  }
  SetTextBackground(txtVerification, c[I::MainForm]);
  SetTextBackground(txtWorking, c[I::MainForm]);
  SetTextBackground(txtOut, c[I::MainText]);
  if (hebrew_) {
    SetBackground(hebrew_.get(), c[I::HebrewForm]);
    SetTextBackground(hebrew_->txtOut, c[I::HebrewText]);
  }
  if (about_) {
    SetBackground(about_.get(), c[I::AboutForm]);
    SetTextBackground(about_->txtAbout, c[I::AboutText]);
  }
  if (conversion_) {
    frmConversion& v = *conversion_;
    SetBackground(&v, c[I::ConversionForm]);
    SetTextBackground(v.txtControl, c[I::ConversionForm]);
    SetBackground(v.fraGregorian, c[I::GregorianFrame]);
    SetBackground(v.lblGYearType, c[I::GregorianFrame]);
    SetBackground(v.fraJulianCal, c[I::JulianCalendarFrame]);
    SetBackground(v.fraBiblical, c.biblicalFrame);
    for (QWidget* w :
         std::initializer_list<QWidget*>{v.fraHebrew, v.lblHYearType, v.lblMolad, v.chkOnTop, v.lblTabInd}) {
      SetBackground(w, c[I::HebrewFrame]);
    }
    SetBackground(v.fraJulian, c[I::JulianDayFrame]);
    SetBackground(v.lblGDayOfWeek, c[I::GregorianWeekday]);
    SetBackground(v.lblBDayOfWeek, c[I::BiblicalWeekday]);
    SetBackground(v.lblMolad1, c[I::Molad]);
    SetBackground(v.lblRules, c[I::Rules]);
    SetBackground(v.lblHDay, c[I::Rules]);
  }
}

void frmHolyDays::mnuAbout_Click() {
  if (!about_) {
    about_ = std::make_unique<frmAbout>();
    ApplyColours();
  }
  ShowModeless(about_.get());
}

void frmHolyDays::txtVerification_Click() {
  // The quick exit ends the program at once: nothing is saved or closed.
  if (core_->txtVerification_Click()) std::_Exit(0);
}

void frmHolyDays::chkEJW_Click() {
  Run([this] {
    core_->chkEJW = chkEJW->isChecked();
    core_->chkEJW_Click();
  });
}

void frmHolyDays::SwitchSection(const QString& key) {
  QWidget* focused = QApplication::focusWidget();
  Run([this, key] { core_->SwitchSection(key.toStdString()); });
  if (focused == nullptr || focused->window() != this || !focused->isVisible()) {
    // The section hid the control that had the focus (or none had it): the
    // year box takes it, so that a year typed now and Enter run the section.
    txtYear->setFocus(Qt::OtherFocusReason);
  } else if (txtYear->hasFocus() && core_->CurrentSection().range) {
    // A selection shows only in the field that has the focus.
    ShowSelection(app::HolyDaysWindow::Control::txtYear);
  }
}

void frmHolyDays::mnuDocumentation_Click() {
  Run([this] { core_->mnuDocumentation_Click(); });
}

void frmHolyDays::mnuPrint_Click() { app::PrintPane(core_->OutputText(), *questions_, *printer_); }

void frmHolyDays::mnuExit_Click() {
  if (!shutDown_) {
    shutDown_ = true;
    close();
  }
}

void frmHolyDays::closeEvent(QCloseEvent* event) {
  shutDown_ = true;
  core_->ShutDown();
  MirrorCore();
  // The secondary windows close in a fixed order, then the main window.
  frmCriteria* criteria = conversion_ ? conversion_->criteria() : nullptr;
  frmConversionsHelp* conversionsHelp = conversion_ ? conversion_->conversionsHelp() : nullptr;
  for (QWidget* w :
       std::initializer_list<QWidget*>{about_.get(), backColor_.get(), conversion_.get(), conversionsHelp,
                                       criteria, hebrew_.get(), easter_.get(), crescent_.get()}) {
    if (w != nullptr) w->close();
  }
  event->accept();
}

app::HolyDaysWindow::Control frmHolyDays::ControlOf(const QObject* widget) const {
  for (const auto& [control, field] : fields_) {
    if (widget == field || (field == cboLocation && widget == cboLocation->lineEdit())) return control;
  }
  return app::HolyDaysWindow::Control::None;
}

QWidget* frmHolyDays::WidgetOf(app::HolyDaysWindow::Control control) const {
  for (const auto& [c, field] : fields_) {
    if (c == control) return field;
  }
  return nullptr;
}

void frmHolyDays::FocusChanged(QWidget* now) {
  using C = app::HolyDaysWindow::Control;
  const Qt::FocusReason reason = focusReason_;
  focusReason_ = Qt::OtherFocusReason;
  reselectOnRelease_ = C::None;
  if (now == nullptr || now->window() != this) return;
  const C control = ControlOf(now);
  const bool moved = control != core_->ActiveControl;
  if (moved) {
    // While the window mirrors the core, the toolkit may move the focus
    // itself (a hidden control passes it on): the core follows at once.
    if (mirroring_) {
      core_->SetFocus(control);
    } else {
      Run([this, control] { core_->SetFocus(control); });
    }
  }
  // The window coming back to the front gives the focus back without
  // entering the field again.
  if (!moved && (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason)) return;
  ShowSelection(control);
  // A click places the caret after the focus arrived: the selection is
  // made again when the button is released.
  if (reason == Qt::MouseFocusReason) reselectOnRelease_ = control;
}

void frmHolyDays::ShowSelection(app::HolyDaysWindow::Control control) {
  using C = app::HolyDaysWindow::Control;
  const app::HolyDaysWindow& c = *core_;
  QLineEdit* edit =
      control == C::cboLocation ? cboLocation->lineEdit() : qobject_cast<QLineEdit*>(WidgetOf(control));
  if (edit == nullptr) return;
  int start = 0;
  int length = 0;
  switch (control) {
    case C::txtYear:
      start = c.txtYearSelStart;
      length = c.txtYearSelLength;
      break;
    case C::txtYear2:
      start = c.txtYear2SelStart;
      length = c.txtYear2SelLength;
      break;
    case C::cboLocation:
      start = c.cboLocation.SelStart;
      length = c.cboLocation.SelLength;
      break;
    default:
      if (const app::TextBox* box = c.CoordinateBox(control)) {
        start = box->SelStart;
        length = box->SelLength;
      }
  }
  const auto size = static_cast<int>(edit->text().size());
  start = std::clamp(start, 0, size);
  length = std::clamp(length, 0, size - start);
  if (length == 0) {
    edit->deselect();
    edit->setCursorPosition(start);
  } else {
    edit->setSelection(start, length);
  }
}

void frmHolyDays::FieldTextChanged(app::HolyDaysWindow::Control control, const QString& text) {
  if (mirroring_) return;
  using C = app::HolyDaysWindow::Control;
  app::HolyDaysWindow& c = *core_;
  const std::string t = text.toStdString();
  Run([&] {
    switch (control) {
      case C::txtYear:
        c.txtYear = t;
        break;
      case C::txtYear2:
        c.txtYear2 = t;
        break;
      case C::cboLocation:
        if (c.cboLocation.Text != t) {
          c.cboLocation.Text = t;
          c.cboLocation_Change();
        }
        break;
      default:
        if (app::TextBox* box = c.CoordinateBox(control)) c.SetCoordinateText(*box, t);
        break;
    }
  });
}

bool frmHolyDays::FieldKeyPress(app::HolyDaysWindow::Control control, QKeyEvent* key) {
  using C = app::HolyDaysWindow::Control;
  app::HolyDaysWindow& c = *core_;
  const int keyCode = KeyCodeOf(key);
  if ((control == C::txtYear || control == C::txtYear2) && (keyCode == kKeyUp || keyCode == kKeyDown)) {
    Run([&] {
      if (control == C::txtYear) {
        c.txtYear_KeyDown(keyCode);
      } else {
        c.txtYear2_KeyDown(keyCode);
      }
    });
    return true;
  }
  int keyAscii = KeyAsciiOf(key);
  if (keyAscii == 0) return false;  // accelerators, caret keys, Tab: the toolkit's own handling
  const int typed = keyAscii;
  if (c.ActiveControl != control) c.SetFocus(control);
  switch (control) {
    case C::txtYear:
      c.txtYear_KeyPress(keyAscii);
      break;
    case C::txtYear2:
      c.txtYear2_KeyPress(keyAscii);
      break;
    case C::cboLocation:
      c.cboLocation_KeyPress(keyAscii);
      break;
    case C::chkGregYear:
      c.chkGregYear_KeyPress(keyAscii);
      if (keyAscii == 0) {
        MirrorCore();
        return true;
      }
      return false;
    default:
      if (c.CoordinateBox(control) == nullptr) return false;
      c.CoordinateKeyPress(control, keyAscii);
      break;
  }
  MirrorCore();
  if (keyAscii == 0) return true;  // the handler dropped the key (with a beep) or acted on it
  if (keyAscii != typed) {
    // The handler changed the key (a direction letter in capitals): type that instead.
    if (auto* edit = control == C::cboLocation ? cboLocation->lineEdit()
                                               : qobject_cast<QLineEdit*>(WidgetOf(control))) {
      edit->insert(QString(QChar(keyAscii)));
    }
    return true;
  }
  return false;
}

bool frmHolyDays::eventFilter(QObject* watched, QEvent* event) {
  using C = app::HolyDaysWindow::Control;
  switch (event->type()) {
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      if (watched == chkEJW && IsEnter(key)) {
        // Enter on the box toggles it, as a click does.
        chkEJW->click();
        return true;
      }
      const C control = ControlOf(watched);
      if (control != C::None && watched == WidgetOf(control)) return FieldKeyPress(control, key);
      break;
    }
    case QEvent::ShortcutOverride: {
      // In the report pane Ctrl+C copies the selection and Ctrl+A selects
      // the whole report, before the Creation and About accelerators: the
      // pane is the only way to take a report away.
      auto* key = static_cast<QKeyEvent*>(event);
      if (watched == txtOut && ((key->matches(QKeySequence::Copy) && txtOut->textCursor().hasSelection()) ||
                                key->matches(QKeySequence::SelectAll))) {
        key->accept();
        return true;
      }
      break;
    }
    case QEvent::FocusIn:
      if (ControlOf(watched) != C::None) focusReason_ = static_cast<QFocusEvent*>(event)->reason();
      break;
    case QEvent::MouseButtonPress:
      if (watched == txtVerification) txtVerification_Click();
      if (reselectOnRelease_ != ControlOf(watched)) reselectOnRelease_ = C::None;
      break;
    case QEvent::MouseButtonRelease:
      if (reselectOnRelease_ != C::None && reselectOnRelease_ == ControlOf(watched)) {
        const C control = reselectOnRelease_;
        reselectOnRelease_ = C::None;
        ShowSelection(control);
      }
      break;
    default:
      break;
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvane::ui
