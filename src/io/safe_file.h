// Reading and replacing the files the program keeps and exports, so that
// nothing is lost, blocked on or overwritten by mistake:
//   - only regular files are read, and a named pipe or a device is never
//     opened in a way that waits;
//   - a file is replaced whole or not at all, through a temporary file beside
//     it and one rename, and keeps the mode and owner of the file it replaces;
//   - a symbolic link to a regular file is written through (the link stays);
//   - anything else at the path (a folder, a named pipe, a device, a link to
//     nothing) is refused and left as it is.
// POSIX file calls throughout.
#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace orvane::io {

// What the file system holds at a path, following symbolic links.
enum class FileKind { Missing, Regular, Folder, NamedPipe, Device, Socket, LinkToNothing, Other };

// What stands at `path`; Missing also when the path cannot be looked at
// because a folder on the way does not exist.
FileKind KindOfFile(const std::filesystem::path& path);

// Why a file of this kind is not read or replaced, in plain words:
//   "it is a named pipe, not a regular file".
std::string NotARegularFileText(FileKind kind);

struct FileRead {
  enum class Status { Read, Missing, Refused, Failed };
  Status status = Status::Missing;
  std::string text;   // the first bytes of the file, at most the limit + 1
  std::string error;  // Refused or Failed: why, in plain words
};

// Reads the regular file at `path` (through symbolic links), at most
// `limit` + 1 bytes of it, so that a caller can tell a file longer than the
// limit.  Anything but a regular file is Refused without being opened for
// reading; a file that cannot be opened or read has Failed.
FileRead ReadRegularFile(const std::filesystem::path& path, std::size_t limit);

struct WriteOutcome {
  bool ok = false;
  std::filesystem::path path;  // the path written, or the one that could not be
  std::string error;           // why not, in plain words
};

// Writes `text` as the whole new content of `target`: a new file, a regular
// file, or the regular file a symbolic link leads to.  The text goes to a
// temporary file beside the file replaced, is flushed to the disk and takes
// its place in one rename; a failure (a full disk, a folder that cannot be
// written) leaves the old file as it was and no temporary file behind.  The
// new file keeps the replaced file's mode (and owner, where the system
// allows); a new file gets the usual mode for new files.
WriteOutcome ReplaceFile(const std::filesystem::path& target, std::string_view text);

// Takes the text of a file piece by piece.
class TextSink {
 public:
  virtual ~TextSink() = default;
  // Appends a piece; false once a piece could not be written, after which
  // the rest need not be made.
  virtual bool Write(std::string_view piece) = 0;
};

// Makes the new content of a file: writes it to the sink and returns an
// empty text, or returns why it could not be made (one line).
using TextMaker = std::function<std::string(TextSink& sink)>;

// As ReplaceFile, for a text made while it is written, so that a long file
// is never held whole: `make` writes the text to the temporary file, and
// only when it has made all of it and every piece was written does the file
// take the old one's place.  When it fails, its own words are the error.
WriteOutcome ReplaceFileWith(const std::filesystem::path& target, const TextMaker& make);

// Copies the regular file `from` to the new name `to` beside it, keeping its
// mode; never replaces anything already at `to` (the copy fails instead).
WriteOutcome CopyToNewFile(const std::filesystem::path& from, const std::filesystem::path& to);

// Whether two regular files hold the same bytes.
bool SameFileContents(const std::filesystem::path& a, const std::filesystem::path& b);

// Holds an exclusive advisory lock on a folder while it lives, so that the
// running copies of the program that read, merge and replace a file in it
// take turns.  Waits a few seconds at most; without the lock (a folder that
// cannot be opened, a holder that does not let go) the caller goes on
// unlocked, which never tears a file but may miss another copy's change.
class FolderLock {
 public:
  explicit FolderLock(const std::filesystem::path& folder);
  ~FolderLock();
  FolderLock(const FolderLock&) = delete;
  FolderLock& operator=(const FolderLock&) = delete;
  bool held() const { return held_; }

 private:
  int fd_ = -1;
  bool held_ = false;
};

}  // namespace orvane::io
