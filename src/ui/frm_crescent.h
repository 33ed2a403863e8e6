// The crescent visibility window: a date box, Compute and Help, the table of
// five evenings and the world map of the first, a view over its core model.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "crescent/crescent_window_model.h"

namespace orvane::ui {

class frmCrescent : public QWidget {
  Q_OBJECT

 public:
  explicit frmCrescent(QWidget* parent = nullptr);

  QLineEdit* txtDate;
  QPushButton* cmdCompute;
  QPushButton* cmdHelp;
  QPlainTextEdit* txtOut;
  QLabel* picMap;

  crescent::CrescentWindowModel& model() { return model_; }
  // The place of the main window's coordinate boxes; the caption names it.
  void SetPlace(const crescent::Observer& place, const crescent::PlaceLabel& label);

 public slots:
  void cmdCompute_Click();
  void cmdHelp_Click();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Mirror();

  crescent::CrescentWindowModel model_;
};

}  // namespace orvane::ui
