#include "app/location_editor.h"

#include "app/locations.h"

namespace orvane::app {

// --- The user data file -------------------------------------------------------------

UserDataFile& LocationEditor::File() {
  if (!file_) file_.emplace(folders_ ? *folders_ : DefaultUserDataFolders());
  return *file_;
}

Answer LocationEditor::Ask(const Question& question) {
  if (questions_ != nullptr) return questions_->Ask(question);
  return question.buttons == Question::Buttons::Ok ? Answer::Ok : Answer::No;
}

void LocationEditor::SetUserDataChanged(bool changed) {
  UserDataChanged = changed;
  lblChangeVisible = changed;
}

void LocationEditor::FillLocationList() {
  cboLocation.List.clear();
  for (const Location& entry : userData_.Locations) cboLocation.List.push_back(entry.name);
}

LoadOutcome LocationEditor::LoadUserData() {
  LoadOutcome outcome = File().Load(userData_);
  // The file is rewritten at once from what could be read; the save keeps
  // a damaged file aside first and never replaces one it could not read.
  if (outcome.status != LoadStatus::Read && userDataWritable_) SaveUserData();
  FillLocationList();
  cboLocation.Text = userData_.LocationName;
  ShowCurrentLocation();
  return outcome;
}

void LocationEditor::SaveUserData() {
  if (!userDataWritable_) return;
  SaveOutcome saved = File().Save(userData_);
  if (!saved.ok && !saveFailureTold_) {
    saveFailureTold_ = true;
    const std::filesystem::path failedAt = saved.path;
    TellSaveFailed(saved);
    if (File().Path() != failedAt) {
      // Yes to the per-user folder: saves go there from now on.
      saved = File().Save(userData_);
      if (!saved.ok) TellSaveFailed(saved);
    }
  }
  if (saved.merged) FillLocationList();
  if (!saved.ok) {
    // The state stays in memory and counts as unsaved, so that File, Save
    // and the exit try again.
    UserDataChanged = true;
    return;
  }
  saveFailureTold_ = false;
  SetUserDataChanged(false);
}

void LocationEditor::TellSaveFailed(const SaveOutcome& failed) {
  const std::string said = "Your locations and colours cannot be saved in\n" + failed.path.string() +
                           "\nbecause " + failed.error + ".\n";
  const std::optional<std::filesystem::path> perUser = File().PerUserPath();
  if (!failed.perUserMayHelp || !perUser) {
    Ask(Question{"Locations not saved",
                 said + "They are kept while the program runs; File, Save tries again.",
                 Question::Buttons::Ok, false, false});
    return;
  }
  const Answer elsewhere = Ask(Question{
      "Locations not saved",
      said + "They are kept while the program runs.\n\nSave them in your own data folder instead?\n" +
          perUser->parent_path().string(),
      Question::Buttons::YesNo, true, false});
  if (elsewhere == Answer::Yes) File().UsePerUserFolder();
}

void LocationEditor::UseDefaultLocation() {
  userData_.Locations = {DefaultLocation()};
  userData_.LocationName = std::string(kDefaultCurrentLocationName);
  FillLocationList();
  cboLocation.Text = userData_.LocationName;
  ShowCurrentLocation();
}

// --- Locations ----------------------------------------------------------------------

void LocationEditor::ShowCurrentLocation() {
  for (const Location& entry : userData_.Locations) {
    if (entry.name != userData_.LocationName) continue;
    boxes_.ShowLocation(entry);
    break;
  }
  ReadCoordinates();
  // Filling the boxes raised their change events: the place shown is the stored one.
  SetUserDataChanged(false);
}

void LocationEditor::MaintainLocation() {
  ReadCoordinates();
  std::vector<Location>& entries = userData_.Locations;
  const std::string name = cboLocation.Text;
  std::size_t found = 0;
  while (found < entries.size() && entries[found].name != name) ++found;

  if (found == entries.size()) {
    const Answer add =
        Ask(Question{"Add this location information?",
                     "Do you wish to add this location?\nSelecting [Yes] will add the location\nto the list.",
                     Question::Buttons::YesNo, true, false});
    if (add != Answer::Yes) return;
    if (entries.size() >= static_cast<std::size_t>(kMaxAddedLocations)) {
      Ask(Question{"No room to add more locations!", "There is no room to add any more locations!",
                   Question::Buttons::Ok, false, false});
      return;
    }
    entries.push_back(boxes_.LocationFromBoxes(name));
    cboLocation.List.push_back(name);
    userData_.LocationName = name;
    ReadCoordinates();
    SaveUserData();
    return;
  }

  if (!UserDataChanged) {
    const Answer remove = Ask(Question{"Delete this location?", "Do you wish to delete this location?",
                                       Question::Buttons::YesNo, true, true});
    if (remove != Answer::Yes) return;
    entries.erase(entries.begin() + static_cast<std::ptrdiff_t>(found));
    FillLocationList();
    if (!entries.empty()) {
      userData_.LocationName = entries.front().name;
      cboLocation.Text = userData_.LocationName;
      ShowCurrentLocation();
    }
    SaveUserData();
    return;
  }

  const Answer edit = Ask(
      Question{"Edit this location information?",
               "Do you wish to edit this location?\n Selecting [Yes] will change the location information.",
               Question::Buttons::YesNo, true, true});
  if (edit != Answer::Yes) {
    SetUserDataChanged(false);  // the boxes keep what the user typed
    return;
  }
  const Location changed = boxes_.LocationFromBoxes(name);
  entries[found].latitude = changed.latitude;
  entries[found].longitude = changed.longitude;
  entries[found].zone = changed.zone;
  ReadCoordinates();
  SaveUserData();
}

std::string LocationEditor::CaptionName() const {
  const bool named = !userData_.LocationName.empty() || !CaptionOmitsEmptyName;
  return named ? userData_.LocationName + ", " : std::string();
}

void LocationEditor::cboLocation_Click() {
  userData_.LocationName = cboLocation.Text;
  ShowCurrentLocation();
}

void LocationEditor::cboLocation_Change() {
  if (CharacterCount(cboLocation.Text) <= kLocationNameMaxCharacters) return;
  cboLocation.Text = FirstCharacters(cboLocation.Text, kLocationNameMaxCharacters);
  cboLocation.SelStart = static_cast<int>(cboLocation.Text.size());
  cboLocation.SelLength = 0;
}

void LocationEditor::cboLocation_GotFocus() {
  cboLocation.SelStart = static_cast<int>(cboLocation.Text.size());
  cboLocation.SelLength = 0;
}

void LocationEditor::cboLocation_KeyPress(int& keyAscii) {
  if (keyAscii != kKeyEnter) return;
  keyAscii = 0;
  MaintainLocation();
}

}  // namespace orvane::app
