// The platform services of the core, as Qt provides them: the beep, the
// standard message box and the printer.
#pragma once

#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QString>
#include <functional>
#include <memory>

#include "app/printing.h"
#include "app/questions.h"
#include "app/user_data_file.h"
#include "engine/host.h"

class QPrinter;
class QWidget;

namespace orvane::ui {

// Where "UserData.Dat" lives: the working directory when it holds the file,
// else the per-user data folder the toolkit names for the application (its
// AppDataLocation).
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

// Prints on the printer chosen in the platform's print dialog (File, Print
// Setup), for the rest of the run; before any choice on the system's default
// printer, or, for tests, on a device made for each document.
class QtPrintService final : public app::PrintService {
 public:
  using DeviceFactory = std::function<std::unique_ptr<QPagedPaintDevice>()>;
  explicit QtPrintService(DeviceFactory factory = {});
  ~QtPrintService() override;
  bool PrintDocument(const std::string& fontName, int pointSize, const std::string& text) override;

  // The platform's print dialog over the printer Print uses: the printer,
  // its pages and a file to print to are chosen there.  True when accepted;
  // the choice holds from then on.
  bool SetUp(QWidget* parent);
  // The printer chosen in the dialog; null before one was.
  QPrinter* Chosen() const { return chosenAccepted_ ? chosen_.get() : nullptr; }
  // The page layout and resolution a document gets: the chosen printer's,
  // else the default printer's.
  QPageLayout PageLayout() const;
  int Resolution() const;

 private:
  DeviceFactory factory_;
  std::unique_ptr<QPrinter> chosen_;
  bool chosenAccepted_ = false;
};

}  // namespace orvane::ui
