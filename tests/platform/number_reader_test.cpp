#include "platform/number_reader.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(ParseInt32, LoneXMarksHexadecimalOnlyWhenAsked) {
  EXPECT_EQ(ParseInt32("x1F", HexPrefixes::DollarOr0x), std::nullopt);
  EXPECT_EQ(ParseInt32("X1F", HexPrefixes::DollarOr0x), std::nullopt);
  EXPECT_EQ(ParseInt32("x1F", HexPrefixes::DollarXOr0x), 31);
}

TEST(ReadLeadingDigits, BytesBeyondAsciiEndTheDigits) {
  // Latin-1 bytes whose low seven bits are '2' and 'a'.
  const LeadingDigits decimal = ReadLeadingDigits("7\xB2", 10, 100);
  EXPECT_EQ(decimal.count, 1u);
  EXPECT_EQ(decimal.value, 7u);
  const LeadingDigits hexadecimal = ReadLeadingDigits("7\xE1", 16, 100);
  EXPECT_EQ(hexadecimal.count, 1u);
  EXPECT_EQ(hexadecimal.value, 7u);
}

}  // namespace
}  // namespace tintara
