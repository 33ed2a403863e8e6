#include "ui/frm_crescent.h"

#include <QDate>
#include <QKeyEvent>
#include <QPixmap>

#include "app/help_texts.h"
#include "crescentmap/crescent_map.h"

namespace orvane::ui {

namespace {

QString Display(const std::string& text) {
  QString s = QString::fromStdString(text);
  s.replace("\r\n", "\n");
  return s;
}

constexpr int kMapWidth = 1080;

}  // namespace

frmCrescent::frmCrescent(QWidget* parent)
    : QWidget(parent, Qt::Window), model_([](std::string_view key) { return app::BuildHelpText(key); }) {
  setObjectName("frmCrescent");
  setWindowTitle(QString::fromUtf8(crescent::CrescentWindowModel::kCaption.data(),
                                   static_cast<qsizetype>(crescent::CrescentWindowModel::kCaption.size())));
  txtDate = new QLineEdit(this);
  txtDate->setObjectName("txtDate");
  txtDate->setGeometry(12, 12, 120, 28);
  txtDate->setAlignment(Qt::AlignCenter);
  txtDate->setToolTip("The first evening, as YEAR-MONTH-DAY (BCE years negative); Enter computes");
  cmdCompute = new QPushButton("Compute", this);
  cmdCompute->setObjectName("cmdCompute");
  cmdCompute->setGeometry(142, 12, 110, 28);
  cmdHelp = new QPushButton("Help", this);
  cmdHelp->setObjectName("cmdHelp");
  cmdHelp->setGeometry(262, 12, 80, 28);
  txtOut = new QPlainTextEdit(this);
  txtOut->setObjectName("txtOut");
  txtOut->setReadOnly(true);
  txtOut->setLineWrapMode(QPlainTextEdit::NoWrap);
  QFont fixed("Courier New");
  fixed.setStyleHint(QFont::TypeWriter);
  fixed.setFixedPitch(true);
  fixed.setPointSizeF(9);
  txtOut->setFont(fixed);
  txtOut->setGeometry(12, 50, kMapWidth, 250);
  picMap = new QLabel(this);
  picMap->setObjectName("picMap");
  const crescent::MapLayout layout;
  picMap->setGeometry(12, 310, layout.size.width(), layout.size.height());
  resize(kMapWidth + 24, picMap->geometry().bottom() + 12);

  connect(cmdCompute, &QPushButton::clicked, this, &frmCrescent::cmdCompute_Click);
  connect(cmdHelp, &QPushButton::clicked, this, &frmCrescent::cmdHelp_Click);
  connect(txtDate, &QLineEdit::returnPressed, this, &frmCrescent::cmdCompute_Click);
  connect(txtDate, &QLineEdit::textEdited, this,
          [this](const QString& text) { model_.dateText = text.toStdString(); });

  const QDate today = QDate::currentDate();
  model_.Form_Load({today.year(), today.month(), today.day()});
  Mirror();
}

void frmCrescent::SetPlace(const crescent::Observer& place, const crescent::PlaceLabel& label) {
  model_.SetPlace(place, label);
  const std::string name = label.name.empty() ? label.coordinates : label.name + ", " + label.coordinates;
  setWindowTitle(QString::fromUtf8(crescent::CrescentWindowModel::kCaption.data(),
                                   static_cast<qsizetype>(crescent::CrescentWindowModel::kCaption.size())) +
                 " - " + QString::fromStdString(name));
}

void frmCrescent::Mirror() {
  const QString date = QString::fromStdString(model_.dateText);
  if (txtDate->text() != date) txtDate->setText(date);
  txtOut->setPlainText(Display(model_.OutputText()));
  if (model_.Map()) {
    picMap->setPixmap(QPixmap::fromImage(crescent::CrescentMapImage(
        *model_.Map(), crescent::Criterion::Yallop, crescent::DateText(model_.Map()->dayJD))));
  } else {
    picMap->clear();
  }
}

void frmCrescent::cmdCompute_Click() {
  setCursor(Qt::WaitCursor);
  model_.cmdCompute_Click();
  unsetCursor();
  Mirror();
}

void frmCrescent::cmdHelp_Click() {
  model_.cmdHelp_Click();
  Mirror();
}

void frmCrescent::keyPressEvent(QKeyEvent* event) {
  // F1 anywhere in the window shows the help.
  if (event->key() == Qt::Key_F1) {
    cmdHelp_Click();
    event->accept();
    return;
  }
  QWidget::keyPressEvent(event);
}

}  // namespace orvane::ui
