// Replays the command lines kept for the command-line fuzz target: its
// seeds and every command line it once found to hang or break the rules.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "support/cli_harness.h"
#include "support/fuzz_inputs.h"
#include "support/temp_dir.h"

namespace orvane::cli {
namespace {

namespace fs = std::filesystem;
using namespace orvane::testing;

TEST(CliCorpus, EveryKeptCommandLineIsAnswered) {
  const auto inputs = KeptFuzzInputs("cli");
  ASSERT_FALSE(inputs.empty()) << "ORVANE_TEST_DATA names the tests folder";
  // The folder the fuzz target runs in.
  TempDir dir;
  std::ofstream(dir / "UserData.Dat", std::ios::binary) << FuzzUserData();
  const fs::path old = fs::current_path();
  fs::current_path(dir.path());
  ::setenv("XDG_DATA_HOME", dir.path().c_str(), 1);
  for (const auto& [name, bytes] : inputs) {
    SCOPED_TRACE(name);
    const auto args = ArgumentsFromBytes(bytes);
    if (MayWriteAFile(args)) continue;
    EXPECT_EQ(ProblemWithAnswer(RunOrvaneCli(args)), "");
  }
  fs::current_path(old);
}

}  // namespace
}  // namespace orvane::cli
