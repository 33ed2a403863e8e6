#include "ui/pdf_export.h"

#include <QBuffer>
#include <QFileDialog>
#include <QPdfWriter>
#include <QStandardPaths>

#include "app/printing.h"
#include "io/safe_file.h"
#include "ui/qt_services.h"

namespace orvane::ui {

QByteArray PdfDocument(const QString& text, const QPageLayout& layout, int resolution) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter writer(&buffer);
    writer.setCreator("Orvane");
    writer.setResolution(resolution);
    writer.setPageLayout(layout);
    if (!PaintDocument(writer, "Courier New", 10, text)) return {};
  }
  return bytes;
}

bool ExportPdf(QWidget* parent, const app::HolyDaysWindow& core, app::QuestionBox& questions,
               const QPageLayout& layout, int resolution,
               const std::function<QString(const QString&)>& chooseFile) {
  auto tell = [&questions](const std::string& text) { questions.Ask(app::Notice(text)); };
  const std::string pane = core.OutputText();
  if (pane.empty()) {
    tell("There is no report to export.");
    return false;
  }
  const QString name = QString::fromStdString(
      app::ReportFileStem(core.CurrentSection().key, core.txtYear,
                          core.CurrentSection().range ? core.txtYear2 : std::string()) +
      ".pdf");
  QString path;
  if (chooseFile) {
    path = chooseFile(name);
  } else {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    path = QFileDialog::getSaveFileName(parent, "Export PDF", folder + "/" + name,
                                        "PDF files (*.pdf);;All files (*)");
  }
  if (path.isEmpty()) return false;  // cancelled
  const QByteArray pdf = PdfDocument(QString::fromStdString(app::PrintedDocument(pane)), layout, resolution);
  if (pdf.isEmpty()) {
    tell("The report could not be laid out as a PDF.");
    return false;
  }
  // Replaced whole or not at all, as every file the program writes.
  const io::WriteOutcome written = io::ReplaceFile(std::filesystem::path(path.toStdString()),
                                                   std::string_view(pdf.constData(), pdf.size()));
  if (!written.ok) {
    tell("The PDF cannot be written to " + written.path.string() + ": " + written.error + ".");
    return false;
  }
  return true;
}

}  // namespace orvane::ui
