#include "app/printing.h"

namespace orvane::app {

std::string PrintedDocument(const std::string& paneText) { return "\r\n\r\n\r\n\r\n" + paneText + "\r\n"; }

void PrintPane(const std::string& paneText, QuestionBox& questions, PrintService& printer) {
  Question verify;
  verify.title = "Verify Print";
  verify.text = "Do you wish to print these results to the printer?";
  if (questions.Ask(verify) != Answer::Yes) return;
  if (paneText.empty()) return;
  if (!printer.PrintDocument("Courier New", 10, PrintedDocument(paneText))) {
    Question failed;
    failed.title = "Orvane";
    failed.text = "There was a problem printing to your printer.";
    failed.buttons = Question::Buttons::Ok;
    failed.questionIcon = false;
    questions.Ask(failed);
  }
}

}  // namespace orvane::app
