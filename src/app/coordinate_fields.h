// The main window's seven coordinate boxes (latitude degrees, minutes and
// direction; longitude degrees, minutes and direction; the hour offset):
// their texts, key filters and limits on leaving, and the place they
// describe.  The window that holds them says where the focus moves on to,
// what a change marks and how it beeps.
#pragma once

#include <string>
#include <string_view>

#include "app/entry_fields.h"
#include "app/user_data.h"
#include "engine/ephemeris_state.h"

namespace orvane::app {

// A place as the coordinate boxes give it.
struct BoxPlace {
  double latitude = 0;       // degrees, north positive
  double longitudeEast = 0;  // degrees, east positive
  double zoneOffset = 0;     // hours from UTC, east positive
};

// The main window's controls that take the focus.
enum class Control {
  None,
  txtYear,
  txtYear2,
  cboLocation,
  txtLatDeg,
  txtLatMin,
  txtLatDir,
  txtLongDeg,
  txtLongMin,
  txtLonDir,
  txtGMT,
  chkGregYear
};

class CoordinateFields {
 public:
  CoordinateFields(const CoordinateFields&) = delete;
  CoordinateFields& operator=(const CoordinateFields&) = delete;

  // The boxes with their initial texts, length limits and tooltips.
  TextBox txtLatDeg{"31", 2, 0, 0, "Latitude Degrees (0 to 60)"};
  TextBox txtLatMin{"47", 2, 0, 0, "Latitude Minutes"};
  TextBox txtLatDir{"N", 1, 0, 0, "(N)orth or (S)outh"};
  TextBox txtLongDeg{"35", 3, 0, 0, "Longitude Degrees"};
  TextBox txtLongMin{"13", 2, 0, 0, "Longitude Minutes"};
  TextBox txtLonDir{"E", 1, 0, 0, "(E)ast or (W)est"};
  TextBox txtGMT{"2", 5, 0, 0, "Hour offset from UTC/GMT"};

  // The whole text selected on entry, the key filters (a blank or comma
  // moves on), a change on every edit, and the limits on leaving a degree
  // or minute box.
  void txtLatDeg_GotFocus() { SelectForTyping(txtLatDeg); }
  void txtLatMin_GotFocus() { SelectForTyping(txtLatMin); }
  void txtLatDir_GotFocus() { SelectForTyping(txtLatDir); }
  void txtLongDeg_GotFocus() { SelectForTyping(txtLongDeg); }
  void txtLongMin_GotFocus() { SelectForTyping(txtLongMin); }
  void txtLonDir_GotFocus() { SelectForTyping(txtLonDir); }
  void txtGMT_GotFocus() { SelectForTyping(txtGMT); }
  void txtLatDeg_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtLatDeg, keyAscii); }
  void txtLatMin_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtLatMin, keyAscii); }
  void txtLatDir_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtLatDir, keyAscii); }
  void txtLongDeg_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtLongDeg, keyAscii); }
  void txtLongMin_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtLongMin, keyAscii); }
  void txtLonDir_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtLonDir, keyAscii); }
  void txtGMT_KeyPress(int& keyAscii) { CoordinateKeyPress(Control::txtGMT, keyAscii); }
  void txtLatDeg_Change() { CoordinateChanged(); }
  void txtLatMin_Change() { CoordinateChanged(); }
  void txtLatDir_Change() { CoordinateChanged(); }
  void txtLongDeg_Change() { CoordinateChanged(); }
  void txtLongMin_Change() { CoordinateChanged(); }
  void txtLonDir_Change() { CoordinateChanged(); }
  void txtGMT_Change() { CoordinateChanged(); }
  void txtLatDeg_LostFocus() { LimitOnLeaving(txtLatDeg, 60, "60", "00"); }
  void txtLatMin_LostFocus() { LimitOnLeaving(txtLatMin, 59, "59", "00"); }
  void txtLongDeg_LostFocus() { LimitOnLeaving(txtLongDeg, 180, "180", "000"); }
  void txtLongMin_LostFocus() { LimitOnLeaving(txtLongMin, 59, "59", "00"); }
  // The offset box left holding no offset of 0 to 14 hours: brought to one,
  // with a beep.
  void txtGMT_LostFocus();
  // Sets a box's text as the program or a paste does (no key filter); its
  // Change handler runs when the text differs.
  void SetCoordinateText(TextBox& box, std::string text);

  // The box of a control; null for the other controls.
  TextBox* CoordinateBox(Control control);
  const TextBox* CoordinateBox(Control control) const {
    return const_cast<CoordinateFields*>(this)->CoordinateBox(control);
  }
  // The key filter of the box of `field` (its KeyPress handler): a blank or
  // comma moves on (the key is dropped), Backspace passes, a direction box
  // takes its two letters in either case (as capitals), the others digits
  // and the offset box also "."; any other key is dropped (0) with a beep.
  void CoordinateKeyPress(Control field, int& keyAscii);
  // A stored location into the boxes.
  void ShowLocation(const Location& entry);
  // The boxes as a stored location named `name`.
  Location LocationFromBoxes(std::string name) const;
  // The boxes into the engine's place inputs: Longitude (degrees, east
  // negative, at most 180), Latitude (degrees, north positive, at most
  // 60.99 either way) and ZoneHours (12 + the offset, east positive).
  //   "W" with offset 5 gives ZoneHours 7; "E" with 5.5 gives 17.5.
  void ReadPlaceInto(EphemerisState& st) const;
  // The same place with the engine left alone: degrees north and east, the
  // zone's hours east of UTC.
  BoxPlace PlaceOfBoxes() const;
  // The boxes as typed on the command line: "31 47 N, 35 13 E".
  std::string CoordinatesText() const;
  // The place as a caption shows it: "31º47'N 35º13'E GMT +2".
  std::string PlaceCaption() const;

 protected:
  CoordinateFields() = default;
  ~CoordinateFields() = default;

  // Where a blank or comma in `field` moves the focus.
  virtual void MoveOnFrom(Control field) = 0;
  // A box's text changed.
  virtual void CoordinateChanged() = 0;
  // A rejected key or a corrected offset.
  virtual void Beep() = 0;

  void SelectForTyping(TextBox& box) {
    box.SelStart = 0;
    box.SelLength = 5;
  }

 private:
  void LimitOnLeaving(TextBox& box, double limit, std::string_view limitText, std::string_view belowZeroText);
};

}  // namespace orvane::app
