// libFuzzer target for orvane-cli's command line (make fuzz).  An input is
// an argument vector, the arguments separated by NUL bytes.  Every command
// line must end, with exit status 0, or 2 with nothing on stdout and one
// line on stderr; a hang is caught by libFuzzer's -timeout.  Command lines
// that may write a calendar file (--ics) are left out.  They run in a fresh
// folder holding a UserData.Dat of two places, removed when the run ends.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "support/cli_harness.h"

namespace {

// The run's folder, removed again when the fuzzer ends normally (a crash
// leaves it, beside the artifact, for a look at what the command wrote).
struct RunFolder {
  std::filesystem::path path;
  ~RunFolder() {
    std::error_code ignored;
    std::filesystem::current_path(std::filesystem::temp_directory_path(), ignored);
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  namespace fs = std::filesystem;
  static RunFolder run{fs::temp_directory_path() / ("orvane-cli-fuzz-" + std::to_string(::getpid()))};
  const fs::path& folder = run.path;
  fs::create_directories(folder);
  std::ofstream(folder / "UserData.Dat", std::ios::binary) << orvane::testing::FuzzUserData();
  fs::current_path(folder);
  ::setenv("XDG_DATA_HOME", folder.c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace orvane::testing;
  const auto args = ArgumentsFromBytes(std::string_view(reinterpret_cast<const char*>(bytes), size));
  if (MayWriteAFile(args)) return -1;  // not added to the corpus
  const CliResult r = RunOrvaneCli(args);
  const std::string problem = ProblemWithAnswer(r);
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    __builtin_trap();
  }
  return 0;
}
