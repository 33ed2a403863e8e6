#include "ui/frm_holy_days.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDate>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollBar>

#include "ui/qt_services.h"
#include "ui/twips.h"

namespace orvane::ui {

void InitResources();

namespace {

// Light lavender, the window's colour until the user chooses another.
const QColor kWindowColour(192, 192, 255);

QToolButton* PictureButton(QWidget* parent, const char* name, const char* icon, const char* toolTip, int left) {
  auto* b = new QToolButton(parent);
  b->setObjectName(name);
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

QString DisplayText(const std::string& paneText) {
  QString text = QString::fromStdString(paneText);
  text.replace("\r\n", "\n");
  return text;
}

}  // namespace

frmHolyDays::frmHolyDays(app::QuestionBox* questions, app::PrintService* printer, Beeper* beeper, QWidget* parent)
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

  core_->Form_Load(QDate::currentDate().year());
  MirrorCore();
  txtYear->setFocus();
}

frmHolyDays::~frmHolyDays() {
  // The core goes before the widgets: nothing may reach it while they close.
  txtYear->removeEventFilter(this);
  txtYear->disconnect(this);
  txtYear2->disconnect(this);
}

void frmHolyDays::BuildControls() {
  auto* client = new QWidget(this);
  client->setObjectName("client");
  client->setFixedSize(Px(12375), Px(8910));
  client->setAutoFillBackground(true);
  QPalette pal = client->palette();
  pal.setColor(QPalette::Window, kWindowColour);
  client->setPalette(pal);
  setCentralWidget(client);

  txtYear = YearBox(client, "txtYear", 240);
  txtYear->setMaxLength(5);
  txtYear2 = YearBox(client, "txtYear2", 1320);
  txtYear2->hide();

  cmdHolyDays = PictureButton(client, "cmdHolyDays", "cup.svg", "Calculate Holy Days", 1320);
  cmdLocMon = PictureButton(client, "cmdLocMon", "moon.svg",
                            "Calculates the Local New Moons for the current year at the Longitude and Latitude you "
                            "supply.",
                            1320);
  cmdSunset = PictureButton(client, "cmdSunset", "sunset.svg",
                            "Calculates the local sunsets for the current year at the selected location.", 1320);
  cmdTimes = PictureButton(client, "cmdTimes", "sundial.svg",
                           "Calculates local Sun/Moon data for the location selected.", 1320);
  cmdMonths = PictureButton(client, "cmdMonths", "moon.svg", "Calculate New Moons", 1920);
  cmdGolgotha = PictureButton(client, "cmdGolgotha", "cross.svg", "Calculate possible date of Crucifixion", 2400);
  cmdJordan = PictureButton(client, "cmdJordan", "crossing.svg", "Calculate possible date of Jordan crossing", 2400);
  cmdFlood = PictureButton(client, "cmdFlood", "flood.svg",
                           "Calculates number of days between the 17th of the second month and the 17th of the "
                           "seventh month.",
                           2400);
  cmdCreation = PictureButton(client, "cmdCreation", "creation.svg", "Calculate possible date of Creation", 2400);
  buttons_ = {{app::Button::cmdHolyDays, cmdHolyDays}, {app::Button::cmdMonths, cmdMonths},
              {app::Button::cmdLocMon, cmdLocMon},     {app::Button::cmdSunset, cmdSunset},
              {app::Button::cmdTimes, cmdTimes},       {app::Button::cmdGolgotha, cmdGolgotha},
              {app::Button::cmdJordan, cmdJordan},     {app::Button::cmdFlood, cmdFlood},
              {app::Button::cmdCreation, cmdCreation}};

  chkEJW = new QCheckBox("East of Israel and west of the International Date Line?", client);
  chkEJW->setObjectName("chkEJW");
  chkEJW->setGeometry(TwipsRect(5640, 120, 6615, 420));
  chkEJW->setToolTip(
      "Check this box to adjust dates  for the region east of Israel and west of the International Date Line.");
  QFont bold = chkEJW->font();
  bold.setBold(true);
  bold.setPointSizeF(9.75);
  chkEJW->setFont(bold);

  lblChange = new QLabel("*", client);
  lblChange->setObjectName("lblChange");
  lblChange->setGeometry(TwipsRect(5640, 480, 255, 255));
  lblChange->setFont(bold);
  lblChange->hide();

  chkGregYear = new QCheckBox("Check if you want to start calculations on the first of the Gregorian Year.", client);
  chkGregYear->setObjectName("chkGregYear");
  chkGregYear->setGeometry(TwipsRect(240, 720, 5535, 315));
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

  connect(cmdHolyDays, &QToolButton::clicked, this, &frmHolyDays::cmdHolyDays_Click);
  connect(cmdMonths, &QToolButton::clicked, this, &frmHolyDays::cmdMonths_Click);
  connect(chkEJW, &QCheckBox::clicked, this, &frmHolyDays::chkEJW_Click);
  connect(txtYear, &QLineEdit::textEdited, this, [this](const QString& text) { core_->txtYear = text.toStdString(); });
  connect(txtYear2, &QLineEdit::textEdited, this,
          [this](const QString& text) { core_->txtYear2 = text.toStdString(); });

  txtYear->installEventFilter(this);
}

void frmHolyDays::BuildMenus() {
  QMenuBar* bar = menuBar();
  auto add = [this](QMenu* menu, const char* name, const QString& text, const QKeySequence& key = {}) {
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

  QMenu* help = bar->addMenu("&Help");
  help->setObjectName("mnuHelp");
  mnuDocumentation = add(help, "mnuDocumentation", "&Documentation", QKeySequence(Qt::Key_F1));
  mnuColors = add(help, "mnuColors", "&Background Colors", QKeySequence("Ctrl+B"));
  mnuAbout = add(help, "mnuAbout", "&About", QKeySequence("Ctrl+A"));

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
  if (s.chkEJWTab != 0) setTabOrder(previous, chkEJW);
  if (s.chkGregYearTab != 0) setTabOrder(previous, chkGregYear);

  txtOut->setGeometry(TwipsRect(120, s.paneTop, 12135, s.paneHeight));
  const QString pane = DisplayText(c.OutputText());
  if (txtOut->toPlainText() != pane) txtOut->setPlainText(pane);
  mirroring_ = false;
}

QString frmHolyDays::PaneText() const { return QString::fromStdString(core_->OutputText()); }

void frmHolyDays::cmdHolyDays_Click() {
  Run([this] { core_->cmdHolyDays_Click(); });
}

void frmHolyDays::cmdMonths_Click() {
  Run([this] { core_->cmdMonths_Click(); });
}

void frmHolyDays::chkEJW_Click() {
  Run([this] {
    core_->chkEJW = chkEJW->isChecked();
    core_->chkEJW_Click();
  });
}

void frmHolyDays::SwitchSection(const QString& key) {
  Run([this, key] { core_->SwitchSection(key.toStdString()); });
  txtYear->setSelection(core_->txtYearSelStart, core_->txtYearSelLength);
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
  event->accept();
}

bool frmHolyDays::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtYear && event->type() == QEvent::FocusOut) Run([this] { core_->txtYear_LostFocus(); });
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (watched == txtYear && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
      Run([this] { core_->txtYear_Enter(); });
      return true;
    }
  }
  return QMainWindow::eventFilter(watched, event);
}

}  // namespace orvane::ui
