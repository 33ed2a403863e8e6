// Replays the inputs kept for the text-box fuzz target: its seeds and every
// text it once found to break a number box.
#include <gtest/gtest.h>

#include "support/fuzz_inputs.h"
#include "support/text_box_harness.h"

namespace orvane::app {
namespace {

TEST(TextBoxCorpus, EveryKeptTextIsRead) {
  const auto inputs = testing::KeptFuzzInputs("text_box");
  ASSERT_FALSE(inputs.empty()) << "ORVANE_TEST_DATA names the tests folder";
  for (const auto& [name, bytes] : inputs) {
    SCOPED_TRACE(name);
    EXPECT_EQ(testing::ProblemWithTextBox(bytes), "");
  }
}

}  // namespace
}  // namespace orvane::app
