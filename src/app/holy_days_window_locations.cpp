// The main window's locations, coordinate boxes and the tables of a year at
// the user's place.
#include "app/holy_days_window.h"
#include "app/locations.h"
#include "calendar/holy_days.h"
#include "engine/numeric.h"
#include "runs/sunsets.h"

namespace orvane::app {

namespace {

constexpr std::string_view kDegreeMark = "\xC2\xBA";  // U+00BA, the masculine ordinal indicator

}  // namespace

// --- The user data file -------------------------------------------------------------

UserDataFile& HolyDaysWindow::File() {
  if (!file_) file_.emplace(folders_ ? *folders_ : DefaultUserDataFolders());
  return *file_;
}

Answer HolyDaysWindow::Ask(const Question& question) {
  if (questions_ != nullptr) return questions_->Ask(question);
  return question.buttons == Question::Buttons::Ok ? Answer::Ok : Answer::No;
}

void HolyDaysWindow::SetUserDataChanged(bool changed) {
  UserDataChanged = changed;
  lblChangeVisible = changed;
}

void HolyDaysWindow::FillLocationList() {
  cboLocation.List.clear();
  for (const Location& entry : userData_.Locations) cboLocation.List.push_back(entry.name);
}

LoadOutcome HolyDaysWindow::LoadUserData() {
  const LoadOutcome outcome = File().Load(userData_);
  // The file is rewritten at once from what could be read; the save keeps
  // a damaged file aside first and never replaces one it could not read.
  if (outcome.status != LoadStatus::Read && userDataWritable_) SaveUserData();
  FillLocationList();
  cboLocation.Text = userData_.LocationName;
  ShowCurrentLocation();
  return outcome;
}

void HolyDaysWindow::SaveUserData() {
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

void HolyDaysWindow::TellSaveFailed(const SaveOutcome& failed) {
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

void HolyDaysWindow::UseDefaultLocation() {
  userData_.Locations = {DefaultLocation()};
  userData_.LocationName = std::string(kDefaultCurrentLocationName);
  FillLocationList();
  cboLocation.Text = userData_.LocationName;
  ShowCurrentLocation();
}

// --- Locations ----------------------------------------------------------------------

void HolyDaysWindow::ShowCurrentLocation() {
  for (const Location& entry : userData_.Locations) {
    if (entry.name != userData_.LocationName) continue;
    SetCoordinateText(txtLatDeg, num::CStr(WholeDegrees(entry.latitude)));
    SetCoordinateText(txtLatMin, num::CStr(WholeMinutes(entry.latitude)));
    SetCoordinateText(txtLongDeg, num::CStr(WholeDegrees(entry.longitude)));
    SetCoordinateText(txtLongMin, num::CStr(WholeMinutes(entry.longitude)));
    SetCoordinateText(txtGMT, entry.zone);
    SetCoordinateText(txtLatDir, entry.latitude >= 0 ? "N" : "S");
    SetCoordinateText(txtLonDir, entry.longitude >= 0 ? "W" : "E");
    break;
  }
  ReadCoordinates();
  // Filling the boxes raised their change events: the place shown is the stored one.
  SetUserDataChanged(false);
}

void HolyDaysWindow::ReadCoordinates() {
  EphemerisState& st = engine_.st;
  st.Longitude = DegMinToDecimal(BoxInteger(txtLongDeg.Text), BoxInteger(txtLongMin.Text));
  st.Latitude = DegMinToDecimal(BoxInteger(txtLatDeg.Text), BoxInteger(txtLatMin.Text));
  if (st.Longitude > kMaxLongitude) st.Longitude = kMaxLongitude;
  if (st.Latitude > kMaxLatitude) st.Latitude = kMaxLatitude;
  // Only negative minutes pasted into a box reach below the limits; they
  // are held at the same limits, where the sun still sets every day.
  if (st.Longitude < -kMaxLongitude) st.Longitude = -kMaxLongitude;
  if (st.Latitude < -kMaxLatitude) st.Latitude = -kMaxLatitude;
  if (txtLonDir.Text == "E") st.Longitude = -st.Longitude;
  if (txtLatDir.Text == "S") st.Latitude = -st.Latitude;
  const double offset = num::Val(txtGMT.Text);
  st.ZoneHours = txtLonDir.Text != "W" ? 12 + offset : 12 - offset;
}

Location HolyDaysWindow::LocationFromBoxes(std::string name) const {
  Location entry;
  entry.name = std::move(name);
  entry.latitude = DegMinToDecimal(BoxInteger(txtLatDeg.Text), BoxInteger(txtLatMin.Text));
  if (txtLatDir.Text == "S") entry.latitude = -entry.latitude;
  entry.longitude = DegMinToDecimal(BoxInteger(txtLongDeg.Text), BoxInteger(txtLongMin.Text));
  if (txtLonDir.Text == "E") entry.longitude = -entry.longitude;
  entry.zone = StoredZoneText(txtGMT.Text);
  return entry;
}

void HolyDaysWindow::MaintainLocation() {
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
    entries.push_back(LocationFromBoxes(name));
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
  const Location changed = LocationFromBoxes(name);
  entries[found].latitude = changed.latitude;
  entries[found].longitude = changed.longitude;
  entries[found].zone = changed.zone;
  ReadCoordinates();
  SaveUserData();
}

void HolyDaysWindow::WriteLocationCaption() {
  const std::string sign = txtLonDir.Text == "W" ? "-" : "+";
  const bool named = !userData_.LocationName.empty() || !CaptionOmitsEmptyName;
  engine_.WriteOutputLine("(" + (named ? userData_.LocationName + ", " : std::string()) + txtLatDeg.Text +
                          std::string(kDegreeMark) + txtLatMin.Text + "'" + txtLatDir.Text + " " +
                          txtLongDeg.Text + std::string(kDegreeMark) + txtLongMin.Text + "'" +
                          txtLonDir.Text + " GMT " + sign + ZoneCaptionText(txtGMT.Text) + ")" +
                          engine_.st.LineEnd);
}

void HolyDaysWindow::cboLocation_Click() {
  userData_.LocationName = cboLocation.Text;
  ShowCurrentLocation();
}

void HolyDaysWindow::cboLocation_Change() {
  if (CharacterCount(cboLocation.Text) <= kLocationNameMaxCharacters) return;
  cboLocation.Text = FirstCharacters(cboLocation.Text, kLocationNameMaxCharacters);
  cboLocation.SelStart = static_cast<int>(cboLocation.Text.size());
  cboLocation.SelLength = 0;
}

void HolyDaysWindow::cboLocation_GotFocus() {
  cboLocation.SelStart = static_cast<int>(cboLocation.Text.size());
  cboLocation.SelLength = 0;
}

void HolyDaysWindow::cboLocation_KeyPress(int& keyAscii) {
  if (keyAscii != kKeyEnter) return;
  keyAscii = 0;
  MaintainLocation();
}

// --- Focus and keys --------------------------------------------------------------

TextBox* HolyDaysWindow::CoordinateBox(Control control) {
  switch (control) {
    case Control::txtLatDeg:
      return &txtLatDeg;
    case Control::txtLatMin:
      return &txtLatMin;
    case Control::txtLatDir:
      return &txtLatDir;
    case Control::txtLongDeg:
      return &txtLongDeg;
    case Control::txtLongMin:
      return &txtLongMin;
    case Control::txtLonDir:
      return &txtLonDir;
    case Control::txtGMT:
      return &txtGMT;
    default:
      return nullptr;
  }
}

void HolyDaysWindow::SetFocus(Control control) {
  if (ActiveControl == control) return;
  switch (ActiveControl) {
    case Control::txtYear:
      txtYear_LostFocus();
      break;
    case Control::txtLatDeg:
      txtLatDeg_LostFocus();
      break;
    case Control::txtLatMin:
      txtLatMin_LostFocus();
      break;
    case Control::txtLongDeg:
      txtLongDeg_LostFocus();
      break;
    case Control::txtLongMin:
      txtLongMin_LostFocus();
      break;
    case Control::txtGMT:
      txtGMT_LostFocus();
      break;
    default:
      break;
  }
  ActiveControl = control;
  if (control == Control::txtYear) txtYear_GotFocus();
  if (control == Control::txtYear2) txtYear2_GotFocus();
  if (control == Control::cboLocation) cboLocation_GotFocus();
  if (TextBox* box = CoordinateBox(control)) SelectForTyping(*box);
}

void HolyDaysWindow::TypeKeys(Control control, std::string_view keys) {
  SetFocus(control);
  for (char key : keys) {
    int keyAscii = static_cast<unsigned char>(key);
    const Control target = ActiveControl;
    if (target == Control::txtYear) {
      txtYear_KeyPress(keyAscii);
      if (keyAscii != 0) ApplyKey(txtYear, txtYearSelStart, txtYearSelLength, 5, static_cast<char>(keyAscii));
    } else if (target == Control::txtYear2) {
      txtYear2_KeyPress(keyAscii);
      if (keyAscii != 0)
        ApplyKey(txtYear2, txtYear2SelStart, txtYear2SelLength, 0, static_cast<char>(keyAscii));
    } else if (target == Control::cboLocation) {
      cboLocation_KeyPress(keyAscii);
      if (keyAscii != 0 && ApplyKey(cboLocation.Text, cboLocation.SelStart, cboLocation.SelLength, 0,
                                    static_cast<char>(keyAscii))) {
        cboLocation_Change();
      }
    } else if (target == Control::chkGregYear) {
      chkGregYear_KeyPress(keyAscii);
    } else if (TextBox* box = CoordinateBox(target)) {
      CoordinateKeyPress(target, keyAscii);
      if (keyAscii != 0 && ApplyKey(*box, static_cast<char>(keyAscii))) CoordinateChanged();
    }
  }
}

void HolyDaysWindow::txtYear_GotFocus() {
  txtYearSelStart = 0;
  txtYearSelLength = 8;
}

void HolyDaysWindow::txtYear2_GotFocus() {
  txtYear2SelStart = 0;
  txtYear2SelLength = 8;
}

void HolyDaysWindow::txtYear_KeyPress(int& keyAscii) {
  if (keyAscii == kKeyEnter) {
    keyAscii = 0;
    txtYear_Enter();
    return;
  }
  if (YearBoxAcceptsKey(keyAscii)) return;
  keyAscii = 0;
  Beep();
}

void HolyDaysWindow::txtYear2_KeyPress(int& keyAscii) {
  if (keyAscii == kKeyEnter) {
    keyAscii = 0;
    txtYear2_Enter();
    return;
  }
  if (YearBoxAcceptsKey(keyAscii)) return;
  keyAscii = 0;
  Beep();
}

void HolyDaysWindow::CoordinateKeyPress(Control field, int& keyAscii) {
  if (keyAscii == kKeyBlank || keyAscii == kKeyComma) {
    // A blank or comma moves on to the next box; the key itself is dropped.
    keyAscii = 0;
    switch (field) {
      case Control::txtLatDeg:
        SetFocus(Control::txtLatMin);
        break;
      case Control::txtLatMin:
        SetFocus(Control::txtLatDir);
        break;
      case Control::txtLatDir:
        SetFocus(Control::txtLongDeg);
        break;
      case Control::txtLongDeg:
        SetFocus(Control::txtLongMin);
        break;
      case Control::txtLongMin:
        SetFocus(Control::txtLonDir);
        break;
      case Control::txtLonDir:
        SetFocus(Control::txtGMT);
        break;
      case Control::txtGMT:
        if (engine_.st.RunName == "Times" || engine_.st.RunName == "Sunset") SetFocus(Control::chkGregYear);
        break;
      default:
        break;
    }
    return;
  }
  if (keyAscii == kKeyBackspace) return;
  if (field == Control::txtLatDir || field == Control::txtLonDir) {
    // Either case is typed; the box holds capitals.
    if (keyAscii >= 'a' && keyAscii <= 'z') keyAscii = keyAscii - 'a' + 'A';
    const bool latitude = field == Control::txtLatDir;
    if (keyAscii == (latitude ? 'N' : 'E') || keyAscii == (latitude ? 'S' : 'W')) return;
  } else if ((keyAscii >= '0' && keyAscii <= '9') || (field == Control::txtGMT && keyAscii == '.')) {
    return;
  }
  keyAscii = 0;
  Beep();
}

void HolyDaysWindow::CoordinateChanged() { SetUserDataChanged(true); }

void HolyDaysWindow::SetCoordinateText(TextBox& box, std::string text) {
  if (box.Text == text) return;
  box.Text = std::move(text);
  box.SelStart = 0;
  box.SelLength = 0;
  CoordinateChanged();
}

void HolyDaysWindow::LimitOnLeaving(TextBox& box, double limit, std::string_view limitText,
                                    std::string_view belowZeroText) {
  const double value = num::Val(box.Text);
  if (value > limit) {
    SetCoordinateText(box, std::string(limitText));
  } else if (value < 0) {
    SetCoordinateText(box, std::string(belowZeroText));
  }
}

void HolyDaysWindow::txtGMT_LostFocus() {
  std::string offset = OffsetBoxOnLeaving(txtGMT.Text);
  if (offset == txtGMT.Text) return;
  SetCoordinateText(txtGMT, std::move(offset));
  Beep();
}

// --- Runs at the place ----------------------------------------------------------------

void HolyDaysWindow::cmdLocMon_Click() {
  EphemerisState& st = engine_.st;
  st.LocalMode = kTrue;
  if (chkEJW) {
    chkEJW = false;
    chkEJW_Click();  // runs nothing while LocalMode is set
  }
  st.MonthStartJD = 0;
  ReadCoordinates();
  MonthsShown = true;
  engine_.out.main.Clear();
  if (UserDataChanged) SaveUserData();
  SavedYear = num::CInt(num::Val(txtYear));
  calendar::ListMonthStarts(engine_, [this] { WriteLocationCaption(); });
  st.LocalMode = kFalse;
}

void HolyDaysWindow::cmdSunset_Click() { runs::ListSunsets(engine_, *this); }

void HolyDaysWindow::cmdTimes_Click() { modTimes_.ListSunMoonTimes(engine_, *this); }

void HolyDaysWindow::chkGregYear_Click() {
  if (GregYearQuiet) return;
  if (engine_.st.RunName == "Sunset") cmdSunset_Click();
  if (engine_.st.RunName == "Times") cmdTimes_Click();
}

void HolyDaysWindow::chkGregYear_KeyPress(int& keyAscii) {
  if (keyAscii != kKeyEnter) return;
  keyAscii = 0;
  chkGregYear = !chkGregYear;
  chkGregYear_Click();
}

bool HolyDaysWindow::RunLocationSectionOnEnter() {
  const std::string& run = engine_.st.RunName;
  if (run == "LocalMoons") {
    cmdLocMonEnabled = false;
    cmdLocMon_Click();
    cmdLocMonEnabled = true;
    return true;
  }
  if (run == "Sunset") {
    cmdSunset_Click();
    return true;
  }
  if (run == "Times") {
    cmdTimes_Click();
    return true;
  }
  return false;
}

}  // namespace orvane::app
