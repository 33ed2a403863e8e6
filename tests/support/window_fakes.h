// Stand-ins for the platform services of the desktop windows in the window
// tests: a beep counter and a message box answered from a script.
#pragma once

#include <map>
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

// Answers a Yes/No question with its title's answer in `byTitle`, else with
// `answer`, and every notice with OK; keeps what was asked.
class ScriptedQuestions final : public app::QuestionBox {
 public:
  explicit ScriptedQuestions(app::Answer yesNo = app::Answer::Yes) : answer(yesNo) {}
  app::Answer Ask(const app::Question& q) override {
    asked.push_back(q);
    if (q.buttons == app::Question::Buttons::Ok) return app::Answer::Ok;
    const auto given = byTitle.find(q.title);
    return given != byTitle.end() ? given->second : answer;
  }
  std::string LastText() const { return asked.empty() ? std::string("(nothing asked)") : asked.back().text; }

  // The texts of what was asked under `title`.
  std::vector<std::string> TextsTitled(const std::string& title) const {
    std::vector<std::string> texts;
    for (const app::Question& q : asked)
      if (q.title == title) texts.push_back(q.text);
    return texts;
  }

  app::Answer answer;
  std::map<std::string, app::Answer> byTitle;
  std::vector<app::Question> asked;
};

}  // namespace orvane::test
