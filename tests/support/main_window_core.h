// The main window's core as the program starts it, for the tests of its
// commands: a data folder of its own (with a given "UserData.Dat" in it, or
// none) or the folders given, a beep counter and a scripted message box.
#pragma once

#include <string>

#include "app/holy_days_window.h"
#include "support/temp_dir.h"
#include "support/window_fakes.h"

namespace orvane::testing {

// Lines joined with CR LF, each ended by one: a data file as it is written.
inline std::string Crlf(std::initializer_list<std::string> lines) {
  std::string text;
  for (const std::string& line : lines) text += line + "\r\n";
  return text;
}

// A data file as the program writes it, laid out by hand: New York current,
// Jerusalem and New York stored, then the fifteen colours of the design.
inline const std::string kTwoPlaces =
    Crlf({"New York", " 1 ", "Jerusalem , Israel", "-35.2166666666667 ", " 31.7833333333333 ", "2",
          "New York", " 74 ", " 40.7166666666667 ", "5"}) +
    Crlf({" 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ", " 16761024 ",
          " 16761024 ", " 16761024 ", " 16761024 ", " 12640511 ", " 16761024 ", " 16777215 ", " 16777215 ",
          " 16761024 "});

struct MainWindowCore {
  // `file` is put in place first; with `load` the window reads it as at
  // start-up, and nothing counts as changed yet.
  explicit MainWindowCore(const std::string& file = {}, bool load = false) {
    if (!file.empty()) WriteBytes(dir / "UserData.Dat", file);
    Start({dir.path(), dir / "per-user"});
    if (load) w.LoadUserDataAtStartUp();
  }
  explicit MainWindowCore(const app::UserDataFolders& folders) { Start(folders); }
  void Start(const app::UserDataFolders& folders) {
    w.SetUserDataFolders(folders);
    w.SetQuestionBox(&questions);
    w.Form_Load(2024);
  }
  // The seven coordinate boxes, blank-separated.
  std::string Boxes() const {
    return w.txtLatDeg.Text + " " + w.txtLatMin.Text + " " + w.txtLatDir.Text + " " + w.txtLongDeg.Text +
           " " + w.txtLongMin.Text + " " + w.txtLonDir.Text + " " + w.txtGMT.Text;
  }
  TempDir dir;
  test::CountingBeeper beeper;
  test::ScriptedQuestions questions;
  app::HolyDaysWindow w{beeper};
};

}  // namespace orvane::testing
