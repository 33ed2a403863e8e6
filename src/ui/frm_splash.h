// frmSplash: the start-up window whose picture runs through the moon's phases.
#pragma once

#include <QLabel>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "ui/moon_pictures.h"

namespace orvane::ui {

class frmSplash : public QWidget {
  Q_OBJECT

 public:
  // `onClose` runs once when the splash closes (the main window is shown again).
  frmSplash(MoonPictures& pictures, std::function<void()> onClose, QWidget* parent = nullptr);

  QLabel* imgLogo;
  QLabel* lblProductName;
  QLabel* lblVersion;
  QTimer* tmrPicRot;
  QTimer* timDelay;
  int PictureIndex = 2;   // the next moon picture to show
  int ShownPicture = -1;  // the picture on show

 public slots:
  void tmrPicRot_Timer();
  void timDelay_Timer();
  void Frame1_Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void CloseSplash();
  MoonPictures& pictures_;
  std::function<void()> onClose_;
  bool closed_ = false;
};

}  // namespace orvane::ui
