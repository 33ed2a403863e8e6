#include "app/user_data_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <random>
#include <system_error>

#include "engine/numeric.h"

namespace orvane::app {

namespace fs = std::filesystem;
using io::CopyToNewFile;
using io::FileKind;
using io::FileRead;
using io::FolderLock;
using io::KindOfFile;
using io::ReadRegularFile;
using io::ReplaceFile;
using io::SameFileContents;
using io::WriteOutcome;

namespace {

std::string EnvironmentValue(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// The values of a file's text as a merge compares them: the list as the
// file states it (an index of -1 is an empty list, not the default entry).
UserData StoredValues(std::string_view text, UserDataReading& reading) {
  UserData data;
  reading = ReadUserData(text, data);
  if (reading.defaultInstalled) data.Locations.clear();
  return data;
}

// The part of a read that the reader takes: a file longer than the limit is
// read up to it.
std::string_view ReadablePart(const std::string& text) {
  return std::string_view(text).substr(0, kMaxUserDataBytes);
}

fs::path DamagedCopyName(const fs::path& damaged, int number) {
  fs::path name = damaged;
  name += kDamagedCopySuffix;
  if (number > 1) name += "." + num::CStr(number);
  return name;
}

}  // namespace

fs::path PlatformPerUserFolder() {
  const std::string name(kPerUserFolderName);
#if defined(_WIN32)
  const std::string appData = EnvironmentValue("APPDATA");
  if (!appData.empty()) return fs::path(appData) / name;
#elif defined(__APPLE__)
  const std::string home = EnvironmentValue("HOME");
  if (!home.empty()) return fs::path(home) / "Library" / "Application Support" / name;
#else
  const std::string xdg = EnvironmentValue("XDG_DATA_HOME");
  const std::string home = EnvironmentValue("HOME");
  if (!xdg.empty() && fs::path(xdg).is_absolute()) return fs::path(xdg) / name;
  if (!home.empty()) return fs::path(home) / ".local" / "share" / name;
#endif
  return {};
}

UserDataFolders UserDataFoldersFor(fs::path working, fs::path perUser) {
  UserDataFolders folders;
  folders.working = std::move(working);
  folders.perUser = std::move(perUser);
  if (!folders.perUser.empty()) {
    // Earlier versions named the folder with a capital.
    std::string former = folders.perUser.filename().string();
    if (!former.empty() && former[0] >= 'a' && former[0] <= 'z') {
      former[0] = static_cast<char>(former[0] - 'a' + 'A');
      folders.formerPerUser = folders.perUser.parent_path() / former;
    }
  }
  return folders;
}

UserDataFolders NamedUserDataFile(const fs::path& file) {
  UserDataFolders folders;
  std::error_code ec;
  folders.named = file.is_absolute() ? file : fs::absolute(file, ec);
  if (ec) folders.named = file;
  return folders;
}

UserDataFolders DefaultUserDataFolders() {
  std::error_code ec;
  return UserDataFoldersFor(fs::current_path(ec), PlatformPerUserFolder());
}

bool FolderIsWritable(const fs::path& folder) {
  std::error_code ec;
  if (folder.empty() || !fs::is_directory(folder, ec)) return false;
  std::random_device random;
  const std::uint64_t bits = (static_cast<std::uint64_t>(random()) << 32) | random();
  const fs::path probe = folder / ("UserData.Dat.probe-" + num::HexDigits(bits, 16));
  const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (fd < 0) return false;
  ::close(fd);
  ::unlink(probe.c_str());
  return true;
}

fs::path UserDataSavePath(const UserDataFolders& folders) {
  if (!folders.named.empty()) return folders.named;
  fs::path inWorking = folders.working / kUserDataFileName;
  if (folders.perUser.empty()) return inWorking;
  if (!folders.working.empty() && KindOfFile(inWorking) != FileKind::Missing &&
      FolderIsWritable(folders.working)) {
    return inWorking;
  }
  return folders.perUser / kUserDataFileName;
}

WriteOutcome KeepDamagedCopy(const fs::path& damaged) {
  std::optional<fs::path> free;
  for (int number = 1; number <= kMaxDamagedCopies; ++number) {
    const fs::path name = DamagedCopyName(damaged, number);
    const FileKind kind = KindOfFile(name);
    if (kind == FileKind::Missing) {
      if (!free) free = name;
    } else if (kind == FileKind::Regular && SameFileContents(damaged, name)) {
      WriteOutcome kept;
      kept.ok = true;
      kept.path = name;
      return kept;  // kept before
    }
  }
  if (!free) {
    WriteOutcome outcome;
    outcome.path = DamagedCopyName(damaged, 1);
    outcome.error = DamagedCopyName(damaged, 1).filename().string() + " to " +
                    DamagedCopyName(damaged, kMaxDamagedCopies).filename().string() + " are all taken";
    return outcome;
  }
  return CopyToNewFile(damaged, *free);
}

UserDataFile::UserDataFile(UserDataFolders folders) : folders_(std::move(folders)) {
  home_ = UserDataSavePath(folders_);
}

std::optional<fs::path> UserDataFile::PerUserPath() const {
  if (!folders_.named.empty() || folders_.perUser.empty()) return std::nullopt;
  const fs::path path = folders_.perUser / kUserDataFileName;
  if (path == home_) return std::nullopt;
  return path;
}

void UserDataFile::UsePerUserFolder() {
  const std::optional<fs::path> perUser = PerUserPath();
  if (!perUser) return;
  home_ = *perUser;
  baseText_.reset();
  base_ = UserData{};
}

LoadOutcome UserDataFile::Load(UserData& data) {
  LoadOutcome outcome;
  data.Locations.clear();
  home_ = UserDataSavePath(folders_);
  baseText_.reset();
  base_ = UserData{};
  const bool homeIsWorking = !folders_.working.empty() && home_ == folders_.working / kUserDataFileName;

  fs::path from = home_;
  FileRead read = ReadRegularFile(home_, kMaxUserDataBytes);
  if (read.status == FileRead::Status::Missing && !homeIsWorking && folders_.named.empty()) {
    // A file shipped in a folder that cannot be written, or the one an
    // earlier version kept in its per-user folder, is read until the first
    // save puts the user's own in the per-user folder.
    for (const fs::path& folder : {folders_.working, folders_.formerPerUser}) {
      if (folder.empty()) continue;
      FileRead earlier = ReadRegularFile(folder / kUserDataFileName, kMaxUserDataBytes);
      if (earlier.status != FileRead::Status::Missing) {
        from = folder / kUserDataFileName;
        read = std::move(earlier);
        break;
      }
    }
  } else if (read.status != FileRead::Status::Read && read.status != FileRead::Status::Missing &&
             homeIsWorking) {
    // The working directory's file cannot be read: the user's own file in
    // the per-user folder, saved there instead, when there is one.
    if (const std::optional<fs::path> perUser = PerUserPath()) {
      FileRead perUserRead = ReadRegularFile(*perUser, kMaxUserDataBytes);
      if (perUserRead.status == FileRead::Status::Read) {
        home_ = *perUser;
        from = home_;
        read = std::move(perUserRead);
      }
    }
  }

  outcome.path = from;
  switch (read.status) {
    case FileRead::Status::Missing:
      outcome.status = LoadStatus::Missing;
      return outcome;
    case FileRead::Status::Refused:
    case FileRead::Status::Failed:
      outcome.status = LoadStatus::Unreadable;
      outcome.error = read.error;
      return outcome;
    case FileRead::Status::Read:
      break;
  }
  outcome.reading = ReadUserData(ReadablePart(read.text), data);
  outcome.status = outcome.reading.complete ? LoadStatus::Read : LoadStatus::Damaged;
  if (from == home_) {
    UserDataReading reading;
    base_ = StoredValues(ReadablePart(read.text), reading);
    baseText_ = std::move(read.text);
  }
  return outcome;
}

SaveOutcome UserDataFile::Save(UserData& data) {
  SaveOutcome outcome;
  outcome.path = home_;
  auto fail = [&](std::string error, bool placeProblem) {
    outcome.error = std::move(error);
    outcome.perUserMayHelp = placeProblem && PerUserPath().has_value();
    return outcome;
  };

  std::error_code ec;
  fs::create_directories(home_.parent_path(), ec);
  // The folder of the file replaced (through a symbolic link) is locked
  // while the file is read, merged with and replaced.
  fs::path real = home_;
  if (KindOfFile(home_) == FileKind::Regular) {
    const fs::path resolved = fs::canonical(home_, ec);
    if (!ec) real = resolved;
  }
  const FolderLock lock(real.parent_path());

  UserData next = data;
  const FileRead disk = ReadRegularFile(home_, kMaxUserDataBytes);
  if (disk.status == FileRead::Status::Refused || disk.status == FileRead::Status::Failed) {
    return fail(disk.error, true);
  }
  if (disk.status == FileRead::Status::Read) {
    UserDataReading reading;
    const UserData theirs = StoredValues(ReadablePart(disk.text), reading);
    if (!reading.complete) {
      // Never replaced before what follows the damage is kept.
      const WriteOutcome kept = KeepDamagedCopy(real);
      if (!kept.ok) {
        return fail("it is damaged from line " + num::CStr(reading.badLine) + " on (" + reading.problem +
                        ") and no copy of it can be kept: " + kept.error,
                    true);
      }
    }
    if (!baseText_ || disk.text != *baseText_) {
      outcome.merged = MergeOtherCopy(base_, theirs, reading.complete, next);
    }
  }

  // What is written must read back: whole, and as the same values.
  const std::string text = WriteUserData(next);
  if (text.size() > kMaxUserDataBytes) {
    return fail("the locations and colours would take more than the " +
                    num::CStr(kMaxUserDataBytes / (std::size_t{1024} * 1024)) + " MB the file may hold",
                false);
  }
  UserDataReading check;
  UserData readBack = StoredValues(text, check);
  if (check.defaultInstalled) readBack.LocationName = StoredNameText(next.LocationName);
  if (!check.complete || WriteUserData(readBack) != text) {
    return fail("the text to be written would not read back the same", false);
  }
  const WriteOutcome written = ReplaceFile(home_, text);
  if (!written.ok) return fail(written.error, true);

  base_ = std::move(readBack);
  baseText_ = text;
  data = std::move(next);
  outcome.ok = true;
  return outcome;
}

}  // namespace orvane::app
