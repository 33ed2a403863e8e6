#include "ui/calendar_export.h"

#include <QFileDialog>
#include <QStandardPaths>

#include "export/ical_export.h"

namespace orvane::ui {

bool ExportToCalendar(QWidget* parent, const app::HolyDaysWindow& core, app::QuestionBox& questions,
                      const std::function<QString()>& chooseFile) {
  QString path;
  if (chooseFile) {
    path = chooseFile();
  } else {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    path = QFileDialog::getSaveFileName(parent, "Export to Calendar", folder + "/orvane.ics",
                                        "iCalendar files (*.ics);;All files (*)");
  }
  if (path.isEmpty()) return false;  // cancelled
  const ical::ExportOutcome outcome = ical::ExportReport(core, std::filesystem::path(path.toStdString()));
  if (!outcome.ok) {
    app::Question failed;
    failed.title = "Orvane";
    failed.text = outcome.error;
    failed.buttons = app::Question::Buttons::Ok;
    failed.questionIcon = false;
    questions.Ask(failed);
    return false;
  }
  return true;
}

}  // namespace orvane::ui
