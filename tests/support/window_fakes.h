// Stand-ins for the platform services of the desktop windows in the window
// tests: a beep counter and a message box answered from a script.
#pragma once

#include <string>
#include <vector>

#include "app/questions.h"
#include "engine/host.h"

namespace orvane::test {

class CountingBeeper final : public Beeper {
 public:
  void Beep() override { ++beeps; }
  int beeps = 0;
};

// Answers every Yes/No question with `answer` and every notice with OK, and
// keeps what was asked.
class ScriptedQuestions final : public app::QuestionBox {
 public:
  explicit ScriptedQuestions(app::Answer yesNo = app::Answer::Yes) : answer(yesNo) {}
  app::Answer Ask(const app::Question& q) override {
    asked.push_back(q);
    return q.buttons == app::Question::Buttons::Ok ? app::Answer::Ok : answer;
  }
  std::string LastTitle() const {
    return asked.empty() ? std::string("(nothing asked)") : asked.back().title;
  }
  std::string LastText() const { return asked.empty() ? std::string("(nothing asked)") : asked.back().text; }

  app::Answer answer;
  std::vector<app::Question> asked;
};

}  // namespace orvane::test
