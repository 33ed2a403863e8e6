#include "app/user_data_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include "engine/numeric.h"

namespace orvane::app {

namespace fs = std::filesystem;

namespace {

// A name for a scratch file beside `target` that no other writer picks.
fs::path ScratchPath(const fs::path& target, std::string_view what) {
  std::random_device random;
  const unsigned long long bits = (static_cast<unsigned long long>(random()) << 32) | random();
  return target.parent_path() /
         (target.filename().string() + "." + std::string(what) + "-" + num::HexDigits(bits, 16));
}

std::string ErrnoText() { return std::strerror(errno); }

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

UserDataFolders DefaultUserDataFolders() {
  UserDataFolders folders;
  std::error_code ec;
  folders.working = fs::current_path(ec);
#if defined(_WIN32)
  const std::string appData = EnvironmentValue("APPDATA");
  if (!appData.empty()) folders.perUser = fs::path(appData) / "Orvane";
#elif defined(__APPLE__)
  const std::string home = EnvironmentValue("HOME");
  if (!home.empty()) folders.perUser = fs::path(home) / "Library" / "Application Support" / "Orvane";
#else
  const std::string xdg = EnvironmentValue("XDG_DATA_HOME");
  const std::string home = EnvironmentValue("HOME");
  if (!xdg.empty() && fs::path(xdg).is_absolute()) {
    folders.perUser = fs::path(xdg) / "orvane";
  } else if (!home.empty()) {
    folders.perUser = fs::path(home) / ".local" / "share" / "orvane";
  }
#endif
  return folders;
}

bool FolderIsWritable(const fs::path& folder) {
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return false;
  const fs::path probe = ScratchPath(folder / kUserDataFileName, "probe");
  std::FILE* f = std::fopen(probe.string().c_str(), "wx");
  if (f == nullptr) return false;
  std::fclose(f);
  fs::remove(probe, ec);
  return true;
}

LoadOutcome LoadUserDataFile(const UserDataFolders& folders, UserData& data) {
  const fs::path preferred = UserDataSavePath(folders);
  const bool workingWritable = preferred.parent_path() == folders.working;
  LoadOutcome outcome;
  outcome.path = preferred;
  std::error_code ec;
  if (!fs::exists(preferred, ec)) {
    // A file shipped in a folder that cannot be written is read until the
    // first save puts the user's own in the per-user folder.
    const fs::path shipped = folders.working / kUserDataFileName;
    if (workingWritable || !fs::exists(shipped, ec)) {
      data.Locations.clear();
      return outcome;  // Missing
    }
    outcome.path = shipped;
  }

  std::ifstream in(outcome.path, std::ios::binary);
  if (!in) {
    outcome.status = LoadStatus::Damaged;
    outcome.reading.badLine = 1;
    outcome.reading.problem = "the file cannot be opened: " + ErrnoText();
    data.Locations.clear();
    return outcome;
  }
  std::string text;
  char chunk[1 << 16];
  while (text.size() < kMaxUserDataBytes) {
    const std::size_t want = std::min(sizeof chunk, kMaxUserDataBytes - text.size());
    in.read(chunk, static_cast<std::streamsize>(want));
    text.append(chunk, static_cast<std::size_t>(in.gcount()));
    if (!in) break;
  }
  if (in.bad()) {
    outcome.status = LoadStatus::Damaged;
    outcome.reading.badLine = 1;
    outcome.reading.problem = "the file cannot be read";
    data.Locations.clear();
    return outcome;
  }
  outcome.reading = ReadUserData(text, data);
  outcome.status = outcome.reading.complete ? LoadStatus::Read : LoadStatus::Damaged;
  return outcome;
}

WriteOutcome ReplaceFile(const fs::path& target, std::string_view text) {
  WriteOutcome outcome;
  outcome.path = target;
  const fs::path scratch = ScratchPath(target, "tmp");
  std::FILE* f = std::fopen(scratch.string().c_str(), "wbx");
  if (f == nullptr) {
    outcome.error = ErrnoText();
    return outcome;
  }
  bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size() && std::fflush(f) == 0;
  if (!written) outcome.error = ErrnoText();
#ifdef _WIN32
  if (written && _commit(_fileno(f)) != 0) {
#else
  if (written && fsync(fileno(f)) != 0) {
#endif
    written = false;
    outcome.error = ErrnoText();
  }
  if (std::fclose(f) != 0 && written) {
    written = false;
    outcome.error = ErrnoText();
  }
  std::error_code ec;
  if (written) {
    fs::rename(scratch, target, ec);
    if (ec) {
      written = false;
      outcome.error = ec.message();
    }
  }
  if (!written) {
    fs::remove(scratch, ec);
    return outcome;
  }
  outcome.ok = true;
  return outcome;
}

fs::path UserDataSavePath(const UserDataFolders& folders) {
  const bool useWorking = FolderIsWritable(folders.working) || folders.perUser.empty();
  return (useWorking ? folders.working : folders.perUser) / kUserDataFileName;
}

WriteOutcome SaveUserDataFile(const UserDataFolders& folders, const UserData& data) {
  const fs::path target = UserDataSavePath(folders);
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  return ReplaceFile(target, WriteUserData(data));
}

WriteOutcome KeepDamagedCopy(const fs::path& damaged) {
  WriteOutcome outcome;
  outcome.path = damaged;
  outcome.path += kDamagedCopySuffix;
  const fs::path scratch = ScratchPath(outcome.path, "tmp");
  std::error_code ec;
  fs::copy_file(damaged, scratch, fs::copy_options::overwrite_existing, ec);
  if (!ec) fs::rename(scratch, outcome.path, ec);
  if (ec) {
    outcome.error = ec.message();
    fs::remove(scratch, ec);
    return outcome;
  }
  outcome.ok = true;
  return outcome;
}

}  // namespace orvane::app
