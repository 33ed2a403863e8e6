// File, Print: the pane's text on paper, after a question.
#pragma once

#include <string>
#include <string_view>

#include "app/questions.h"

namespace orvane::app {

// The platform's printing service: one document in one font.
class PrintService {
 public:
  virtual ~PrintService() = default;
  // Prints `text` (CR LF line ends) in the font; false when printing failed.
  virtual bool PrintDocument(const std::string& fontName, int pointSize, const std::string& text) = 0;
};

// The document sent for a pane: three blank line ends and the one the print
// statement adds, so that the report starts on the fifth line, then the pane
// text unchanged and its own closing line end.
std::string PrintedDocument(const std::string& paneText);

// The name a saved copy of the pane's report is offered under: the section
// and its year, or its first and last year for a range ("holydays-2024",
// "flood-2400bce-2300bce"), in small letters, BCE years with "bce".
std::string ReportFileStem(std::string_view sectionKey, const std::string& year, const std::string& lastYear);

// Asks "Verify Print"; on Yes prints a non-empty pane in Courier New 10 pt and
// tells the user when the printer failed.  Changes nothing else.
void PrintPane(const std::string& paneText, QuestionBox& questions, PrintService& printer);

}  // namespace orvane::app
