#include "io/safe_file.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <system_error>
#include <thread>

#include "engine/numeric.h"

namespace orvane::io {

namespace fs = std::filesystem;

namespace {

std::string ErrorText(int error) { return std::generic_category().message(error); }

// A name for a scratch file beside `target` that no other writer picks.
fs::path ScratchPath(const fs::path& target) {
  std::random_device random;
  const unsigned long long bits = (static_cast<unsigned long long>(random()) << 32) | random();
  return target.parent_path() / (target.filename().string() + ".tmp-" + num::HexDigits(bits, 16));
}

FileKind KindOfMode(mode_t mode) {
  if (S_ISREG(mode)) return FileKind::Regular;
  if (S_ISDIR(mode)) return FileKind::Folder;
  if (S_ISFIFO(mode)) return FileKind::NamedPipe;
  if (S_ISCHR(mode) || S_ISBLK(mode)) return FileKind::Device;
  if (S_ISSOCK(mode)) return FileKind::Socket;
  return FileKind::Other;
}

// What is at `path`, through symbolic links; `info` is filled for anything
// found.  An error other than a missing name gives Other with `error` set.
FileKind Inspect(const fs::path& path, struct stat& info, std::string& error) {
  if (::stat(path.c_str(), &info) == 0) return KindOfMode(info.st_mode);
  const int failure = errno;
  if (failure == ENOENT) {
    struct stat link;
    if (::lstat(path.c_str(), &link) == 0 && S_ISLNK(link.st_mode)) return FileKind::LinkToNothing;
    return FileKind::Missing;
  }
  if (failure == ENOTDIR) return FileKind::Missing;
  error = ErrorText(failure);
  return FileKind::Other;
}

// Opens a file for reading without waiting on a pipe or becoming a
// terminal's controlling process, and only when it is a regular file.
int OpenRegularForReading(const fs::path& path, struct stat& info, std::string& error) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = "it cannot be read: " + ErrorText(errno);
    return -1;
  }
  if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
    error = NotARegularFileText(KindOfMode(info.st_mode));
    ::close(fd);
    return -1;
  }
  return fd;
}

bool WriteAll(int fd, std::string_view text) {
  while (!text.empty()) {
    const ssize_t n = ::write(fd, text.data(), text.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    text.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Writes a made text to a scratch file in large pieces; after the first
// failed write it takes nothing more and keeps why.
class ScratchSink final : public TextSink {
 public:
  explicit ScratchSink(int fd) : fd_(fd) { buffer_.reserve(kSize); }
  bool Write(std::string_view piece) override {
    if (!error_.empty()) return false;
    if (buffer_.size() + piece.size() > kSize && !Flush()) return false;
    if (piece.size() >= kSize) return Put(piece);
    buffer_.append(piece);
    return true;
  }
  // Writes what is held; false (with the error kept) when it cannot.
  bool Flush() {
    if (!error_.empty()) return false;
    const bool ok = Put(buffer_);
    buffer_.clear();
    return ok;
  }
  // Empty until a write fails.
  const std::string& error() const { return error_; }

 private:
  static constexpr std::size_t kSize = 1 << 16;
  bool Put(std::string_view text) {
    if (WriteAll(fd_, text)) return true;
    error_ = ErrorText(errno);
    return false;
  }
  int fd_;
  std::string buffer_;
  std::string error_;
};

// Reads up to `want` bytes (fewer at the end of the file); -1 on an error.
ssize_t ReadSome(int fd, char* buffer, std::size_t want) {
  for (;;) {
    const ssize_t n = ::read(fd, buffer, want);
    if (n >= 0 || errno != EINTR) return n;
  }
}

// Makes a rename in `folder` last through a power cut, where the system
// can; nothing is lost when it cannot.
void SyncFolder(const fs::path& folder) {
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

// Gives a new file the owner and mode of the one it stands in for.  The
// owner is kept where the system allows it (the superuser writing over a
// user's file); otherwise the file stays the writer's.
bool TakeOwnerAndMode(int fd, const struct stat& of) {
  if (::fchown(fd, of.st_uid, of.st_gid) != 0) {
    // An ordinary user cannot give a file away: it stays the writer's.
  }
  return ::fchmod(fd, of.st_mode & 07777) == 0;
}

// Finishes a scratch file: flushed to the disk and closed.  On failure it
// is removed and `error` says why.
bool FinishScratch(int fd, const fs::path& scratch, std::string& error) {
  bool ok = ::fsync(fd) == 0;
  if (!ok) error = ErrorText(errno);
  if (::close(fd) != 0 && ok) {
    ok = false;
    error = ErrorText(errno);
  }
  if (!ok) ::unlink(scratch.c_str());
  return ok;
}

}  // namespace

FileKind KindOfFile(const fs::path& path) {
  struct stat info;
  std::string error;
  return Inspect(path, info, error);
}

std::string NotARegularFileText(FileKind kind) {
  if (kind == FileKind::LinkToNothing) return "it is a symbolic link to nothing";
  // What each kind is, in the order of the enum; empty for the kinds that
  // are not named.
  static constexpr std::array<std::string_view, 8> kNames = {
      "", "", "a folder", "a named pipe", "a device", "a socket", "", ""};
  const std::string_view name = kNames.at(static_cast<std::size_t>(kind));
  if (name.empty()) return "it is not a regular file";
  return "it is " + std::string(name) + ", not a regular file";
}

FileRead ReadRegularFile(const fs::path& path, std::size_t limit) {
  FileRead read;
  struct stat info;
  const FileKind kind = Inspect(path, info, read.error);
  if (kind == FileKind::Missing) return read;
  if (kind == FileKind::Other && !read.error.empty()) {
    read.status = FileRead::Status::Failed;
    read.error = "it cannot be read: " + read.error;
    return read;
  }
  if (kind != FileKind::Regular) {
    read.status = FileRead::Status::Refused;
    read.error = NotARegularFileText(kind);
    return read;
  }
  const int fd = OpenRegularForReading(path, info, read.error);
  if (fd < 0) {
    read.status = S_ISREG(info.st_mode) ? FileRead::Status::Failed : FileRead::Status::Refused;
    return read;
  }
  const std::size_t want = limit + 1;
  read.text.resize(std::min<std::size_t>(want, static_cast<std::size_t>(info.st_size) + 1));
  std::size_t have = 0;
  for (;;) {
    if (have == read.text.size()) {
      if (have >= want) break;
      read.text.resize(std::min(want, have + (1u << 16)));
    }
    const ssize_t n = ReadSome(fd, read.text.data() + have, read.text.size() - have);
    if (n < 0) {
      read.status = FileRead::Status::Failed;
      read.error = "it cannot be read: " + ErrorText(errno);
      read.text.clear();
      ::close(fd);
      return read;
    }
    if (n == 0) break;
    have += static_cast<std::size_t>(n);
  }
  ::close(fd);
  read.text.resize(have);
  read.status = FileRead::Status::Read;
  return read;
}

WriteOutcome ReplaceFile(const fs::path& target, std::string_view text) {
  return ReplaceFileWith(target, [text](TextSink& sink) {
    sink.Write(text);
    return std::string();
  });
}

WriteOutcome ReplaceFileWith(const fs::path& target, const TextMaker& make) {
  WriteOutcome outcome;
  outcome.path = target;
  // The file to replace: the path itself, or the regular file its link leads to.
  fs::path real = target;
  struct stat old;
  bool existing = false;
  struct stat link;
  if (::lstat(target.c_str(), &link) == 0) {
    std::string error;
    const FileKind kind = Inspect(target, old, error);
    if (kind != FileKind::Regular) {
      outcome.error = error.empty() ? NotARegularFileText(kind) : error;
      return outcome;
    }
    existing = true;
    if (S_ISLNK(link.st_mode)) {
      std::error_code ec;
      real = fs::canonical(target, ec);
      if (ec) {
        outcome.error = ec.message();
        return outcome;
      }
    }
  } else if (errno != ENOENT) {
    outcome.error = ErrorText(errno);
    return outcome;
  }

  const fs::path scratch = ScratchPath(real);
  const int fd = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
  if (fd < 0) {
    outcome.error = ErrorText(errno);
    return outcome;
  }
  if (existing && !TakeOwnerAndMode(fd, old)) {
    outcome.error = ErrorText(errno);
    ::close(fd);
    ::unlink(scratch.c_str());
    return outcome;
  }
  ScratchSink sink(fd);
  std::string failure = make(sink);
  // A write that failed is the reason, whatever the maker made of it.
  if (!sink.Flush()) failure = sink.error();
  if (!failure.empty()) {
    outcome.error = failure;
    ::close(fd);
    ::unlink(scratch.c_str());
    return outcome;
  }
  if (!FinishScratch(fd, scratch, outcome.error)) return outcome;
  if (::rename(scratch.c_str(), real.c_str()) != 0) {
    outcome.error = ErrorText(errno);
    ::unlink(scratch.c_str());
    return outcome;
  }
  SyncFolder(real.parent_path());
  outcome.ok = true;
  return outcome;
}

WriteOutcome CopyToNewFile(const fs::path& from, const fs::path& to) {
  WriteOutcome outcome;
  outcome.path = to;
  struct stat info;
  const int in = OpenRegularForReading(from, info, outcome.error);
  if (in < 0) return outcome;
  const fs::path scratch = ScratchPath(to);
  const int out = ::open(scratch.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
  if (out < 0) {
    outcome.error = ErrorText(errno);
    ::close(in);
    return outcome;
  }
  bool ok = TakeOwnerAndMode(out, info);
  char buffer[1 << 16];
  while (ok) {
    const ssize_t n = ReadSome(in, buffer, sizeof buffer);
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    ok = WriteAll(out, std::string_view(buffer, static_cast<std::size_t>(n)));
  }
  if (!ok) outcome.error = ErrorText(errno);
  ::close(in);
  if (!ok) {
    ::close(out);
    ::unlink(scratch.c_str());
    return outcome;
  }
  if (!FinishScratch(out, scratch, outcome.error)) return outcome;
  // A hard link never replaces what is at `to`; where the file system has no
  // hard links, the rename follows a look that nothing is there.
  if (::link(scratch.c_str(), to.c_str()) != 0) {
    const int failure = errno;
    struct stat there;
    if (failure == EEXIST || ::lstat(to.c_str(), &there) == 0) {
      outcome.error = to.filename().string() + " is there already";
    } else if (::rename(scratch.c_str(), to.c_str()) != 0) {
      outcome.error = ErrorText(errno);
    } else {
      outcome.ok = true;
    }
    ::unlink(scratch.c_str());
    return outcome;
  }
  ::unlink(scratch.c_str());
  SyncFolder(to.parent_path());
  outcome.ok = true;
  return outcome;
}

bool SameFileContents(const fs::path& a, const fs::path& b) {
  struct stat infoA, infoB;
  std::string error;
  const int fdA = OpenRegularForReading(a, infoA, error);
  if (fdA < 0) return false;
  const int fdB = OpenRegularForReading(b, infoB, error);
  if (fdB < 0) {
    ::close(fdA);
    return false;
  }
  bool same = infoA.st_size == infoB.st_size;
  char bufferA[1 << 14], bufferB[1 << 14];
  while (same) {
    const ssize_t n = ReadSome(fdA, bufferA, sizeof bufferA);
    if (n < 0) {
      same = false;
      break;
    }
    ssize_t m = 0;
    while (m < n) {
      const ssize_t k = ReadSome(fdB, bufferB + m, static_cast<std::size_t>(n - m));
      if (k <= 0) break;
      m += k;
    }
    same = m == n && std::char_traits<char>::compare(bufferA, bufferB, static_cast<std::size_t>(n)) == 0;
    if (n == 0) break;
  }
  ::close(fdA);
  ::close(fdB);
  return same;
}

FolderLock::FolderLock(const fs::path& folder) {
  fd_ = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd_ < 0) return;
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(5);
  for (;;) {
    if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
      held_ = true;
      return;
    }
    if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() > giveUp) return;
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

FolderLock::~FolderLock() {
  if (fd_ < 0) return;
  if (held_) ::flock(fd_, LOCK_UN);
  ::close(fd_);
}

}  // namespace orvane::io
