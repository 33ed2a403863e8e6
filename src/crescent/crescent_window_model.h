// The crescent visibility window as a model: a date box, the table of five
// evenings from that date at the place of the main window's coordinate
// boxes, and the world grid of the first evening for its map.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "crescent/crescent_report.h"
#include "crescent/world_grid.h"

namespace orvane::crescent {

class CrescentWindowModel {
 public:
  static constexpr std::string_view kCaption = "Crescent Visibility";
  static constexpr std::string_view kHelpKey = "Crescent";
  static constexpr int kEvenings = 5;

  // `help` builds the help text of a key.
  explicit CrescentWindowModel(std::function<std::string(std::string_view)> help) : help_(std::move(help)) {}

  // The date box: today's date when the window opens.
  std::string dateText;

  // The window opens on a date with its help text in the pane.
  void Form_Load(const Date& today);
  // The place the evenings are computed for.
  void SetPlace(const Observer& place, const PlaceLabel& label) {
    place_ = place;
    label_ = label;
  }
  // Computes the evenings of the date box and the map of the first; a date
  // it cannot read leaves the reason in the pane and no map.  Returns
  // whether it computed.
  bool cmdCompute_Click();
  // F1 and the Help button: the help text in the pane.
  void cmdHelp_Click() { output_ = help_(kHelpKey); }

  // The pane's text (LF line ends) and the map's grid, when computed.
  const std::string& OutputText() const { return output_; }
  const std::optional<WorldGrid>& Map() const { return map_; }
  const Observer& Place() const { return place_; }

 private:
  std::function<std::string(std::string_view)> help_;
  Observer place_;
  PlaceLabel label_;
  std::string output_;
  std::optional<WorldGrid> map_;
};

}  // namespace orvane::crescent
