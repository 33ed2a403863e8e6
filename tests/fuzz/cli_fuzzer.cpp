// libFuzzer target for orvane-cli's command line: the arguments separated by NUL bytes,
// run in a fresh folder holding a UserData.Dat of two places, removed when the run ends.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "support/cli_harness.h"
#include "support/temp_dir.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  static const orvane::testing::TempDir folder;
  orvane::testing::WriteBytes(folder / "UserData.Dat", orvane::testing::FuzzUserData());
  std::filesystem::current_path(folder.path());
  ::setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
  using namespace orvane::testing;
  const auto args = ArgumentsFromBytes(std::string_view(reinterpret_cast<const char*>(bytes), size));
  if (MayWriteAFile(args)) return -1;  // not added to the corpus
  const std::string problem = ProblemWithAnswer(RunOrvaneCli(args));
  if (!problem.empty()) {
    std::fprintf(stderr, "%s\n", problem.c_str());
    __builtin_trap();
  }
  return 0;
}
