// frmConversion: one day in five reckonings, a view over the core's
// ConversionWindowModel, with its two companion windows frmCriteria (the
// criteria text) and frmConversionsHelp (F1).
//
// Every event is forwarded to the model's handler of the same name, and
// after it the window mirrors the model's boxes, labels, lists and options.
#pragma once

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "conversions/conversion_window_model.h"

namespace orvane::ui {

class MoonPictures;

// The criteria window: one read-only, fixed-pitch box.
class frmCriteria : public QWidget {
  Q_OBJECT
 public:
  explicit frmCriteria(std::function<void()> onClosed, QWidget* parent = nullptr);
  QPlainTextEdit* txtCriteria;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  std::function<void()> onClosed_;
};

// The conversions help window: one read-only box.
class frmConversionsHelp : public QWidget {
  Q_OBJECT
 public:
  explicit frmConversionsHelp(QWidget* parent = nullptr);
  QPlainTextEdit* txtHelp;
  // Shows the help text in a box wide enough for its lines.
  void SetHelpText(const QString& text);
};

class frmConversion : public QWidget {
  Q_OBJECT

 public:
  // `engine` is the main window's; `armQuickExit` runs when txtControl is
  // clicked.
  frmConversion(Engine& engine, Beeper& beeper, MoonPictures& pictures, std::function<void()> armQuickExit,
                DateClock clock = {}, QWidget* parent = nullptr);
  ~frmConversion() override;

  conversions::ConversionWindowModel& model() { return model_; }
  frmCriteria* criteria() const { return criteria_.get(); }
  frmConversionsHelp* conversionsHelp() const { return help_.get(); }

  QGroupBox* fraGregorian;
  QLineEdit* txtGDay;
  QLineEdit* txtGMonth;
  QListWidget* lstGMonth;
  QLineEdit* txtGYear;
  QPushButton* cmdGCompute;
  QLabel* lblGDayOfWeek;
  QLabel* lblGYearType;

  QGroupBox* fraJulianCal;
  QLineEdit* txtJCDay;
  QLineEdit* txtJCMonth;
  QListWidget* lstJCMonth;
  QLineEdit* txtJCYear;
  QPushButton* cmdJCCompute;

  QGroupBox* fraBiblical;
  QLineEdit* txtBDay;
  QLineEdit* txtBMonth;
  QListWidget* lstBMonth;
  QLineEdit* txtBYear;
  QLabel* lblBDayOfWeek;
  std::array<QRadioButton*, 4> optDate;
  QPushButton* cmdCriteria;
  QPushButton* cmdBCompute;

  QGroupBox* fraJulian;
  QLineEdit* txtJDCount;
  QPushButton* cmdJCompute;

  QGroupBox* fraHebrew;
  QLineEdit* txtHDay;
  QLineEdit* txtHMonth;
  QListWidget* lstHMonth;
  QLineEdit* txtHYear;
  QPushButton* cmdHCompute;
  QLabel* lblHDay;
  QLabel* lblHYearType;
  QLabel* lblMolad;
  QLabel* lblMolad1;
  QLabel* lblRules;
  QCheckBox* chkOnTop;
  QLabel* lblTabInd;

  QGroupBox* fraMoon;
  QLabel* picMoon;
  QLineEdit* txtControl;

 public slots:
  void cmdCriteria_Click();
  void chkOnTop_Click();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct ColumnWidgets {
    conversions::Column column;
    QLineEdit* day;
    QLineEdit* month;
    QListWidget* list;
    QLineEdit* year;
  };
  void BuildControls();
  template <typename Handler>
  void Run(Handler handler);
  void Mirror();
  void FocusChanged(QWidget* now);
  QWidget* WidgetOf(conversions::Control control) const;
  conversions::Control ControlOf(const QObject* widget) const;
  bool BoxKey(QLineEdit* edit, QKeyEvent* key);
  void CriteriaTextChanged();

  QScrollArea* scroll_ = nullptr;
  Engine& engine_;
  MoonPictures& pictures_;
  std::function<void()> armQuickExit_;
  std::unique_ptr<frmCriteria> criteria_;
  std::unique_ptr<frmConversionsHelp> help_;
  conversions::ConversionWindowModel model_;
  std::vector<ColumnWidgets> columns_;
  std::vector<std::pair<QLineEdit*, std::string*>> boxes_;
  bool mirroring_ = false;
  bool raisePending_ = false;
};

}  // namespace orvane::ui
