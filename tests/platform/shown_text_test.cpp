#include "platform/shown_text.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(ShownText, ControlCharactersAreEscapedAndTheRestKept) {
  EXPECT_EQ(ShownText("a\x1B[2Jb\x07\x7F\tc.bmp"), "a\\x1B[2Jb\\x07\\x7F\\x09c.bmp");
  EXPECT_EQ(ShownText("Grün skin.bmp"), "Grün skin.bmp");
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
