// Replays the inputs kept for the user data reader: the seed files and every
// input the fuzzer once found to crash or hang it.
#include <gtest/gtest.h>

#include <chrono>

#include "app/user_data.h"
#include "support/fuzz_inputs.h"

namespace orvane::app {
namespace {

TEST(UserDataCorpus, EveryKeptInputIsReadQuickly) {
  const auto inputs = testing::KeptFuzzInputs("user_data");
  ASSERT_FALSE(inputs.empty()) << "ORVANE_TEST_DATA names the tests folder";
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
  }
}

}  // namespace
}  // namespace orvane::app
