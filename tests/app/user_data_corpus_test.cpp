// Replays the inputs kept for the user data fuzz targets: the seed files and
// every input the fuzzers once found to crash, hang or lose an entry.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/user_data.h"
#include "support/load_save_check.h"
#include "support/temp_dir.h"

namespace orvane::app {
namespace {

namespace fs = std::filesystem;

TEST(UserDataCorpus, EveryKeptInputIsReadQuicklyAndLosesNothingOnDisk) {
  const char* root = std::getenv("ORVANE_TEST_DATA");
  ASSERT_NE(root, nullptr) << "ORVANE_TEST_DATA names the tests folder";
  const orvane::testing::TempDir folder;
  int inputs = 0;
  for (const char* kept :
       {"fuzz/user_data/seeds", "fuzz/user_data/regressions", "fuzz/user_data_file/regressions"}) {
    const fs::path dir = fs::path(root) / kept;
    if (!fs::exists(dir)) continue;
    for (const auto& entry : fs::directory_iterator(dir)) {
      if (!entry.is_regular_file()) continue;
      std::ifstream in(entry.path(), std::ios::binary);
      std::ostringstream s;
      s << in.rdbuf();
      const std::string text = s.str();
      SCOPED_TRACE(entry.path().string());
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
      EXPECT_EQ(orvane::testing::LoadThenSaveLosesNothing(text, folder.path()), "");
      ++inputs;
    }
  }
  EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace orvane::app
