// The single writer of all report text and the text buffers it writes into.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "engine/ephemeris_state.h"

namespace orvane {

// A multi-line text box held as text: the main output pane (txtOut) or the
// criteria window's box (txtCriteria).  Line ends are CR LF, as the runs
// write them.  Appending is the only way text arrives; clearing and replacing
// the whole text are the only other changes.
class TextPane {
 public:
  const std::string& Text() const { return text_; }
  void SetText(std::string text) {
    text_ = std::move(text);
    Changed();
  }
  void Clear() { SetText(std::string()); }
  void Append(std::string_view piece) {
    text_.append(piece);
    Changed();
  }
  // Called after every change (the criteria box brings its window forward).
  std::function<void()> onChange;

 private:
  void Changed() {
    if (onChange) onChange();
  }
  std::string text_;
};

// WriteOutputLine appends a piece unchanged (no line end added) to the
// criteria box while both ShowInConversion flags are set, and then to the
// main pane while ShowInMain is set.  Pieces arrive in order: runs are
// synchronous, so two writers never interleave.
class OutputWriter {
 public:
  explicit OutputWriter(const EphemerisState& flags) : flags_(flags) {}

  // Whether a piece written now reaches any pane.  Texts that no pane would
  // receive need not be built at all.
  bool Writing() const {
    return (flags_.ShowInConversion != 0 && flags_.ShowInConversion2 != 0) || flags_.ShowInMain != 0;
  }

  void WriteOutputLine(std::string_view piece) {
    if (flags_.ShowInConversion != 0 && flags_.ShowInConversion2 != 0) criteria.Append(piece);
    if (flags_.ShowInMain != 0) main.Append(piece);
  }

  TextPane main;      // txtOut
  TextPane criteria;  // txtCriteria

 private:
  const EphemerisState& flags_;
};

}  // namespace orvane
