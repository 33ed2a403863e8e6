// The platform services of the core, as Qt provides them: the beep, the
// standard message box and the printer.
#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <memory>

#include "app/printing.h"
#include "app/questions.h"
#include "app/user_data_file.h"
#include "engine/host.h"

class QWidget;

namespace orvane::ui {

// Where "UserData.Dat" lives: the working directory, and the per-user data
// folder the toolkit names for the application (its AppDataLocation).
app::UserDataFolders ToolkitUserDataFolders();

class QtBeeper final : public Beeper {
 public:
  void Beep() override;
};

// The standard message box, parented to a window.
class QtQuestionBox final : public app::QuestionBox {
 public:
  explicit QtQuestionBox(QWidget* parent) : parent_(parent) {}
  app::Answer Ask(const app::Question& question) override;

 private:
  QWidget* parent_;
};

// Lays out `text` (CR LF or LF line ends) on the pages of a paged device in a
// fixed font: one line per text line, a new page when one is full, no
// header or footer.  Returns false when the device cannot be painted on.
bool PaintDocument(QPagedPaintDevice& device, const QString& fontName, int pointSize, const QString& text);

// Prints on a device made for each document: the system's default printer,
// or, for tests and for saving to a file, any paged device.
class QtPrintService final : public app::PrintService {
 public:
  using DeviceFactory = std::function<std::unique_ptr<QPagedPaintDevice>()>;
  explicit QtPrintService(DeviceFactory factory = {}) : factory_(std::move(factory)) {}
  bool PrintDocument(const std::string& fontName, int pointSize, const std::string& text) override;

 private:
  DeviceFactory factory_;
};

}  // namespace orvane::ui
