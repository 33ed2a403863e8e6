#include "ui/frm_conversion.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>

#include "app/help_texts.h"
#include "engine/numeric.h"
#include "engine/year_box.h"
#include "ui/key_input.h"
#include "ui/moon_pictures.h"
#include "ui/stay_on_top.h"
#include "ui/window_helpers.h"

namespace orvane::ui {

using conversions::Column;
using conversions::Control;

namespace {
QString Q(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QFont Fixed(const QString& family, double points) {
  QFont font(family);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  font.setPointSizeF(points);
  return font;
}
}  // namespace

frmCriteria::frmCriteria(std::function<void()> onClosed, QWidget* parent)
    : QWidget(parent, Qt::Window), onClosed_(std::move(onClosed)) {
  setObjectName("frmCriteria");
  setWindowTitle("Criteria");
  resize(10590 / 15, 3015 / 15);
  txtCriteria = new QPlainTextEdit(this);
  txtCriteria->setObjectName("txtCriteria");
  txtCriteria->setReadOnly(true);
  txtCriteria->setFont(Fixed("Courier New", 8.25));
  txtCriteria->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  txtCriteria->setGeometry(120 / 15, 120 / 15, 10335 / 15, 2775 / 15);
}

void frmCriteria::closeEvent(QCloseEvent* event) {
  if (onClosed_) onClosed_();
  QWidget::closeEvent(event);
}

frmConversionsHelp::frmConversionsHelp(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmConversionsHelp");
  setWindowTitle("Conversions Help");
  resize(6855 / 15 + 16, 6495 / 15 + 16);
  txtHelp = new QPlainTextEdit(this);
  txtHelp->setObjectName("txtHelp");
  txtHelp->setReadOnly(true);
  txtHelp->setFont(Fixed("Courier New", 8.25));
  txtHelp->setGeometry(8, 8, 6855 / 15, 6495 / 15);
}

void frmConversionsHelp::SetHelpText(const QString& text) {
  txtHelp->setPlainText(text);
  // As wide as the lines of the text, so that none of them wraps.
  const int width = std::max(6855 / 15, PaneWidthFor(txtHelp, text));
  txtHelp->resize(width, txtHelp->height());
  resize(width + 16, height());
}

frmConversion::frmConversion(Engine& engine, Beeper& beeper, MoonPictures& pictures,
                             std::function<void()> armQuickExit, DateClock clock, QWidget* parent)
    : QWidget(parent, Qt::Window),
      engine_(engine),
      pictures_(pictures),
      armQuickExit_(std::move(armQuickExit)),
      criteria_(std::make_unique<frmCriteria>([this] { model_.CriteriaWindow_Closed(); })),
      help_(std::make_unique<frmConversionsHelp>()),
      model_(
          engine, beeper, [](std::string_view key) { return app::BuildHelpText(key); }, std::move(clock),
          conversions::ConversionWindowHooks{[this](bool onTop) { SetStayOnTop(this, onTop); },
                                             [this] {
                                               if (armQuickExit_) armQuickExit_();
                                             },
                                             [this](bool show) {
                                               if (show) {
                                                 ShowOnScreen(criteria_.get(), this, Placement::Below);
                                               } else {
                                                 criteria_->hide();
                                               }
                                             },
                                             [this] {
                                               help_->SetHelpText(WithLfLineEnds(model_.txtHelp));
                                               ShowOnScreen(help_.get(), this);
                                             }}) {
  setObjectName("frmConversion");
  setWindowTitle(Q(conversions::ConversionWindowModel::kCaption));
  BuildControls();
  engine_.out.criteria.onChange = [this] { CriteriaTextChanged(); };
  Run([this] { model_.Form_Load(); });
}

frmConversion::~frmConversion() {
  // Nothing may reach the window while its controls close.
  disconnect(qApp, nullptr, this, nullptr);
  engine_.out.criteria.onChange = nullptr;
}

void frmConversion::CriteriaTextChanged() {
  criteria_->txtCriteria->setPlainText(WithLfLineEnds(model_.txtCriteria().Text()));
  // The conversion window comes forward whenever the criteria text changes:
  // once, when the text of this event is complete.
  if (raisePending_) return;
  raisePending_ = true;
  QTimer::singleShot(0, this, [this] {
    raisePending_ = false;
    if (isVisible()) raise();
  });
}

void frmConversion::BuildControls() {
  // The controls stand at fixed places on a page that scrolls when the
  // screen is smaller than the window (a large scale on a small screen).
  auto* page = new QWidget;
  page->setObjectName("page");
  page->setFixedSize(1000, 330);
  scroll_ = new QScrollArea(this);
  scroll_->setObjectName("scroll");
  scroll_->setFrameShape(QFrame::NoFrame);
  scroll_->setFocusPolicy(Qt::NoFocus);  // a click beside the controls moves no focus
  scroll_->setBackgroundRole(QPalette::Window);
  scroll_->viewport()->setAutoFillBackground(false);
  scroll_->setWidget(page);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(scroll_);
  // Where the screen is narrower than the page, the window keeps the page's
  // height above the horizontal scroll bar.
  const int scrollBar = scroll_->horizontalScrollBar()->sizeHint().height();
  const bool narrow = screen() != nullptr && screen()->availableGeometry().width() < page->width();
  resize(page->width(), page->height() + (narrow ? scrollBar : 0));
  setMaximumSize(page->width(), page->height() + scrollBar);
  auto box = [](QWidget* parent, const char* name, const QString& tip, int x, int y, int w) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(name);
    e->setToolTip(tip);
    e->setGeometry(x, y, w, 26);
    e->setAlignment(Qt::AlignCenter);
    return e;
  };
  auto label = [](QWidget* parent, const char* name, const QString& text, const QString& tip, int x, int y,
                  int w, int h = 22) {
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    l->setToolTip(tip);
    l->setGeometry(x, y, w, h);
    l->setAlignment(Qt::AlignCenter);
    l->setAutoFillBackground(true);
    return l;
  };
  auto button = [](QWidget* parent, const char* name, const QString& tip, int x, int y) {
    auto* b = new QPushButton("Compute", parent);
    b->setObjectName(name);
    b->setToolTip(tip);
    b->setGeometry(x, y, 90, 28);
    return b;
  };
  auto frame = [page](const char* name, const QString& caption, int x, int w, int h = 300) {
    auto* f = new QGroupBox(caption, page);
    f->setObjectName(name);
    f->setGeometry(x, 8, w, h);
    f->setAutoFillBackground(true);
    return f;
  };
  auto list = [](QWidget* parent, const char* name, const QString& tip, int x, int y) {
    auto* l = new QListWidget(parent);
    l->setObjectName(name);
    l->setToolTip(tip);
    l->setGeometry(x, y, 130, 150);
    // A month chooser drops down from its box: the box keeps the focus.
    l->setFocusPolicy(Qt::NoFocus);
    l->hide();
    return l;
  };

  fraGregorian = frame("fraGregorian", "Gregorian", 8, 160);
  txtGDay = box(fraGregorian, "txtGDay", "Gregorian day number (-1000 to 1000)", 10, 28, 60);
  txtGMonth = box(fraGregorian, "txtGMonth", "Select Gregorian  month name", 10, 60, 140);
  lstGMonth = list(fraGregorian, "lstGMonth", "Select Gregorian month name", 10, 88);
  txtGYear = box(fraGregorian, "txtGYear", "Gregorian Year (-4500 to 29000)", 10, 92, 80);
  cmdGCompute = button(fraGregorian, "cmdGCompute", "Compute results", 10, 128);
  lblGDayOfWeek =
      label(fraGregorian, "lblGDayOfWeek", "", "Displays the Gregorian  Day of the Week name.", 10, 166, 140);
  lblGYearType = label(fraGregorian, "lblGYearType", "Year Type", "", 5, 196, 150, 40);
  lblGYearType->setWordWrap(true);

  fraJulianCal = frame("fraJulianCal", "Julian", 176, 160);
  txtJCDay = box(fraJulianCal, "txtJCDay", "Julian day number (-1000 to 1000)", 10, 28, 60);
  txtJCMonth = box(fraJulianCal, "txtJCMonth", "Select Julian month name.", 10, 60, 140);
  lstJCMonth = list(fraJulianCal, "lstJCMonth", "", 10, 88);
  txtJCYear = box(fraJulianCal, "txtJCYear", "Julian Year (-4500 to 29000)", 10, 92, 80);
  cmdJCCompute = button(fraJulianCal, "cmdJCCompute", "", 10, 128);

  fraBiblical = frame("fraBiblical", "Biblical-Not IDL adjusted", 344, 180);
  txtBDay = box(fraBiblical, "txtBDay", "Biblical day number (-1000 to 1000)", 10, 28, 60);
  txtBMonth = box(fraBiblical, "txtBMonth", "Select Biblical month name", 10, 60, 160);
  lstBMonth = list(fraBiblical, "lstBMonth", "Select Biblical month name", 10, 88);
  txtBYear = box(fraBiblical, "txtBYear", "Biblical Year (-496 to 33004)", 10, 92, 80);
  cmdBCompute = button(fraBiblical, "cmdBCompute", "Compute results", 10, 128);
  lblBDayOfWeek = label(fraBiblical, "lblBDayOfWeek", "Sabbath",
                        "Displays the Biblical Day of the Week name.", 10, 166, 160);
  for (int i = 0; i < 4; ++i) {
    const auto& opt = model_.optDate[static_cast<std::size_t>(i)];
    auto* o = new QRadioButton(Q(opt.Caption), fraBiblical);
    o->setObjectName(QString::fromStdString("optDate" + num::CStr(i + 1)));
    o->setToolTip(Q(opt.ToolTipText));
    o->setAutoExclusive(false);
    o->setGeometry(10 + (i % 2) * 80, 196 + (i / 2) * 24, 78, 22);
    o->hide();
    optDate[static_cast<std::size_t>(i)] = o;
    connect(o, &QRadioButton::clicked, this, [this, i] { Run([this, i] { model_.SelectOption(i + 1); }); });
  }
  cmdCriteria = new QPushButton("Criteria", fraBiblical);
  cmdCriteria->setObjectName("cmdCriteria");
  cmdCriteria->setToolTip("Show Visibility and Harvest Criteria");
  cmdCriteria->setGeometry(10, 250, 90, 28);

  fraJulian = frame("fraJulian", "Julian Day Count", 532, 130, 170);
  txtJDCount = box(fraJulian, "txtJDCount", "Julian Day Count  (78166.5 to 12313456.5)", 8, 28, 114);
  cmdJCompute = button(fraJulian, "cmdJCompute", "Compute results", 20, 128);

  fraHebrew = frame("fraHebrew", "Hebrew - Rabbinic", 670, 190);
  txtHDay = box(fraHebrew, "txtHDay", "Hebrew Day number (-1000 to 1000)", 10, 28, 60);
  txtHMonth = box(fraHebrew, "txtHMonth", "Select Hebrew month name", 10, 60, 140);
  lstHMonth = list(fraHebrew, "lstHMonth", "Select Hebrew month name", 10, 88);
  txtHYear = box(fraHebrew, "txtHYear", "Hebrew Year (-739 to 32760)", 10, 92, 80);
  cmdHCompute = button(fraHebrew, "cmdHCompute", "Compute results", 10, 128);
  lblHDay = label(fraHebrew, "lblHDay", "", "Displays the Rabbinic Day of the Week name.", 100, 128, 85, 28);
  lblHYearType = label(fraHebrew, "lblHYearType", "Year Type", "Type of Hebrew Year", 5, 160, 180, 36);
  lblHYearType->setWordWrap(true);
  lblMolad = label(fraHebrew, "lblMolad", "Molad of Tishri", "", 5, 198, 180);
  lblMolad1 = label(fraHebrew, "lblMolad1", "Label1", "Displays Molad of Tishri", 5, 220, 180);
  lblRules = label(fraHebrew, "lblRules", "Rules", "Displays Postponement Rules Used", 5, 244, 180, 26);
  chkOnTop = new QCheckBox(fraHebrew);
  chkOnTop->setObjectName("chkOnTop");
  chkOnTop->setToolTip("Make this window stay on top of others");
  chkOnTop->setGeometry(160, 274, 22, 22);
  chkOnTop->setAutoFillBackground(true);
  lblTabInd = new QLabel(">", fraHebrew);
  lblTabInd->setObjectName("lblTabInd");
  lblTabInd->setFont(Fixed("Courier New", 9));
  lblTabInd->setGeometry(146, 274, 12, 22);
  lblTabInd->setAutoFillBackground(true);
  lblTabInd->hide();

  fraMoon = frame("fraMoon", "Moon", 868, 124, 150);
  picMoon = new QLabel(fraMoon);
  picMoon->setObjectName("picMoon");
  picMoon->setGeometry(30, 34, 64, 64);
  picMoon->setScaledContents(true);
  // The picture is named for a screen reader; its description says the phase.
  picMoon->setAccessibleName("Moon phase");

  txtControl = new QLineEdit(page);
  txtControl->setObjectName("txtControl");
  txtControl->setGeometry(980, 316, 8, 8);
  txtControl->setFrame(false);
  txtControl->setReadOnly(true);
  txtControl->setFocusPolicy(Qt::NoFocus);
  txtControl->installEventFilter(this);

  columns_ = {{Column::Gregorian, txtGDay, txtGMonth, lstGMonth, txtGYear},
              {Column::Julian, txtJCDay, txtJCMonth, lstJCMonth, txtJCYear},
              {Column::Biblical, txtBDay, txtBMonth, lstBMonth, txtBYear},
              {Column::Hebrew, txtHDay, txtHMonth, lstHMonth, txtHYear}};
  auto& m = model_;
  boxes_ = {{txtGDay, &m.txtGDay},     {txtGYear, &m.txtGYear}, {txtJCDay, &m.txtJCDay},
            {txtJCYear, &m.txtJCYear}, {txtBDay, &m.txtBDay},   {txtBYear, &m.txtBYear},
            {txtHDay, &m.txtHDay},     {txtHYear, &m.txtHYear}, {txtJDCount, &m.txtJDCount}};
  for (auto& [edit, text] : boxes_) {
    std::string* target = text;
    edit->installEventFilter(this);
    connect(edit, &QLineEdit::textEdited, this, [this, target](const QString& t) {
      if (!mirroring_) *target = t.toStdString();
    });
  }
  for (const ColumnWidgets& c : columns_) {
    c.month->setReadOnly(true);
    c.month->installEventFilter(this);
    const Column column = c.column;
    connect(c.list, &QListWidget::itemClicked, this, [this, column, list = c.list](QListWidgetItem* item) {
      Run([this, column, row = list->row(item)] { model_.MonthList_Click(column, row); });
    });
  }

  // Each compute button computes its column in the model.
  using M = conversions::ConversionWindowModel;
  const std::pair<QPushButton*, void (M::*)()> computes[] = {{cmdGCompute, &M::cmdGCompute_Click},
                                                             {cmdJCCompute, &M::cmdJCCompute_Click},
                                                             {cmdBCompute, &M::cmdBCompute_Click},
                                                             {cmdHCompute, &M::cmdHCompute_Click},
                                                             {cmdJCompute, &M::cmdJCompute_Click}};
  for (const auto& entry : computes) {
    const auto compute = entry.second;
    connect(entry.first, &QPushButton::clicked, this,
            [this, compute] { Run([this, compute] { (model_.*compute)(); }); });
  }
  connect(cmdCriteria, &QPushButton::clicked, this, &frmConversion::cmdCriteria_Click);
  connect(chkOnTop, &QCheckBox::clicked, this, &frmConversion::chkOnTop_Click);
  connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FocusChanged(now); });
  ButtonsRunOnEnter(this);
}

template <typename Handler>
void frmConversion::Run(Handler handler) {
  handler();
  Mirror();
}

void frmConversion::cmdCriteria_Click() {
  Run([this] { model_.cmdCriteria_Click(); });
}
void frmConversion::chkOnTop_Click() {
  Run([this] {
    model_.chkOnTop = chkOnTop->isChecked();
    model_.chkOnTop_Click();
  });
}

void frmConversion::Mirror() {
  mirroring_ = true;
  auto& m = model_;
  for (auto& [edit, text] : boxes_) {
    const QString t = QString::fromStdString(*text);
    if (edit->text() != t) edit->setText(t);
  }
  const std::pair<QLineEdit*, const std::string*> months[] = {{txtGMonth, &m.txtGMonth},
                                                              {txtJCMonth, &m.txtJCMonth},
                                                              {txtBMonth, &m.txtBMonth},
                                                              {txtHMonth, &m.txtHMonth}};
  for (const auto& [edit, text] : months) edit->setText(QString::fromStdString(*text));
  const std::pair<QListWidget*, const conversions::MonthListBox*> lists[] = {{lstGMonth, &m.lstGMonth},
                                                                             {lstJCMonth, &m.lstJCMonth},
                                                                             {lstBMonth, &m.lstBMonth},
                                                                             {lstHMonth, &m.lstHMonth}};
  for (const auto& [widget, list] : lists) {
    if (widget->count() != list->ListCount()) {
      widget->clear();
      for (const std::string& name : list->List) widget->addItem(QString::fromStdString(name));
    }
    widget->setCurrentRow(list->ListIndex);
    widget->setVisible(list->Visible);
    if (list->Visible) widget->raise();
  }
  fraGregorian->setTitle(QString::fromStdString(m.fraGregorian));
  lblGDayOfWeek->setText(QString::fromStdString(m.lblGDayOfWeek));
  lblGYearType->setText(QString::fromStdString(m.lblGYearType));
  lblBDayOfWeek->setText(QString::fromStdString(m.lblBDayOfWeek));
  for (std::size_t i = 0; i < 4; ++i) {
    optDate[i]->setChecked(m.optDate[i].Value);
    optDate[i]->setVisible(m.optDate[i].Visible);
    optDate[i]->setEnabled(m.optDate[i].Enabled);
  }
  lblHDay->setText(QString::fromStdString(m.lblHDay));
  lblHYearType->setText(QString::fromStdString(m.lblHYearType));
  lblMolad1->setText(QString::fromStdString(m.lblMolad1));
  lblRules->setText(QString::fromStdString(m.lblRules));
  QFont rulesFont = lblRules->font();
  rulesFont.setPointSize(m.lblRulesFontSize);
  lblRules->setFont(rulesFont);
  chkOnTop->setChecked(m.chkOnTop);
  lblTabInd->setVisible(m.lblTabIndVisible);
  picMoon->setPixmap(pictures_.Picture(m.MoonPictureIndex));
  picMoon->setAccessibleDescription(
      QString::fromStdString(conversions::MoonPictureDescription(m.MoonPictureIndex)));
  if (criteria_->isVisible() != m.CriteriaVisible) criteria_->setVisible(m.CriteriaVisible);
  // The focus goes where the model moved it.
  QWidget* focus = WidgetOf(m.ActiveControl);
  if (focus != nullptr && QApplication::focusWidget() != focus && focus->isVisible()) focus->setFocus();
  mirroring_ = false;
}

QWidget* frmConversion::WidgetOf(Control control) const {
  switch (control) {
    case Control::txtGDay:
      return txtGDay;
    case Control::txtGMonth:
      return txtGMonth;
    case Control::txtGYear:
      return txtGYear;
    case Control::txtJCDay:
      return txtJCDay;
    case Control::txtJCMonth:
      return txtJCMonth;
    case Control::txtJCYear:
      return txtJCYear;
    case Control::txtBDay:
      return txtBDay;
    case Control::txtBMonth:
      return txtBMonth;
    case Control::txtBYear:
      return txtBYear;
    case Control::txtJDCount:
      return txtJDCount;
    case Control::txtHDay:
      return txtHDay;
    case Control::txtHMonth:
      return txtHMonth;
    case Control::txtHYear:
      return txtHYear;
    case Control::chkOnTop:
      return chkOnTop;
    default:
      return nullptr;
  }
}

Control frmConversion::ControlOf(const QObject* widget) const {
  for (Control c :
       {Control::txtGDay, Control::txtGMonth, Control::txtGYear, Control::txtJCDay, Control::txtJCMonth,
        Control::txtJCYear, Control::txtBDay, Control::txtBMonth, Control::txtBYear, Control::txtJDCount,
        Control::txtHDay, Control::txtHMonth, Control::txtHYear, Control::chkOnTop}) {
    if (WidgetOf(c) == widget) return c;
  }
  return Control::Other;
}

void frmConversion::FocusChanged(QWidget* now) {
  if (now == nullptr || now->window() != this) return;
  scroll_->ensureWidgetVisible(now);
  if (mirroring_) return;
  const Control control = ControlOf(now);
  if (control == model_.ActiveControl) return;
  Run([this, control] { model_.SetFocus(control); });
}

bool frmConversion::BoxKey(QLineEdit* edit, QKeyEvent* key) {
  // The text typed so far is the model's before it sees the key.
  for (auto& [e, text] : boxes_) {
    if (e == edit) *text = edit->text().toStdString();
  }
  const int keyCode = KeyCodeOf(key);
  const bool arrow = keyCode == kKeyUp || keyCode == kKeyDown;
  int keyAscii = KeyAsciiOf(key);
  if (edit == txtJDCount) {
    if (arrow) {
      Run([this, keyCode] { model_.txtJDCount_KeyDown(keyCode); });
      return true;
    }
    if (keyAscii == 0) return false;
    Run([this, &keyAscii] { model_.txtJDCount_KeyPress(keyAscii); });
    return keyAscii == 0 || keyAscii == kKeyEnter;
  }
  for (const ColumnWidgets& c : columns_) {
    const Column column = c.column;
    if (edit == c.month) {
      if (arrow) {
        Run([this, column, keyCode] { model_.MonthBox_KeyDown(column, keyCode); });
        return true;
      }
      if (keyAscii != 0) Run([this, column, &keyAscii] { model_.MonthBox_KeyPress(column, keyAscii); });
      return key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab;
    }
    const bool isYear = edit == c.year;
    if (edit == c.day || isYear) {
      using M = conversions::ConversionWindowModel;
      if (arrow) {
        const auto keyDown = isYear ? &M::YearBox_KeyDown : &M::DayBox_KeyDown;
        Run([this, column, keyCode, keyDown] { (model_.*keyDown)(column, keyCode); });
        return true;
      }
      if (keyAscii == 0) return false;
      const auto keyPress = isYear ? &M::YearBox_KeyPress : &M::DayBox_KeyPress;
      Run([this, column, keyPress, &keyAscii] { (model_.*keyPress)(column, keyAscii); });
      return keyAscii == 0 || keyAscii == kKeyEnter;
    }
  }
  return false;
}

bool frmConversion::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_F1) {
      keyPressEvent(key);
      return true;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(watched); edit != nullptr && edit != txtControl) {
      return BoxKey(edit, key);
    }
  }
  if (event->type() == QEvent::MouseButtonPress) {
    if (watched == txtControl) {
      model_.txtControl_Click();
      return true;
    }
    for (const ColumnWidgets& c : columns_) {
      if (watched == c.month) {
        const Column column = c.column;
        Run([this, column] { model_.MonthBox_Click(column); });
      }
    }
  }
  return QWidget::eventFilter(watched, event);
}

void frmConversion::keyPressEvent(QKeyEvent* event) {
  // The window sees F1 before its controls.
  if (int keyCode = KeyCodeOf(event); keyCode == kKeyF1) {
    Run([this, &keyCode] { model_.Form_KeyDown(keyCode); });
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvane::ui
