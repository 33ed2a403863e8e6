#include "ui/frm_about.h"

#include <QTextBlockFormat>
#include <QTextCursor>

#include "ui/twips.h"
#include "ui/window_helpers.h"

namespace orvane::ui {

QString AboutText() {
  return QStringList{"",
                     "Orvane",
                     "",
                     QString("Desktop Version ") + ORVANE_VERSION,
                     "",
                     "The Orvane project",
                     "orvane.example",
                     "",
                     "Questions and reports: see the project's pages at orvane.example",
                     "",
                     "Please share this software with your friends. ",
                     "They need to know about God's Holy Days."}
      .join("\n");
}

frmAbout::frmAbout(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName("frmAbout");
  setWindowTitle("About Orvane");
  setFixedSize(Px(6390), Px(4215));
  FillBackground(this, QColor(192, 192, 255));

  txtAbout = new QPlainTextEdit(this);
  txtAbout->setObjectName("txtAbout");
  txtAbout->setGeometry(TwipsRect(240, 120, 6135, 3495));
  txtAbout->setReadOnly(true);
  QFont bold = txtAbout->font();
  bold.setBold(true);
  bold.setPointSizeF(9.75);
  txtAbout->setFont(bold);
  QPalette text = txtAbout->palette();
  text.setColor(QPalette::Base, QColor(255, 224, 192));
  txtAbout->setPalette(text);
  txtAbout->setPlainText(AboutText());
  QTextCursor cursor(txtAbout->document());
  cursor.select(QTextCursor::Document);
  QTextBlockFormat centred;
  centred.setAlignment(Qt::AlignHCenter);
  cursor.mergeBlockFormat(centred);

  cmdClose = new QPushButton("Close this Form", this);
  cmdClose->setObjectName("cmdClose");
  cmdClose->setGeometry(TwipsRect(120, 3720, 6135, 375));
  QFont big = cmdClose->font();
  big.setBold(true);
  big.setPointSize(12);
  cmdClose->setFont(big);
  connect(cmdClose, &QPushButton::clicked, this, &frmAbout::cmdClose_Click);
  ButtonsRunOnEnter(this);
}

}  // namespace orvane::ui
