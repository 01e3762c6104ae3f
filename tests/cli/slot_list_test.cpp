#include "cli/slot_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintara {
namespace {

std::vector<int> Listed(const SlotLocks& slots) {
  std::vector<int> listed;
  for (int s = 1; s <= kSlotCount; ++s) {
    if (slots[static_cast<std::size_t>(s - 1)]) listed.push_back(s);
  }
  return listed;
}

TEST(ReadSlotList, MarksSlotsAndRangesEachOnce) {
  const struct {
    const char* text;
    std::vector<int> slots;
  } cases[] = {
      {"1,2,6-10", {1, 2, 6, 7, 8, 9, 10}},
      {"3-3,1-16", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
      {"07,5-6,6", {5, 6, 7}},
  };
  for (const auto& c : cases) {
    const Expected<SlotLocks> read = ReadSlotList(c.text);
    ASSERT_TRUE(read) << c.text << ": " << read.problem().message;
    EXPECT_EQ(Listed(*read), c.slots) << c.text;
  }
}

TEST(ReadSlotList, TellsWhatIsWrongWithATokenAndMarksNothing) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"17", "'17' is not a slot (1 to 16)."},
      {"0", "'0' is not a slot (1 to 16)."},
      {"1,2,x", "'x' is not a slot (1 to 16)."},
      {"6-20", "'20' is not a slot (1 to 16)."},
      {"10-6", "'10-6' runs backwards: give the lower slot first."},
      {"1,,2", "'1,,2' has an empty item: give slots as in 1,2,6-10."},
      {"", "'' has an empty item: give slots as in 1,2,6-10."},
      {"\x1b", "'\\x1B' is not a slot (1 to 16)."},
  };
  for (const auto& c : cases) {
    const Expected<SlotLocks> read = ReadSlotList(c.text);
    ASSERT_FALSE(read) << c.text;
    EXPECT_EQ(read.problem().message, c.message);
  }
}

}  // namespace
}  // namespace tintara
