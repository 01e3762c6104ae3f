#include "platform/number_reader.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(ParseInt32, LoneXMarksHexadecimalOnlyWhenAsked) {
  EXPECT_EQ(ParseInt32("x1F", HexPrefixes::DollarOr0x), std::nullopt);
  EXPECT_EQ(ParseInt32("X1F", HexPrefixes::DollarOr0x), std::nullopt);
  EXPECT_EQ(ParseInt32("x1F", HexPrefixes::DollarXOr0x), 31);
}

TEST(ReadLeadingDigits, WideCharactersWhoseLowByteIsADigitEndTheDigits) {
  // U+0132 and U+0161 end in the bytes of '2' and 'a'.
  const LeadingDigits decimal = ReadLeadingDigits(u"7\u0132", 10, 100);
  EXPECT_EQ(decimal.count, 1u);
  EXPECT_EQ(decimal.value, 7u);
  const LeadingDigits hexadecimal = ReadLeadingDigits(u"7\u0161", 16, 100);
  EXPECT_EQ(hexadecimal.count, 1u);
  EXPECT_EQ(hexadecimal.value, 7u);
}

}  // namespace
}  // namespace tintara
