// The Rabbinical-year and Easter windows: a year box, a compute button, a
// help button and a fixed-pitch output box, each a view over its core model.
#pragma once

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>
#include <memory>

#include "conversions/easter_window_model.h"
#include "conversions/hebrew_window_model.h"

namespace orvane::ui {

// What the window needs of its model.
struct ListingModel {
  std::function<void(int&)> keyPress;     // txtYear_KeyPress
  std::function<void(int)> keyDown;       // txtYear_KeyDown
  std::function<void(int&)> formKeyDown;  // Form_KeyDown (F1)
  std::function<void()> compute;          // cmdCompute_Click / cmdEaster_Click
  std::function<void()> help;             // cmdHelp_Click
  std::function<std::string()> yearText;
  std::function<void(const std::string&)> setYearText;
  std::function<std::string()> outputText;
};

class ListingWindow : public QWidget {
  Q_OBJECT

 public:
  QLineEdit* txtYear;
  QPushButton* cmdCompute;
  QPushButton* cmdHelp;
  QPlainTextEdit* txtOut;

 public slots:
  void cmdCompute_Click();
  void cmdHelp_Click();

 protected:
  ListingWindow(const QString& caption, const QString& computeCaption, const QString& fontFamily,
                QWidget* parent);
  void SetModel(ListingModel model);
  void Mirror();
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  ListingModel model_;
  bool mirroring_ = false;
};

class frmHebrew : public ListingWindow {
  Q_OBJECT
 public:
  explicit frmHebrew(Beeper& beeper, QWidget* parent = nullptr);
  conversions::HebrewWindowModel& model() { return model_; }

 private:
  conversions::HebrewWindowModel model_;
};

class frmEaster : public ListingWindow {
  Q_OBJECT
 public:
  explicit frmEaster(Beeper& beeper, QWidget* parent = nullptr);
  conversions::EasterWindowModel& model() { return model_; }

 private:
  conversions::EasterWindowModel model_;
};

}  // namespace orvane::ui
