// A stand-in for the main window in engine tests: a year box and a beep counter.
#pragma once

#include <string>

#include "engine/engine.h"
#include "engine/host.h"

namespace orvane::testing {

class FakeHost final : public EngineHost {
 public:
  explicit FakeHost(std::string year = "2024") : yearBox(std::move(year)) {}
  std::string YearBoxText() const override { return yearBox; }
  void SetYearBoxText(const std::string& text) override { yearBox = text; }
  void Beep() override { ++beeps; }

  std::string yearBox;
  int beeps = 0;
};

// An engine with its own fake main window, set up as the program starts.
struct EngineFixture {
  explicit EngineFixture(std::string year = "2024") : host(std::move(year)), engine(host) {
    engine.st.RunName = "HolyDays";
  }
  FakeHost host;
  Engine engine;
  EphemerisState& st() { return engine.st; }
  const std::string& pane() const { return engine.out.main.Text(); }
};

}  // namespace orvane::testing
