#include "app/sections.h"

namespace orvane::app {

namespace {
constexpr std::string_view kWebAddress = "orvane.example";
}

const Section* FindSection(std::string_view key) {
  for (const Section& s : kSections) {
    if (s.key == key) return &s;
  }
  return nullptr;
}

std::string SectionCaption(const Section& section) {
  return "Orvane - " + std::string(section.captionMiddle) + " - " + std::string(kWebAddress);
}

bool ShowsButton(const Section& section, Button button) {
  for (int i = 0; i < section.buttonCount; ++i) {
    if (section.buttons[static_cast<std::size_t>(i)] == button) return true;
  }
  return false;
}

}  // namespace orvane::app
