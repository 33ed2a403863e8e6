#include "ui/qt_services.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QStandardPaths>
#include <filesystem>
#include <system_error>

#include "ui/key_input.h"

namespace orvane::ui {

app::UserDataFolders ToolkitUserDataFolders() {
  std::error_code ec;
  // The toolkit takes a relative XDG_DATA_HOME as it stands, a folder below
  // wherever the program was started, where the XDG rules say to ignore it:
  // the core's folder, the one orvane-cli reads, is taken instead.
  const std::filesystem::path perUser =
      QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  return app::UserDataFoldersFor(std::filesystem::current_path(ec),
                                 perUser.is_absolute() ? perUser : app::PlatformPerUserFolder());
}

void QtBeeper::Beep() { QApplication::beep(); }

app::Answer QtQuestionBox::Ask(const app::Question& q) {
  QMessageBox box(q.questionIcon ? QMessageBox::Question : QMessageBox::Information,
                  QString::fromStdString(q.title), QString::fromStdString(q.text), QMessageBox::NoButton,
                  parent_);
  if (q.buttons == app::Question::Buttons::Ok) {
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return app::Answer::Ok;
  }
  box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
  box.setDefaultButton(q.secondButtonDefault ? QMessageBox::No : QMessageBox::Yes);
  return box.exec() == QMessageBox::Yes ? app::Answer::Yes : app::Answer::No;
}

bool PaintDocument(QPagedPaintDevice& device, const QString& fontName, int pointSize, const QString& text) {
  QPainter painter;
  if (!painter.begin(&device)) return false;
  QFont font(fontName, pointSize);
  font.setStyleHint(QFont::TypeWriter);
  font.setFixedPitch(true);
  painter.setFont(font);
  const QFontMetricsF metrics(font, &device);
  const double lineHeight = metrics.lineSpacing();
  const double pageHeight = painter.viewport().height();
  const QStringList lines = WithLfLineEnds(text).split('\n');
  double y = metrics.ascent();
  for (int i = 0; i < lines.size(); ++i) {
    // The closing line end of the document starts no new line.
    if (i == lines.size() - 1 && lines[i].isEmpty()) break;
    if (y + metrics.descent() > pageHeight) {
      if (!device.newPage()) return false;
      y = metrics.ascent();
    }
    painter.drawText(QPointF(0, y), lines[i]);
    y += lineHeight;
  }
  return painter.end();
}

QtPrintService::QtPrintService(DeviceFactory factory) : factory_(std::move(factory)) {}

QtPrintService::~QtPrintService() = default;

bool QtPrintService::SetUp(QWidget* parent) {
  if (!chosen_) chosen_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  QPrintDialog dialog(chosen_.get(), parent);
  dialog.setWindowTitle("Print Setup");
  // The pane is printed whole: no page range or selection to choose.
  dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
  dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
  // The dialog chooses; File, Print prints.
  if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok)) ok->setText("OK");
  }
  if (dialog.exec() != QDialog::Accepted) return false;
  chosenAccepted_ = true;
  return true;
}

QPageLayout QtPrintService::PageLayout() const {
  if (Chosen() != nullptr) return Chosen()->pageLayout();
  return QPrinter(QPrinter::HighResolution).pageLayout();
}

int QtPrintService::Resolution() const {
  if (Chosen() != nullptr) return Chosen()->resolution();
  return QPrinter(QPrinter::HighResolution).resolution();
}

bool QtPrintService::PrintDocument(const std::string& fontName, int pointSize, const std::string& text) {
  std::unique_ptr<QPagedPaintDevice> device;
  if (QPrinter* chosen = Chosen()) {
    if (!chosen->isValid()) return false;
    return PaintDocument(*chosen, QString::fromStdString(fontName), pointSize, QString::fromStdString(text));
  }
  if (factory_) {
    device = factory_();
  } else {
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    if (!printer->isValid()) return false;
    device = std::move(printer);
  }
  if (!device) return false;
  return PaintDocument(*device, QString::fromStdString(fontName), pointSize, QString::fromStdString(text));
}

}  // namespace orvane::ui
