#include "platform/filled_text.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

// A translation may name the values in another order than the English text.
TEST(FilledText, PutsNumberedValuesWhereTheTranslationPlacesThem) {
  EXPECT_EQ(Filled("%2$s und %1$s", {"a", "b"}), "b und a");
  EXPECT_EQ(Filled("%s and %s", {"a", "b"}), "a and b");
}

// A file name holding a percent sign is shown as it is.
TEST(FilledText, LeavesPlaceholdersInsideValuesAlone) {
  EXPECT_EQ(Filled("Cannot read %s: %s", {"100%s.bmp", "gone"}), "Cannot read 100%s.bmp: gone");
}

}  // namespace
}  // namespace tintara
