#include "app/coordinate_fields.h"

#include <iterator>

#include "app/locations.h"
#include "engine/numeric.h"

namespace orvane::app {

namespace {

constexpr std::string_view kDegreeMark = "\xC2\xBA";  // U+00BA, the masculine ordinal indicator

}  // namespace

TextBox* CoordinateFields::CoordinateBox(Control control) {
  // The boxes stand in the order of their controls, from txtLatDeg to txtGMT.
  static constexpr TextBox CoordinateFields::*kBoxes[] = {
      &CoordinateFields::txtLatDeg,  &CoordinateFields::txtLatMin,  &CoordinateFields::txtLatDir,
      &CoordinateFields::txtLongDeg, &CoordinateFields::txtLongMin, &CoordinateFields::txtLonDir,
      &CoordinateFields::txtGMT};
  const int index = static_cast<int>(control) - static_cast<int>(Control::txtLatDeg);
  if (index < 0 || index >= static_cast<int>(std::size(kBoxes))) return nullptr;
  return &(this->*kBoxes[index]);
}

void CoordinateFields::CoordinateKeyPress(Control field, int& keyAscii) {
  if (keyAscii == kKeyBlank || keyAscii == kKeyComma) {
    // A blank or comma moves on to the next box; the key itself is dropped.
    keyAscii = 0;
    MoveOnFrom(field);
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

void CoordinateFields::SetCoordinateText(TextBox& box, std::string text) {
  if (box.Text == text) return;
  box.Text = std::move(text);
  box.SelStart = 0;
  box.SelLength = 0;
  CoordinateChanged();
}

void CoordinateFields::LimitOnLeaving(TextBox& box, double limit, std::string_view limitText,
                                      std::string_view belowZeroText) {
  const double value = num::Val(box.Text);
  if (value > limit) {
    SetCoordinateText(box, std::string(limitText));
  } else if (value < 0) {
    SetCoordinateText(box, std::string(belowZeroText));
  }
}

void CoordinateFields::txtGMT_LostFocus() {
  std::string offset = OffsetBoxOnLeaving(txtGMT.Text);
  if (offset == txtGMT.Text) return;
  SetCoordinateText(txtGMT, std::move(offset));
  Beep();
}

void CoordinateFields::ShowLocation(const Location& entry) {
  SetCoordinateText(txtLatDeg, num::CStr(WholeDegrees(entry.latitude)));
  SetCoordinateText(txtLatMin, num::CStr(WholeMinutes(entry.latitude)));
  SetCoordinateText(txtLongDeg, num::CStr(WholeDegrees(entry.longitude)));
  SetCoordinateText(txtLongMin, num::CStr(WholeMinutes(entry.longitude)));
  SetCoordinateText(txtGMT, entry.zone);
  SetCoordinateText(txtLatDir, entry.latitude >= 0 ? "N" : "S");
  SetCoordinateText(txtLonDir, entry.longitude >= 0 ? "W" : "E");
}

Location CoordinateFields::LocationFromBoxes(std::string name) const {
  Location entry;
  entry.name = std::move(name);
  entry.latitude = DegMinToDecimal(BoxInteger(txtLatDeg.Text), BoxInteger(txtLatMin.Text));
  if (txtLatDir.Text == "S") entry.latitude = -entry.latitude;
  entry.longitude = DegMinToDecimal(BoxInteger(txtLongDeg.Text), BoxInteger(txtLongMin.Text));
  if (txtLonDir.Text == "E") entry.longitude = -entry.longitude;
  entry.zone = StoredZoneText(txtGMT.Text);
  return entry;
}

BoxPlace CoordinateFields::PlaceOfBoxes() const {
  double longitude = DegMinToDecimal(BoxInteger(txtLongDeg.Text), BoxInteger(txtLongMin.Text));
  double latitude = DegMinToDecimal(BoxInteger(txtLatDeg.Text), BoxInteger(txtLatMin.Text));
  if (longitude > kMaxLongitude) longitude = kMaxLongitude;
  if (latitude > kMaxLatitude) latitude = kMaxLatitude;
  // Only negative minutes pasted into a box reach below the limits; they
  // are held at the same limits, where the sun still sets every day.
  if (longitude < -kMaxLongitude) longitude = -kMaxLongitude;
  if (latitude < -kMaxLatitude) latitude = -kMaxLatitude;
  BoxPlace place;
  place.longitudeEast = txtLonDir.Text == "E" ? longitude : -longitude;
  place.latitude = txtLatDir.Text == "S" ? -latitude : latitude;
  const double offset = num::Val(txtGMT.Text);
  place.zoneOffset = txtLonDir.Text != "W" ? offset : -offset;
  return place;
}

void CoordinateFields::ReadPlaceInto(EphemerisState& st) const {
  const BoxPlace place = PlaceOfBoxes();
  st.Longitude = -place.longitudeEast;  // the engine counts east negative
  st.Latitude = place.latitude;
  st.ZoneHours = 12 + place.zoneOffset;
}

std::string CoordinateFields::CoordinatesText() const {
  return txtLatDeg.Text + " " + txtLatMin.Text + " " + txtLatDir.Text + ", " + txtLongDeg.Text + " " +
         txtLongMin.Text + " " + txtLonDir.Text;
}

std::string CoordinateFields::PlaceCaption() const {
  const std::string sign = txtLonDir.Text == "W" ? "-" : "+";
  return txtLatDeg.Text + std::string(kDegreeMark) + txtLatMin.Text + "'" + txtLatDir.Text + " " +
         txtLongDeg.Text + std::string(kDegreeMark) + txtLongMin.Text + "'" + txtLonDir.Text + " GMT " +
         sign + ZoneCaptionText(txtGMT.Text);
}

}  // namespace orvane::app
