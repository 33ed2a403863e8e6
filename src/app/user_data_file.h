// Where "UserData.Dat" lives, and reading and writing it safely.
//
// The file lives in the working directory.  When that folder cannot be
// written, the per-user data folder of the platform is used instead; a file
// in the working directory is then still read (it may have been shipped
// with the program) until the first save puts one in the per-user folder.
//
// Saving never leaves a half-written file: the text goes to a temporary file
// beside the old one, which then takes its place in one rename.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

#include "app/user_data.h"

namespace orvane::app {

inline constexpr std::string_view kUserDataFileName = "UserData.Dat";
inline constexpr std::string_view kDamagedCopySuffix = ".bak";

// The most of a file that is read.  A file the program writes stays far
// below it (501 entries of a few dozen bytes); a larger one is read up to
// here and counts as damaged when it ends there.
inline constexpr std::size_t kMaxUserDataBytes = 4 * 1024 * 1024;

struct UserDataFolders {
  std::filesystem::path working;  // first choice
  std::filesystem::path perUser;  // when `working` cannot be written
};

// The working directory and the platform's per-user data folder for Orvane:
// %APPDATA%\Orvane on Windows, ~/Library/Application Support/Orvane on macOS,
// $XDG_DATA_HOME/orvane or ~/.local/share/orvane elsewhere.
UserDataFolders DefaultUserDataFolders();

// Whether a file can be created in the folder (tried with a probe file that
// is removed again).
bool FolderIsWritable(const std::filesystem::path& folder);

enum class LoadStatus { Read, Missing, Damaged };

struct LoadOutcome {
  LoadStatus status = LoadStatus::Missing;
  std::filesystem::path path;  // the file read, or where it was looked for
  UserDataReading reading;     // for a damaged file: where and why reading stopped
};

// Reads the file into `data` (see ReadUserData for what a damaged file leaves).
LoadOutcome LoadUserDataFile(const UserDataFolders& folders, UserData& data);

struct WriteOutcome {
  bool ok = false;
  std::filesystem::path path;  // the file written, or the one that could not be
  std::string error;           // why not, in plain words
};

// The file a save writes: in the working directory when it can be written,
// else in the per-user folder.
std::filesystem::path UserDataSavePath(const UserDataFolders& folders);

// Writes the whole file from `data` into the folder that can be written.
WriteOutcome SaveUserDataFile(const UserDataFolders& folders, const UserData& data);

// Keeps a copy of a damaged file beside it as "UserData.Dat.bak" (replacing
// an older copy), so that what follows the damage can be recovered by hand.
WriteOutcome KeepDamagedCopy(const std::filesystem::path& damaged);

// Writes `text` to `target` through a temporary file beside it and a rename.
WriteOutcome ReplaceFile(const std::filesystem::path& target, std::string_view text);

}  // namespace orvane::app
