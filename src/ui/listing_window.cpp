#include "ui/listing_window.h"

#include <QKeyEvent>
#include <algorithm>

#include "app/help_texts.h"
#include "engine/year_box.h"
#include "ui/key_input.h"
#include "ui/window_helpers.h"

namespace orvane::ui {

namespace {
std::string Help(std::string_view key) { return app::BuildHelpText(key); }

}  // namespace

ListingWindow::ListingWindow(const QString& caption, const QString& computeCaption, const QString& fontFamily,
                             QWidget* parent)
    : QWidget(parent, Qt::Window) {
  setWindowTitle(caption);
  resize(720, 560);
  txtYear = new QLineEdit(this);
  txtYear->setObjectName("txtYear");
  txtYear->setGeometry(12, 12, 90, 28);
  txtYear->setAlignment(Qt::AlignCenter);
  QFont bold = txtYear->font();
  bold.setBold(true);
  bold.setPointSize(12);
  txtYear->setFont(bold);
  cmdCompute = new QPushButton(computeCaption, this);
  cmdCompute->setObjectName("cmdCompute");
  cmdCompute->setGeometry(112, 12, 120, 28);
  cmdHelp = new QPushButton("Help", this);
  cmdHelp->setObjectName("cmdHelp");
  cmdHelp->setGeometry(242, 12, 80, 28);
  txtOut = new QPlainTextEdit(this);
  txtOut->setObjectName("txtOut");
  txtOut->setReadOnly(true);
  QFont fixed(fontFamily);
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setFixedPitch(true);
  fixed.setPointSizeF(9.75);
  txtOut->setFont(fixed);
  txtOut->setGeometry(12, 50, 696, 498);
  txtOut->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);

  connect(cmdCompute, &QPushButton::clicked, this, &ListingWindow::cmdCompute_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &ListingWindow::cmdHelp_Click);
  connect(txtYear, &QLineEdit::textChanged, this, [this](const QString& text) {
    if (!mirroring_ && model_.setYearText) model_.setYearText(text.toStdString());
  });
  txtYear->installEventFilter(this);
}

void ListingWindow::SetModel(ListingModel model) {
  model_ = std::move(model);
  Mirror();
  // The pane opens on the help text, the widest text it shows: it is made
  // wide enough that none of its lines wraps.
  const int paneWidth = std::max(txtOut->width(), PaneWidthFor(txtOut, txtOut->toPlainText()));
  txtOut->resize(paneWidth, txtOut->height());
  resize(txtOut->x() + paneWidth + 12, height());
  ButtonsRunOnEnter(this);
}

void ListingWindow::Mirror() {
  mirroring_ = true;
  const QString year = QString::fromStdString(model_.yearText());
  if (txtYear->text() != year) txtYear->setText(year);
  const QString out = WithLfLineEnds(model_.outputText());
  if (txtOut->toPlainText() != out) txtOut->setPlainText(out);
  mirroring_ = false;
}

void ListingWindow::cmdCompute_Click() {
  model_.compute();
  Mirror();
}

void ListingWindow::cmdHelp_Click() {
  model_.help();
  Mirror();
}

bool ListingWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == txtYear && event->type() == QEvent::KeyPress) {
    auto* key = static_cast<QKeyEvent*>(event);
    if (const int keyCode = KeyCodeOf(key); keyCode == kKeyUp || keyCode == kKeyDown) {
      model_.keyDown(keyCode);
      Mirror();
      return true;
    }
    int keyAscii = KeyAsciiOf(key);
    if (keyAscii == 0) return false;
    model_.keyPress(keyAscii);
    Mirror();
    return keyAscii == 0;  // a dropped key (with its beep) or Enter, which computed
  }
  return QWidget::eventFilter(watched, event);
}

void ListingWindow::keyPressEvent(QKeyEvent* event) {
  // The window sees F1 before its controls.
  if (int keyCode = KeyCodeOf(event); keyCode == kKeyF1) {
    model_.formKeyDown(keyCode);
    Mirror();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

frmHebrew::frmHebrew(Beeper& beeper, QWidget* parent)
    : ListingWindow(QString::fromStdString(std::string(conversions::HebrewWindowModel::kCaption)), "Compute",
                    "Courier", parent),
      model_(beeper, Help) {
  setObjectName("frmHebrew");
  model_.Form_Load();
  SetModel({[this](int& k) { model_.txtYear_KeyPress(k); }, [this](int k) { model_.txtYear_KeyDown(k); },
            [this](int& k) { model_.Form_KeyDown(k); }, [this] { model_.cmdCompute_Click(); },
            [this] { model_.cmdHelp_Click(); }, [this] { return model_.YearText(); },
            [this](const std::string& t) { model_.SetYearText(t); }, [this] { return model_.OutputText(); }});
}

frmEaster::frmEaster(Beeper& beeper, QWidget* parent)
    : ListingWindow(QString::fromStdString(std::string(conversions::EasterWindowModel::kCaption)),
                    "Find Easter", "Courier New", parent),
      model_(beeper, Help) {
  setObjectName("frmEaster");
  txtYear->setToolTip(QString::fromStdString(std::string(conversions::EasterWindowModel::kYearToolTip)));
  cmdCompute->setObjectName("cmdEaster");
  cmdCompute->setToolTip(QString::fromStdString(std::string(conversions::EasterWindowModel::kEasterToolTip)));
  model_.Form_Load();
  SetModel({[this](int& k) { model_.txtYear_KeyPress(k); }, [this](int k) { model_.txtYear_KeyDown(k); },
            [this](int& k) { model_.Form_KeyDown(k); }, [this] { model_.cmdEaster_Click(); },
            [this] { model_.cmdHelp_Click(); }, [this] { return model_.YearText(); },
            [this](const std::string& t) { model_.SetYearText(t); }, [this] { return model_.OutputText(); }});
}

}  // namespace orvane::ui
