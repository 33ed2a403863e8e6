// Replays the inputs kept for the fuzz targets: their seeds and every input
// they once found to crash, hang, lose an entry or break a number box.
#include <gtest/gtest.h>

#include <utility>

#include "app/user_data.h"
#include "support/fuzz_inputs.h"
#include "support/load_save_check.h"
#include "support/temp_dir.h"
#include "support/text_box_harness.h"

namespace orvane::app {
namespace {

TEST(KeptFuzzInputs, EveryUserDataInputReadsBackAndLosesNothingOnDisk) {
  // The file target starts from the reader's seeds and keeps only its own
  // regressions.
  auto inputs = testing::KeptFuzzInputs("user_data");
  ASSERT_FALSE(inputs.empty()) << "ORVANE_TEST_DATA names the tests folder";
  for (auto& input : testing::KeptFuzzInputs("user_data_file")) inputs.push_back(std::move(input));
  const testing::TempDir folder;
  for (const auto& [name, text] : inputs) {
    SCOPED_TRACE(name);
    UserData data, again;
    if (ReadUserData(text, data).complete) {
      // What was read writes back as a file that reads the same again.
      const std::string written = WriteUserData(data);
      EXPECT_TRUE(ReadUserData(written, again).complete);
      EXPECT_EQ(WriteUserData(again), written);
    }
    EXPECT_EQ(testing::LoadThenSaveLosesNothing(text, folder.path()), "");
  }
}

TEST(KeptFuzzInputs, EveryTextIsReadFromItsNumberBox) {
  const auto inputs = testing::KeptFuzzInputs("text_box");
  ASSERT_FALSE(inputs.empty());
  for (const auto& [name, bytes] : inputs) {
    SCOPED_TRACE(name);
    EXPECT_EQ(testing::ProblemWithTextBox(bytes), "");
  }
}

}  // namespace
}  // namespace orvane::app
