// The load-then-save path of "UserData.Dat" over the bytes of one file (a
// read and a save, as after a failed read or on File, Save, then an entry
// added and saved): no readable entry may be lost, what was saved must read
// back whole, and no temporary file may be left.
#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "app/user_data.h"
#include "app/user_data_file.h"
#include "support/temp_dir.h"

namespace orvane::testing {

// The entries readable from `before` that are in neither the regular file at
// `path` nor a copy kept beside it (".bak", ".bak.2" ...); empty when none is lost.
inline std::string LostEntries(std::string_view before, const std::filesystem::path& path) {
  namespace fs = std::filesystem;
  using namespace orvane::app;
  UserData wanted;
  if (ReadUserData(before, wanted).defaultInstalled) wanted.Locations.clear();
  std::vector<UserData> kept;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(path.parent_path(), ec)) {
    const std::string name = entry.path().filename().string();
    if (name.rfind(path.filename().string(), 0) != 0 || !fs::is_regular_file(entry.path(), ec)) continue;
    ReadUserData(ReadBytes(entry.path()), kept.emplace_back());
  }
  std::string lost;
  for (const Location& entry : wanted.Locations) {
    bool found = false;
    for (const UserData& k : kept) {
      for (const Location& there : k.Locations) found = found || SameStoredEntry(entry, there);
    }
    if (!found) lost += "lost: the entry \"" + entry.name + "\"\n";
  }
  return lost;
}

// What was lost or left behind; empty when nothing.
inline std::string LoadThenSaveLosesNothing(std::string_view bytes, const std::filesystem::path& folder) {
  namespace fs = std::filesystem;
  using namespace orvane::app;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) fs::remove_all(entry.path(), ec);
  const fs::path path = folder / kUserDataFileName;
  WriteBytes(path, std::string(bytes));

  UserDataFile file({folder, folder / "per-user"});
  UserData data;
  file.Load(data);
  const SaveOutcome first = file.Save(data);
  data.Locations.push_back({"Added", 1, 2, "3"});
  const SaveOutcome second =
      data.Locations.size() <= static_cast<std::size_t>(kLastPossibleIndex + 1) ? file.Save(data) : first;

  std::string problems = LostEntries(bytes, path);
  UserData now;
  if ((first.ok || second.ok) && !ReadUserData(ReadBytes(path), now).complete)
    problems += "the saved file does not read back whole\n";
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    const std::string name = entry.path().filename().string();
    if (name.find(".tmp-") != std::string::npos) problems += "left behind: " + name + "\n";
  }
  return problems;
}

}  // namespace orvane::testing
