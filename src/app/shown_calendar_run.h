// The holy days or month starts of the report the main pane shows, as data.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "engine/day_recorder.h"
#include "engine/output_writer.h"

namespace orvane::app {

// A day recorder for the main window's engine.  It keeps the last run of the
// holy-day report or the month-start list whose text went to the main pane,
// with the pane's text as that run left it, and ignores silent runs (the
// tables' search for the year's first month, the conversion window's).
// Shown() gives that run only while the pane still holds that very text, so
// a later table, help text or chronology run hides it.
class ShownCalendarRun final : public DayRecorder {
 public:
  // Given the main pane and the name of a run's place ("Jerusalem", or the
  // caption's name of the user's location), asked as each run starts.
  ShownCalendarRun(const TextPane& pane, std::function<std::string(const RecordedRun&)> placeName)
      : pane_(pane), placeName_(std::move(placeName)) {}

  void RunStarted(const RecordedRun& run) override {
    recording_.push_back(run.shown);
    if (run.shown) pending_ = CalendarRun{run, {}, placeName_ ? placeName_(run) : std::string()};
  }
  void DayStated(const RecordedDay& day) override {
    if (!recording_.empty() && recording_.back()) pending_.days.push_back(day);
  }
  void RunFinished() override {
    if (recording_.empty()) return;
    if (recording_.back()) {
      shown_ = std::move(pending_);
      paneText_ = pane_.Text();
      haveShown_ = true;
    }
    recording_.pop_back();
  }

  // The run whose text the pane shows now, or null when it shows anything
  // else.
  const CalendarRun* Shown() const { return haveShown_ && pane_.Text() == paneText_ ? &shown_ : nullptr; }

 private:
  const TextPane& pane_;
  std::function<std::string(const RecordedRun&)> placeName_;
  std::vector<bool> recording_;  // one entry per run in progress: whether it is kept
  CalendarRun pending_;
  CalendarRun shown_;
  std::string paneText_;
  bool haveShown_ = false;
};

}  // namespace orvane::app
