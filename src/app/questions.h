// Questions and notices: the platform's standard message box, asked through
// an interface so that the core decides what to ask and tests can answer.
#pragma once

#include <string>
#include <utility>

namespace orvane::app {

enum class Answer { Yes, No, Ok };

struct Question {
  enum class Buttons { YesNo, Ok };
  std::string title;
  std::string text;
  Buttons buttons = Buttons::YesNo;
  bool questionIcon = true;
  bool secondButtonDefault = false;  // No is the default button
};

// A message with only an OK button and no question mark, titled "Orvane".
inline Question Notice(std::string text) {
  Question notice;
  notice.title = "Orvane";
  notice.text = std::move(text);
  notice.buttons = Question::Buttons::Ok;
  notice.questionIcon = false;
  return notice;
}

class QuestionBox {
 public:
  virtual ~QuestionBox() = default;
  virtual Answer Ask(const Question& question) = 0;
};

}  // namespace orvane::app
