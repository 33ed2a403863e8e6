// Makes a folder the working directory for as long as it lives, for the code
// that finds "UserData.Dat" there; the old working directory comes back after.
#pragma once

#include <filesystem>

namespace orvane::testing {

class WorkingFolder {
 public:
  explicit WorkingFolder(const std::filesystem::path& folder) : old_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder);
  }
  ~WorkingFolder() {
    std::error_code ec;
    std::filesystem::current_path(old_, ec);
  }
  WorkingFolder(const WorkingFolder&) = delete;
  WorkingFolder& operator=(const WorkingFolder&) = delete;

 private:
  std::filesystem::path old_;
};

}  // namespace orvane::testing
