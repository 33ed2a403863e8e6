// Replays the inputs kept for the user data reader: the seed files and every
// input the fuzzer once found to crash or hang it.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/user_data.h"

namespace orvane::app {
namespace {

namespace fs = std::filesystem;

TEST(UserDataCorpus, EveryKeptInputIsReadQuickly) {
  const char* root = std::getenv("ORVANE_TEST_DATA");
  ASSERT_NE(root, nullptr) << "ORVANE_TEST_DATA names the tests folder";
  int inputs = 0;
  for (const char* folder : {"fuzz/user_data/seeds", "fuzz/user_data/regressions"}) {
    const fs::path dir = fs::path(root) / folder;
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
      ++inputs;
    }
  }
  EXPECT_GT(inputs, 0);
}

}  // namespace
}  // namespace orvane::app
