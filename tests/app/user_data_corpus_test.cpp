// Replays the inputs kept for the user data fuzz targets: the seed files and
// every input the fuzzers once found to crash, hang or lose an entry.
#include <gtest/gtest.h>

#include <chrono>
#include <utility>

#include "app/user_data.h"
#include "support/fuzz_inputs.h"
#include "support/load_save_check.h"
#include "support/temp_dir.h"

namespace orvane::app {
namespace {

TEST(UserDataCorpus, EveryKeptInputIsReadQuicklyAndLosesNothingOnDisk) {
  // The file target starts from the reader's seeds and keeps only its own
  // regressions.
  auto inputs = testing::KeptFuzzInputs("user_data");
  ASSERT_FALSE(inputs.empty()) << "ORVANE_TEST_DATA names the tests folder";
  for (auto& input : testing::KeptFuzzInputs("user_data_file")) inputs.push_back(std::move(input));
  const testing::TempDir folder;
  for (const auto& [name, text] : inputs) {
    SCOPED_TRACE(name);
    const auto start = std::chrono::steady_clock::now();
    UserData data;
    const UserDataReading reading = ReadUserData(text, data);
    const auto took = std::chrono::steady_clock::now() - start;
    EXPECT_LT(took, std::chrono::seconds(1));
    EXPECT_LE(data.Locations.size(), static_cast<std::size_t>(kLastPossibleIndex + 1));
    if (reading.complete) {
      // What was read writes back as a file that reads the same again.
      UserData again;
      const std::string written = WriteUserData(data);
      EXPECT_TRUE(ReadUserData(written, again).complete);
      EXPECT_EQ(WriteUserData(again), written);
    }
    EXPECT_EQ(testing::LoadThenSaveLosesNothing(text, folder.path()), "");
  }
}

}  // namespace
}  // namespace orvane::app
