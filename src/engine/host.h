// The small interfaces through which the headless core reaches the world
// outside it.  Windows, the command line and tests each supply their own.
#pragma once

#include <string>

namespace orvane {

// The computer's beep: the answer to a rejected key or a clamped value.
class Beeper {
 public:
  virtual ~Beeper() = default;
  virtual void Beep() = 0;
};

// A beeper that stays silent, for callers with nobody to hear it.
class SilentBeeper final : public Beeper {
 public:
  void Beep() override {}
};

}  // namespace orvane

namespace orvane {

// What the engine reads and writes of the main window: the year box (read
// and corrected by ReadYear) and the beep for a clamped year.
class EngineHost : public Beeper {
 public:
  virtual std::string YearBoxText() const = 0;
  virtual void SetYearBoxText(const std::string& text) = 0;
};

}  // namespace orvane
