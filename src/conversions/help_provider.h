// How the conversion, Rabbinical-year and Easter windows reach the help texts,
// which live in the layer above them.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace orvane::conversions {

// Gives the help text of a section key ("Conversions", "Rabbinic", "Easter").
using HelpProvider = std::function<std::string(std::string_view key)>;

}  // namespace orvane::conversions
