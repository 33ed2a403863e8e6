// File, Export to Calendar...: the holy days or month starts of the report
// the pane shows, as an iCalendar file the user's calendar can import.
#pragma once

#include <QString>
#include <functional>

#include "app/holy_days_window.h"
#include "app/questions.h"

class QWidget;

namespace orvane::ui {

// Asks where to save (the platform's file dialog unless `chooseFile` is
// given), exports, and tells the user when the export failed.  Returns
// whether a file was written.
bool ExportToCalendar(QWidget* parent, const app::HolyDaysWindow& core, app::QuestionBox& questions,
                      const std::function<QString()>& chooseFile = {});

}  // namespace orvane::ui
