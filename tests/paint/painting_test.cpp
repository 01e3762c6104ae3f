#include "paint/painting.h"

#include <gtest/gtest.h>

#include "paint/test_pictures.h"

namespace tintara {
namespace {

// A message shows a bad token cut short and escaped: a huge or hostile token cannot flood it.
TEST(PaintedWithCodes, ABadTokenIsToldCutShortAndEscaped) {
  const Document loaded = LoadedDocument(IndexedBitmap(4, 4, TableWithSet1Markers({1})));
  const Expected<Document> painted =
      PaintedWithCodes(loaded, "1 \x1B" + std::string(100000, 'x') + " 3");
  ASSERT_FALSE(painted);
  EXPECT_EQ(painted.problem().message,
            "'\\x1B" + std::string(39, 'x') + "\u2026' is not a valid integer value");
}

}  // namespace
}  // namespace tintara
