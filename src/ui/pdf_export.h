// File, Export PDF: the pane's report as a PDF file, laid out on its pages
// as printing lays it out.
#pragma once

#include <QPageLayout>
#include <QString>
#include <QWidget>
#include <functional>

#include "app/holy_days_window.h"
#include "app/questions.h"

namespace orvane::ui {

// The PDF of a document (CR LF or LF line ends) in the printed font, on
// pages of `layout` at `resolution` dots per inch: as PaintDocument prints it.
QByteArray PdfDocument(const QString& text, const QPageLayout& layout, int resolution);

// Asks for a file (by default `chooseFile`: the file dialog, offering the
// section and year as its name, e.g. "holydays-2024.pdf") and writes the
// pane's report there as the printer receives it.  `layout` and `resolution`
// are the printer's.  Says so when there is nothing to export or the file
// cannot be written; true when a file was written.
bool ExportPdf(QWidget* parent, const app::HolyDaysWindow& core, app::QuestionBox& questions,
               const QPageLayout& layout, int resolution,
               const std::function<QString(const QString&)>& chooseFile = {});

}  // namespace orvane::ui
