// localmoons, sunsets, times and locations: the runs at the user's place.
#include <algorithm>
#include <memory>
#include <vector>

#include "app/holy_days_window.h"
#include "app/locations.h"
#include "app/user_data_file.h"
#include "cli/commands.h"
#include "cli/terminal_text.h"
#include "engine/numeric.h"

namespace orvane::cli {

namespace {

using app::HolyDaysWindow;

struct PlaceOptions {
  std::string year;
  bool gregorian = false;
  bool crlf = false;
  std::string location;
  std::string lat, lon, gmt, name;
  std::string data;  // --data FILE: the data file read instead of the usual one
  detail::CalendarFileOptions calendar;
  detail::OutputFormat format = detail::OutputFormat::Text;
  // The place options, to tell an option given empty from one not given.
  CLI::Option* locationOption = nullptr;
  CLI::Option* latOption = nullptr;
  CLI::Option* lonOption = nullptr;
  CLI::Option* gmtOption = nullptr;
};

bool Given(const CLI::Option* option) { return option->count() > 0; }

bool AllDigits(const std::string& s, std::size_t maxDigits) {
  if (s.empty() || s.size() > maxDigits) return false;
  for (char c : s) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The words of a text between blanks.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t end = std::min(text.find(' ', i), text.size());
    if (end > i) words.push_back(text.substr(i, end - i));
    i = end + 1;
  }
  // "47N": the direction may follow the minutes without a blank.
  if (words.size() == 2 && words[1].size() > 1) {
    const char last = words[1].back();
    if ((last >= 'A' && last <= 'Z') || (last >= 'a' && last <= 'z')) {
      words[1].pop_back();
      words.emplace_back(1, last);
    }
  }
  return words;
}

// The texts of the degree, minute and direction boxes of "DEG MIN DIR", or
// an error message.  `directions` holds the two letters in capitals.
bool ParseCoordinate(const std::string& option, const std::string& text, std::size_t degreeDigits,
                     const char* directions, const char* example, std::string& boxes, std::string& error) {
  const std::vector<std::string> w = Words(text);
  bool ok = w.size() == 3 && AllDigits(w[0], degreeDigits) && AllDigits(w[1], 2) && w[2].size() == 1;
  char dir = ok ? w[2][0] : ' ';
  if (dir >= 'a' && dir <= 'z') dir = static_cast<char>(dir - 'a' + 'A');
  ok = ok && (dir == directions[0] || dir == directions[1]);
  if (!ok) {
    error = option + " must be whole degrees (at most " + num::CStr(degreeDigits) +
            " digits), whole minutes and " + directions[0] + " or " + directions[1] + ", e.g. \"" + example +
            "\"; not " + detail::Quoted(text);
    return false;
  }
  boxes = w[0] + " " + w[1] + " " + dir;
  return true;
}

// The offset as the offset box takes it: an offset of 0 to 14 hours in at
// most the box's five characters.
bool ParseOffset(const std::string& text, std::size_t boxLength, std::string& error) {
  if (text.size() <= boxLength && app::ZoneOffsetHours(text)) return true;
  error =
      "--gmt must be the hours from UTC, 0 to 14, without a sign (E or W of --lon gives it) and in at most " +
      num::CStr(static_cast<double>(boxLength)) + " characters, e.g. 2 or 5.5; not " + detail::Quoted(text);
  return false;
}

// Where the window reads the data file: the file of --data, or the one the
// desktop program uses (the working directory's, else the per-user one).
void UseDataFile(HolyDaysWindow& w, const std::string& data) {
  w.SetUserDataFolders(data.empty() ? app::DefaultUserDataFolders() : app::NamedUserDataFile(data));
}

// Reads "UserData.Dat" into the window without ever writing it; notes a
// damaged or unreadable file.  A missing or unreadable file gives the
// default entry.  Returns where the file was read or looked for.
std::filesystem::path LoadLocations(HolyDaysWindow& w, const std::string& data, CommandContext& ctx) {
  const app::LoadOutcome loaded = w.LoadUserData();
  if (loaded.status == app::LoadStatus::Missing) {
    // A file named on the command line was meant to be there.
    if (!data.empty())
      ctx.Note("there is no file " + loaded.path.string() + "; the default location is used");
    w.UseDefaultLocation();
  } else if (loaded.status == app::LoadStatus::Unreadable) {
    ctx.Note(loaded.path.string() + " is not read (" + loaded.error + "); the default location is used");
    w.UseDefaultLocation();
  } else if (loaded.status == app::LoadStatus::Damaged) {
    ctx.Note(loaded.path.string() + " cannot be read from line " + num::CStr(loaded.reading.badLine) +
             " on (" + loaded.reading.problem + "); the locations before it are used");
  }
  return loaded.path;
}

// Puts the place into the window: a stored location by name, the seven
// coordinate boxes typed from the options, or the file's current location.
// Returns false, after ctx.Fail, for a place it cannot use.
bool SetPlace(HolyDaysWindow& w, const PlaceOptions& o, CommandContext& ctx) {
  const bool typed = Given(o.latOption) || Given(o.lonOption) || Given(o.gmtOption);
  if (!typed) {
    const std::filesystem::path file = LoadLocations(w, o.data, ctx);
    if (!Given(o.locationOption)) return true;
    for (const app::Location& entry : w.userData().Locations) {
      if (entry.name != o.location) continue;
      w.cboLocation.Text = entry.name;
      w.cboLocation_Click();
      return true;
    }
    ctx.Fail("no location named " + detail::Quoted(o.location) + " in " + file.string() +
             " (see orvane-cli locations)");
    return false;
  }
  if (!Given(o.latOption) || !Given(o.lonOption) || !Given(o.gmtOption)) {
    ctx.Fail("--lat, --lon and --gmt give the place together; one is missing");
    return false;
  }
  std::string lat, lon, error;
  if (!ParseCoordinate("--lat", o.lat, w.txtLatDeg.MaxLength, "NS", "31 47 N", lat, error) ||
      !ParseCoordinate("--lon", o.lon, w.txtLongDeg.MaxLength, "EW", "35 13 E", lon, error) ||
      !ParseOffset(o.gmt, w.txtGMT.MaxLength, error)) {
    ctx.Fail(error);
    return false;
  }
  // Typed as a user types them: a blank moves on to the next box, and each
  // degree or minute box is held to its limits when it is left.
  if (w.EnterPlace(lat, lon, o.gmt) != 0) {
    ctx.Fail("the coordinates were not accepted by the coordinate boxes");
    return false;
  }
  const std::string given = lat + ", " + lon;
  if (w.CoordinatesText() != given) {
    ctx.Note("the place " + given + " was read as " + w.CoordinatesText() +
             " (latitudes run to 60 degrees, longitudes to 180, minutes to 59)");
  }
  // A place typed without a name is captioned without one.
  w.CaptionOmitsEmptyName = true;
  w.userData().LocationName = o.name;
  w.cboLocation.Text = o.name;
  return true;
}

struct PlaceCommandKind {
  const char* name;
  const char* description;
  const char* section;
  void (HolyDaysWindow::*click)();
  bool gregorianOption;
  bool calendarFileOptions;  // --ics and --years
  // The data forms --format offers besides the text.
  std::vector<detail::OutputFormat> dataFormats;
};

// The run's data in the form --format asks for.
std::string ReportData(const PlaceOptions& o, const PlaceCommandKind& kind, const report::ReportCollector& c,
                       const std::string& placeName) {
  const bool csv = o.format == detail::OutputFormat::Csv;
  const std::string_view name = kind.name;
  if (name == "sunsets")
    return csv ? report::SunsetsCsv(c) : report::JsonText(report::SunsetsJson(c, placeName));
  if (name == "times") return csv ? report::TimesCsv(c) : report::JsonText(report::TimesJson(c, placeName));
  return report::JsonText(report::CalendarReportJson(name, c.calendarRuns.back(), placeName));
}

int RunPlaceCommand(const PlaceOptions& o, const PlaceCommandKind& kind, CommandContext& ctx) {
  const bool data = o.format != detail::OutputFormat::Text;
  if (!detail::DataFormatFits(o.format, o.calendar, ctx)) return 2;
  SilentBeeper beeper;
  HolyDaysWindow w(beeper);
  w.SetUserDataWritable(false);  // the command line never writes the user's file
  UseDataFile(w, o.data);
  w.Form_Load(ctx.currentYear);
  detail::CollectingRuns collecting(w.engine());
  w.SwitchSection(kind.section);
  if (!SetPlace(w, o, ctx)) return 2;
  std::vector<std::string> years;
  if (!detail::YearsToRun(o.calendar, o.year.empty() ? w.txtYear : o.year, ctx, years)) return 2;
  const detail::YearRuns done = detail::RunEachYear(w, years, o.crlf, ctx, [&] {
    w.chkGregYear = o.gregorian;
    (w.*kind.click)();
  });
  // With --ics the file is written first; nothing is printed when it cannot be.
  if (!o.calendar.file.empty() && !detail::WriteCalendarFile(o.calendar, done.runs, ctx)) return 2;
  if (data) {
    ctx.out += ReportData(o, kind, collecting.collector, w.LocationName());
  } else if (o.calendar.file != detail::kStandardOutput) {
    ctx.out += done.report;
  }
  return 0;
}

void AddDataOption(CLI::App* cmd, std::string& data) {
  cmd->add_option("--data", data,
                  "Read the locations from FILE instead of UserData.Dat (in the working folder when one is "
                  "there, else in $XDG_DATA_HOME/orvane or ~/.local/share/orvane)")
      ->type_name("FILE");
}

void AddPlaceFlags(CLI::App* cmd, PlaceOptions& o) {
  CLI::Option* location = o.locationOption =
      cmd->add_option("--location", o.location,
                      "A location stored in UserData.Dat, by its name (see orvane-cli "
                      "locations). Default: its current location, "
                      "or Jerusalem when there is no file");
  CLI::Option* lat = o.latOption =
      cmd->add_option("--lat", o.lat, "Latitude as \"DEG MIN N|S\", e.g. \"31 47 N\" (up to 60 59)");
  CLI::Option* lon = o.lonOption =
      cmd->add_option("--lon", o.lon, "Longitude as \"DEG MIN E|W\", e.g. \"35 13 E\"");
  CLI::Option* gmt = o.gmtOption = cmd->add_option(
      "--gmt", o.gmt, "Hours from UTC, 0 to 14, without sign (east or west as --lon), e.g. 2 or 5.5");
  CLI::Option* name =
      cmd->add_option("--name", o.name, "The place's name in the caption (with --lat, --lon, --gmt)");
  location->excludes(lat)->excludes(lon)->excludes(gmt)->excludes(name);
  AddDataOption(cmd, o.data);
  name->needs(lat);
}

void AddPlaceCommand(CommandSet& set, const PlaceCommandKind& kind) {
  auto o = std::make_shared<PlaceOptions>();
  CLI::App* cmd = set.Add(kind.name, kind.description,
                          [o, kind](CommandContext& ctx) { return RunPlaceCommand(*o, kind, ctx); });
  CLI::Option* year = cmd->add_option("YEAR", o->year,
                                      "Year to compute, -4004 to 9999; BCE years are negative (-1 is 1 "
                                      "BCE, 0 is read as -1). Default: the current year.");
  year->check(detail::WholeNumber());
  if (kind.calendarFileOptions) detail::AddCalendarFileOptions(cmd, year, o->calendar);
  detail::AddFormatOption(cmd, o->format, kind.dataFormats);
  if (kind.gregorianOption) {
    cmd->add_flag(
        "--gregorian", o->gregorian,
        "Start on 1 January instead of the first day of the year's first Biblical month at the place");
  }
  AddPlaceFlags(cmd, *o);
  cmd->add_flag("--crlf", o->crlf, "End lines with CR LF, as the program's pane does (default: LF)");
}

// "31 46 N": a stored coordinate as the boxes show it.
std::string CoordinateText(double value, char positive, char negative) {
  return num::CStr(app::WholeDegrees(value)) + " " + num::CStr(app::WholeMinutes(value)) + " " +
         (value >= 0 ? positive : negative);
}

struct ListOptions {
  std::string data;
  bool names = false;
};

int ListLocations(const ListOptions& o, CommandContext& ctx) {
  SilentBeeper beeper;
  HolyDaysWindow w(beeper);
  w.SetUserDataWritable(false);
  UseDataFile(w, o.data);
  w.Form_Load(ctx.currentYear);
  LoadLocations(w, o.data, ctx);
  const std::vector<app::Location>& entries = w.userData().Locations;
  if (o.names) {
    for (const app::Location& e : entries) ctx.out += TerminalText(e.name) + "\n";
    return 0;
  }
  // Names are shown with any control characters escaped, and padded as shown.
  std::vector<std::string> names;
  names.reserve(entries.size());
  for (const app::Location& e : entries) names.push_back(TerminalText(e.name));
  std::size_t width = 4;
  for (const std::string& name : names) width = std::max(width, app::CharacterCount(name));
  auto pad = [](std::string s, std::size_t n) {
    const std::size_t count = app::CharacterCount(s);
    if (count < n) s.append(n - count, ' ');
    return s;
  };
  ctx.out += "  " + pad("NAME", width) + "  LATITUDE  LONGITUDE  UTC OFFSET\n";
  for (std::size_t i = 0; i < entries.size(); ++i) {
    const app::Location& e = entries[i];
    ctx.out += (e.name == w.LocationName() ? "* " : "  ") + pad(names[i], width) + "  " +
               pad(CoordinateText(e.latitude, 'N', 'S'), 8) + "  " +
               pad(CoordinateText(e.longitude, 'W', 'E'), 9) + "  " + (e.longitude >= 0 ? "-" : "+") +
               app::ZoneCaptionText(e.zone) + "\n";
  }
  ctx.out += "Current location: " + TerminalText(w.LocationName()) + "\n";
  return 0;
}

}  // namespace

namespace detail {

struct PlaceOptionSet {
  PlaceOptions options;
};

std::shared_ptr<PlaceOptionSet> AddPlaceOptions(CLI::App* cmd) {
  auto set = std::make_shared<PlaceOptionSet>();
  AddPlaceFlags(cmd, set->options);
  return set;
}

bool ReadPlace(const PlaceOptionSet& set, CommandContext& ctx, Place& place) {
  SilentBeeper beeper;
  HolyDaysWindow w(beeper);
  w.SetUserDataWritable(false);
  UseDataFile(w, set.options.data);
  w.Form_Load(ctx.currentYear);
  w.SwitchSection("LocalMoons");
  if (!SetPlace(w, set.options, ctx)) return false;
  const app::BoxPlace boxes = w.PlaceOfBoxes();
  place.latitude = boxes.latitude;
  place.longitudeEast = boxes.longitudeEast;
  place.zoneOffset = boxes.zoneOffset;
  place.name = w.LocationName();
  place.coordinates = w.CoordinatesText();
  return true;
}

}  // namespace detail

void AddLocationCommands(CommandSet& set) {
  AddPlaceCommand(set, {"localmoons",
                        "The month starts of fourteen lunations from the start of a year at a place",
                        "LocalMoons",
                        &HolyDaysWindow::cmdLocMon_Click,
                        false,
                        true,
                        {detail::OutputFormat::Json}});
  AddPlaceCommand(set, {"sunsets",
                        "The sunsets of a year at a place, four dates to a line",
                        "Sunset",
                        &HolyDaysWindow::cmdSunset_Click,
                        true,
                        false,
                        {detail::OutputFormat::Json, detail::OutputFormat::Csv}});
  AddPlaceCommand(set, {"times",
                        "Sunrise, sunset, moonrise, moonset and the moon's illumination for every day "
                        "of a year at a place",
                        "Times",
                        &HolyDaysWindow::cmdTimes_Click,
                        true,
                        false,
                        {detail::OutputFormat::Json, detail::OutputFormat::Csv}});
  auto o = std::make_shared<ListOptions>();
  CLI::App* cmd = set.Add("locations", "The locations stored in UserData.Dat (* marks the current one)",
                          [o](CommandContext& ctx) { return ListLocations(*o, ctx); });
  cmd->add_flag("--names", o->names, "Only the names, one a line, as --location takes them");
  AddDataOption(cmd, o->data);
}

}  // namespace orvane::cli
