#include "ui/calendar_export.h"

#include <QFileDialog>
#include <QStandardPaths>

#include "app/export_report.h"

namespace orvane::ui {

bool ExportToCalendar(QWidget* parent, const app::HolyDaysWindow& core, app::QuestionBox& questions,
                      const std::function<QString()>& chooseFile) {
  auto tell = [&questions](const std::string& text) { questions.Ask(app::Notice(text)); };
  // Nothing to export is said before a file is asked for.
  if (core.ShownCalendarRun() == nullptr) {
    tell(std::string(app::kNothingToExport));
    return false;
  }
  QString path;
  if (chooseFile) {
    path = chooseFile();
  } else {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    path = QFileDialog::getSaveFileName(parent, "Export to Calendar", folder + "/orvane.ics",
                                        "iCalendar files (*.ics);;All files (*)");
  }
  if (path.isEmpty()) return false;  // cancelled
  const ical::ExportOutcome outcome = app::ExportReport(core, std::filesystem::path(path.toStdString()));
  if (!outcome.ok) {
    tell(outcome.error);
    return false;
  }
  return true;
}

}  // namespace orvane::ui
