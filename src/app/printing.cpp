#include "app/printing.h"

namespace orvane::app {

std::string PrintedDocument(const std::string& paneText) { return "\r\n\r\n\r\n\r\n" + paneText + "\r\n"; }

namespace {

// A year box's text as a file name takes it: "2024", "1461bce"; empty for
// a text that is no year.
std::string YearPart(const std::string& year) {
  const bool bce = !year.empty() && year[0] == '-';
  const std::string digits = bce ? year.substr(1) : year;
  if (digits.empty() || digits.find_first_not_of("0123456789") != std::string::npos) return {};
  return digits + (bce ? "bce" : "");
}

}  // namespace

std::string ReportFileStem(std::string_view sectionKey, const std::string& year,
                           const std::string& lastYear) {
  std::string stem;
  for (char c : sectionKey) stem += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
  for (const std::string& part : {YearPart(year), YearPart(lastYear)}) {
    if (!part.empty()) stem += "-" + part;
  }
  return stem;
}

void PrintPane(const std::string& paneText, QuestionBox& questions, PrintService& printer) {
  Question verify;
  verify.title = "Verify Print";
  verify.text = "Do you wish to print these results to the printer?";
  if (questions.Ask(verify) != Answer::Yes) return;
  if (paneText.empty()) return;
  if (!printer.PrintDocument("Courier New", 10, PrintedDocument(paneText))) {
    questions.Ask(Notice("There was a problem printing to your printer."));
  }
}

}  // namespace orvane::app
