// Where "UserData.Dat" lives, and reading and writing it without losing
// anything.
//
// Which file: "UserData.Dat" in the working directory when one is already
// there (a program folder carried from machine to machine, and every file
// written before the per-user folder was the rule); otherwise the one in the
// per-user data folder, which the first start creates.  A file the user
// names (--data FILE) is used alone.  When the working directory's file
// cannot be replaced because its folder cannot be written, saves go to the
// per-user folder and that file is still read (it may have been shipped
// with the program) until the first save puts one there.  The per-user file
// is also read when the working directory's file cannot be (the user chose
// to save there instead, see UserDataFile::UsePerUserFolder).
//
// A save never loses what the file holds:
//   - it never replaces a file whose contents it could not read (another
//     owner, no read permission, a named pipe or device of that name);
//   - a damaged file is copied aside first, as "UserData.Dat.bak" or, when
//     that name is taken, "UserData.Dat.bak.2" up to ".bak.9", never
//     replacing an earlier copy;
//   - what another running copy of the program saved since this one read
//     the file is merged in (MergeOtherCopy), the copies taking turns under
//     a lock on the folder;
//   - what it writes is what it reads back: a text the reader would not
//     take whole, or would read as other values, is not written;
//   - the file is replaced whole through a temporary file and a rename,
//     keeping its mode, and written through a symbolic link to it.
#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/user_data.h"
#include "io/safe_file.h"

namespace orvane::app {

inline constexpr std::string_view kUserDataFileName = "UserData.Dat";
inline constexpr std::string_view kDamagedCopySuffix = ".bak";
// Copies of damaged files kept beside the file: ".bak", ".bak.2" .. ".bak.9".
inline constexpr int kMaxDamagedCopies = 9;

// The most of a file that is read.  A file the program writes stays far
// below it (501 entries of a few dozen bytes); a larger one is read up to
// here and counts as damaged when it ends there.  A save whose text would
// be larger is refused, so that the program never writes what it cannot read.
inline constexpr std::size_t kMaxUserDataBytes = std::size_t{4} * 1024 * 1024;

// The per-user data folder's name within the platform's data folders, as
// the desktop program's toolkit names it after the application.
inline constexpr std::string_view kPerUserFolderName = "orvane";

struct UserDataFolders {
  UserDataFolders() = default;
  UserDataFolders(std::filesystem::path workingFolder, std::filesystem::path perUserFolder)
      : working(std::move(workingFolder)), perUser(std::move(perUserFolder)) {}

  std::filesystem::path working;  // used when it holds the file already
  std::filesystem::path perUser;  // otherwise; created by the first save
  // The per-user folder of earlier versions: its file is read, never
  // written, while `perUser` holds none, so that nothing saved there is lost.
  std::filesystem::path formerPerUser;
  // A file the user named: read and saved there alone, without any of the
  // folders above.
  std::filesystem::path named;
};

// The folders for a working directory and a per-user data folder (empty
// when the platform has none): the former per-user folder is the one beside
// it whose name differs in the case of its letters only.
UserDataFolders UserDataFoldersFor(std::filesystem::path working, std::filesystem::path perUser);

// Only the file `file` (relative to the working directory).
UserDataFolders NamedUserDataFile(const std::filesystem::path& file);

// The platform's per-user data folder for the program, from the
// environment, as the desktop program's toolkit finds it:
// $XDG_DATA_HOME/orvane when that is an absolute path, else
// ~/.local/share/orvane; %APPDATA%\orvane on Windows and
// ~/Library/Application Support/orvane on macOS.  Empty when there is no home.
std::filesystem::path PlatformPerUserFolder();

// The working directory and PlatformPerUserFolder().
UserDataFolders DefaultUserDataFolders();

// Whether a file can be created in the folder (tried with a probe file that
// is removed again).
bool FolderIsWritable(const std::filesystem::path& folder);

// The file a save writes first: the named file; else the working
// directory's when it is there and its folder can be written; else the
// per-user folder's.
std::filesystem::path UserDataSavePath(const UserDataFolders& folders);

enum class LoadStatus {
  Read,        // read whole
  Missing,     // no file
  Damaged,     // read up to a damaged line (see `reading`)
  Unreadable,  // there, but not read: no permission, or not a regular file (see `error`)
};

struct LoadOutcome {
  LoadStatus status = LoadStatus::Missing;
  std::filesystem::path path;  // the file read, or where it was looked for
  UserDataReading reading;     // for a damaged file: where and why reading stopped
  std::string error;           // for an unreadable file: why, e.g. "it is a named pipe, not a regular file"
};

struct SaveOutcome {
  bool ok = false;
  std::filesystem::path path;  // the file written, or the one that could not be
  std::string error;           // why not, in plain words
  // The per-user folder might take the file where this place failed (the
  // failure was the place's, not the data's, and saves go elsewhere now).
  bool perUserMayHelp = false;
  // Entries, names or colours another running copy saved were taken in.
  bool merged = false;
};

// Keeps a copy of a damaged file beside it: "UserData.Dat.bak", or the
// first free name up to "UserData.Dat.bak.9".  A copy with the same bytes
// already there is enough; an earlier copy is never replaced.
io::WriteOutcome KeepDamagedCopy(const std::filesystem::path& damaged);

// One running copy's view of the file: where it is read and saved, and what
// it held when this copy last read or wrote it.
class UserDataFile {
 public:
  explicit UserDataFile(UserDataFolders folders);

  // Reads the file into `data` (see ReadUserData for what a damaged file
  // leaves; the list is empty when nothing could be read).  Never waits on
  // a named pipe or device and never opens one for reading.
  LoadOutcome Load(UserData& data);

  // Writes the whole file from `data`, first taking in what another copy of
  // the program saved since this one read the file (`data` then holds the
  // merged state).  Fails, leaving the file as it is and `data` as it was,
  // when the file there could not be read, is damaged and cannot be copied
  // aside, or cannot be replaced (a folder that cannot be written, a full
  // disk), and when the text would be too large or would not read back as
  // the same values.
  SaveOutcome Save(UserData& data);

  // The file saves go to.
  const std::filesystem::path& Path() const { return home_; }
  // The per-user folder's file, when saves do not already go there.
  std::optional<std::filesystem::path> PerUserPath() const;
  // From now on saves go to the per-user folder (created when needed); a
  // file already there is merged with, never overwritten blind.
  void UsePerUserFolder();

 private:
  UserDataFolders folders_;
  std::filesystem::path home_;
  // The text of the file at home_ when this copy last read or wrote it
  // (nothing: there was no file), and its values as a merge compares them.
  std::optional<std::string> baseText_;
  UserData base_;
};

}  // namespace orvane::app
