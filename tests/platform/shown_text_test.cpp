#include "platform/shown_text.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(ShownText, ControlCharactersAreEscapedAndTheRestKept) {
  EXPECT_EQ(ShownText("a\x1B[2Jb\x07\x7F\tc.bmp"), "a\\x1B[2Jb\\x07\\x7F\\x09c.bmp");
  EXPECT_EQ(ShownText("Grün skin.bmp"), "Grün skin.bmp");
  EXPECT_EQ(ShownText("\u202Epmb.\u2066x\u2069live.bmp\u202C"),
            "\\u202Epmb.\\u2066x\\u2069live.bmp\\u202C");
  // Neighbours of the controls are text like any other.
  EXPECT_EQ(ShownText("\u2029\u202F\u2065\u206A"), "\u2029\u202F\u2065\u206A");
}

TEST(ShownText, ATokenIsCutAfterFortyCharactersNotBytes) {
  const std::string forty(40, '7');
  EXPECT_EQ(ShownToken(forty), forty);
  EXPECT_EQ(ShownToken(forty + "8"), forty + "\u2026");
  // Forty two-byte characters and a control character beyond them.
  std::string umlauts;
  for (int i = 0; i < 40; ++i) umlauts += "ü";
  EXPECT_EQ(ShownToken(umlauts + "\x1B"), umlauts + "\u2026");
}

}  // namespace
}  // namespace tintara
