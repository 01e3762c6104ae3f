#include "paint/code_comparison.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(CodeComparison, ListsOnlyTheSlotsTheStringsGiveDifferentCodes) {
  // Slot 2 differs; slot 3 is left alone by the second string (a code of 300 changes nothing);
  // the last token without a blank names slot 16.
  const std::vector<DifferingSlot> differing = DifferingSlots({"1 2 3 4", "1 9 300 4"});
  ASSERT_EQ(differing.size(), 2u);
  EXPECT_EQ(differing[0], (DifferingSlot{2, 1, {2, 9}}));
  EXPECT_EQ(differing[1], (DifferingSlot{3, 1, {3, std::nullopt}}));
  EXPECT_TRUE(DifferingSlots({"5 6 ", "5 6 "}).empty());
}

}  // namespace
}  // namespace tintara
