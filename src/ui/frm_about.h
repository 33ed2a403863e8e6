// frmAbout: the program's title and where it comes from.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace orvane::ui {

class frmAbout : public QWidget {
  Q_OBJECT

 public:
  explicit frmAbout(QWidget* parent = nullptr);
  QPlainTextEdit* txtAbout;
  QPushButton* cmdClose;

 public slots:
  // Hides the window; Help, About shows it again as it was.
  void cmdClose_Click() { hide(); }
};

// The about text, line by line.
QString AboutText();

}  // namespace orvane::ui
