#include "ui/frm_splash.h"

#include <QFrame>
#include <QKeyEvent>

#include "ui/twips.h"
#include "ui/window_helpers.h"

namespace orvane::ui {

frmSplash::frmSplash(MoonPictures& pictures, std::function<void()> onClose, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      pictures_(pictures),
      onClose_(std::move(onClose)) {
  setObjectName("frmSplash");
  setFixedSize(Px(7335), Px(4290));
  FillBackground(this, QColor(128, 128, 255));

  auto* frame = new QFrame(this);
  frame->setObjectName("Frame1");
  frame->setGeometry(TwipsRect(120, 120, 7080, 4050));
  frame->setFrameStyle(QFrame::Box | QFrame::Raised);

  imgLogo = new QLabel(frame);
  imgLogo->setObjectName("imgLogo");
  imgLogo->setGeometry(Px(240), Px(600), 128, 128);
  imgLogo->setPixmap(QIcon(":/icons/orvane.svg").pixmap(128, 128));

  QFont title = font();
  title.setPointSize(28);
  title.setBold(true);
  lblProductName = new QLabel("Orvane", frame);
  lblProductName->setObjectName("lblProductName");
  lblProductName->setFont(title);
  lblProductName->setGeometry(Px(2700), Px(500), Px(4200), Px(900));

  lblVersion = new QLabel(QString("Version ") + ORVANE_VERSION, frame);
  lblVersion->setObjectName("lblVersion");
  lblVersion->setGeometry(Px(2700), Px(1500), Px(4200), Px(300));
  auto* platform = new QLabel("Desktop", frame);
  platform->setObjectName("lblPlatform");
  platform->setGeometry(Px(2700), Px(1850), Px(4200), Px(300));
  auto* about = new QLabel("New crescents, Biblical holy days and calendar conversions", frame);
  about->setObjectName("lblCompany");
  about->setWordWrap(true);
  about->setGeometry(Px(2700), Px(2400), Px(4200), Px(600));
  auto* project = new QLabel("The Orvane project", frame);
  project->setObjectName("lblCompanyProduct");
  project->setGeometry(Px(2700), Px(3300), Px(4200), Px(300));

  tmrPicRot = new QTimer(this);
  tmrPicRot->setInterval(63);
  connect(tmrPicRot, &QTimer::timeout, this, &frmSplash::tmrPicRot_Timer);
  timDelay = new QTimer(this);
  timDelay->setSingleShot(true);
  timDelay->setInterval(5340);
  connect(timDelay, &QTimer::timeout, this, &frmSplash::timDelay_Timer);
  tmrPicRot->start();
  timDelay->start();
}

void frmSplash::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Window managers give no focus to a splash window by themselves: it asks
  // for it, so that a key press reaches it and closes it.
  setFocusPolicy(Qt::StrongFocus);
  activateWindow();
  setFocus(Qt::ActiveWindowFocusReason);
}

void frmSplash::tmrPicRot_Timer() {
  imgLogo->setPixmap(pictures_.Picture(PictureIndex));
  ShownPicture = PictureIndex;
  PictureIndex += 1;
  if (PictureIndex > MoonPictures::kCount - 1) PictureIndex = 0;
}

void frmSplash::timDelay_Timer() { CloseSplash(); }

void frmSplash::Frame1_Click() { CloseSplash(); }

void frmSplash::keyPressEvent(QKeyEvent* event) {
  event->accept();
  CloseSplash();
}

void frmSplash::mousePressEvent(QMouseEvent*) { Frame1_Click(); }

void frmSplash::CloseSplash() {
  if (closed_) return;
  closed_ = true;
  tmrPicRot->stop();
  timDelay->stop();
  if (onClose_) onClose_();
  close();
}

}  // namespace orvane::ui
