// The main window's location editor: the editable list of stored locations,
// the user data file behind it (locations and colours) and the questions
// that adding, changing and deleting an entry ask.  It shows a location in
// the window's coordinate boxes and reads an entry back from them.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "app/coordinate_fields.h"
#include "app/entry_fields.h"
#include "app/questions.h"
#include "app/user_data.h"
#include "app/user_data_file.h"

namespace orvane::app {

class LocationEditor {
 public:
  // The stored locations' names; its text is the name being looked at.
  ComboBox cboLocation;
  static constexpr std::string_view kLocationToolTip =
      "To edit, add or delete a location (Press ENTER after the  location name)";
  static constexpr std::size_t kLocationNameMaxCharacters = 40;

  // The coordinate boxes or the colours differ from the file.  lblChange
  // ("*") shows the coordinate edits.
  bool UserDataChanged = false;
  bool lblChangeVisible = false;

  // The locations, the current location's name and the colours.
  UserData& userData() { return userData_; }
  const std::string& LocationName() const { return userData_.LocationName; }
  // Where "UserData.Dat" is read and written (default: the working
  // directory, else the per-user data folder).
  void SetUserDataFolders(UserDataFolders folders) {
    folders_ = std::move(folders);
    file_.reset();
  }
  // With false the file is read but never written (the command line).
  void SetUserDataWritable(bool writable) { userDataWritable_ = writable; }
  // Where the location questions and notices are asked; without one every
  // question is answered No.
  void SetQuestionBox(QuestionBox* questions) { questions_ = questions; }

  // Reads the file: the locations and colours, the location list, the
  // current location in the boxes.  A missing, damaged or unreadable file is
  // rewritten at once from what could be read (a damaged one kept as
  // "UserData.Dat.bak" first; an unreadable one never replaced, see
  // SaveUserData).  The start-up clears UserDataChanged afterwards.
  LoadOutcome LoadUserData();
  // Writes the whole file from the current state, with what another running
  // copy of the program saved meanwhile merged in (the location list shows
  // it), and clears UserDataChanged.  When the file cannot be saved where it
  // is, the state stays in memory and counts as unsaved (so that the next
  // save tries again), and the user is told once, with the reason, and
  // offered the per-user data folder instead.
  void SaveUserData();
  // The entry named LocationName into the boxes, then the place is read;
  // clears UserDataChanged.
  void ShowCurrentLocation();
  // Enter in cboLocation: add the name typed (Yes to the question), delete
  // the entry of a name found while no box was changed, or overwrite its
  // coordinates after a change (each after its question); saves the file.
  void MaintainLocation();
  // The command line's place when there is no file: the default entry, as
  // the next start after a first one installs it.
  void UseDefaultLocation();
  // With this set, an empty location name leaves the caption without a
  // name, "(31º47'N 35º13'E GMT +2)": the command line's place typed
  // without one.  The window's own caption always has the name part.
  bool CaptionOmitsEmptyName = false;
  // "Jerusalem, Israel, " before the place of a caption; empty when the
  // name is empty and CaptionOmitsEmptyName is set.
  std::string CaptionName() const;

  void cboLocation_Click();
  void cboLocation_Change();
  void cboLocation_GotFocus();
  void cboLocation_KeyPress(int& keyAscii);

  LocationEditor(const LocationEditor&) = delete;
  LocationEditor& operator=(const LocationEditor&) = delete;

 protected:
  explicit LocationEditor(CoordinateFields& boxes) : boxes_(boxes) {}
  ~LocationEditor() = default;

  // The coordinate boxes into the engine's place.
  virtual void ReadCoordinates() = 0;
  void SetUserDataChanged(bool changed);

 private:
  UserDataFile& File();
  Answer Ask(const Question& question);
  void TellSaveFailed(const SaveOutcome& failed);
  void FillLocationList();

  CoordinateFields& boxes_;
  UserData userData_;
  std::optional<UserDataFolders> folders_;
  std::optional<UserDataFile> file_;
  bool userDataWritable_ = true;
  bool saveFailureTold_ = false;
  QuestionBox* questions_ = nullptr;
};

}  // namespace orvane::app
