// Questions and notices: the platform's standard message box, asked through
// an interface so that the core decides what to ask and tests can answer.
#pragma once

#include <string>

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

class QuestionBox {
 public:
  virtual ~QuestionBox() = default;
  virtual Answer Ask(const Question& question) = 0;
};

}  // namespace orvane::app
