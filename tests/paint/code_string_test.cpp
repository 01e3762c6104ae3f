#include "paint/code_string.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ostream>

namespace tintara {

void PrintTo(const SlotAssignment& a, std::ostream* os) {
  *os << "slot " << a.slot << " = " << a.code << " (\"" << a.token << "\")";
}

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

SlotAssignment Slot(int slot, std::int32_t code, std::string token) {
  return {slot, code, std::move(token)};
}

TEST(ReadCodeString, RunsOfBlanksSeparateNothing) {
  const CodeStringReading reading = ReadCodeString("  1  2   3 ");
  EXPECT_THAT(reading.assignments, ElementsAre(Slot(1, 1, "1"), Slot(2, 2, "2"), Slot(3, 3, "3")));
  EXPECT_FALSE(reading.badToken);
}

TEST(ReadCodeString, OnlyTheBlankSeparates) {
  const CodeStringReading reading = ReadCodeString("1\t2 ");
  EXPECT_THAT(reading.assignments, IsEmpty());
  EXPECT_EQ(reading.badToken, "1\t2");
}

TEST(ReadCodeString, FinalTokenWithoutBlankNamesSlot16) {
  EXPECT_THAT(ReadCodeString("5 6 7").assignments,
              ElementsAre(Slot(1, 5, "5"), Slot(2, 6, "6"), Slot(16, 7, "7")));
}

TEST(ReadCodeString, DefaultCodeStringFillsSlots1To16InOrder) {
  const CodeStringReading reading = ReadCodeString(kDefaultCodeString);
  ASSERT_EQ(reading.assignments.size(), 16u);
  for (int s = 1; s <= 16; ++s) {
    SCOPED_TRACE(s);
    EXPECT_EQ(reading.assignments[s - 1].slot, s);
    EXPECT_EQ(reading.assignments[s - 1].code, kSlots[s - 1].set1Code);
  }
  EXPECT_FALSE(reading.badToken);
}

TEST(ReadCodeString, SeventeenthTokenIsDiscardedUnread) {
  std::string text;
  for (int s = 1; s <= 16; ++s) text += std::to_string(s + 100) + ' ';
  for (const char* last : {"junk ", "junk", "17 ", "17"}) {
    SCOPED_TRACE(last);
    const CodeStringReading reading = ReadCodeString(text + last);
    ASSERT_EQ(reading.assignments.size(), 16u);
    EXPECT_EQ(reading.assignments.back(), Slot(16, 116, "116"));
    EXPECT_FALSE(reading.badToken);
  }
}

TEST(ReadCodeString, ValueOf256OrMoreConsumesItsSlotOnly) {
  EXPECT_THAT(ReadCodeString("300 7 ").assignments, ElementsAre(Slot(2, 7, "7")));
  EXPECT_THAT(ReadCodeString("256 255 ").assignments, ElementsAre(Slot(2, 255, "255")));
}

TEST(ReadCodeString, NegativeValueConsumesItsSlotOnly) {
  EXPECT_THAT(ReadCodeString("-1 7 -5").assignments, ElementsAre(Slot(2, 7, "7")));
}

TEST(ReadCodeString, BadTokenStopsReadingAndKeepsEarlierAssignments) {
  const CodeStringReading reading = ReadCodeString("5 x 7");
  EXPECT_THAT(reading.assignments, ElementsAre(Slot(1, 5, "5")));
  EXPECT_EQ(reading.badToken, "x");
}

TEST(ReadCodeString, BadFinalTokenIsReported) {
  const CodeStringReading reading = ReadCodeString("5 7a");
  EXPECT_THAT(reading.assignments, ElementsAre(Slot(1, 5, "5")));
  EXPECT_EQ(reading.badToken, "7a");
}

TEST(ReadCodeString, TokenIsKeptAsTyped) {
  EXPECT_THAT(ReadCodeString("007 +8 $0A ").assignments,
              ElementsAre(Slot(1, 7, "007"), Slot(2, 8, "+8"), Slot(3, 10, "$0A")));
}

TEST(ReadCodeString, EmptyOrBlankTextAssignsNothing) {
  for (const char* text : {"", " ", "    "}) {
    SCOPED_TRACE(testing::PrintToString(text));
    const CodeStringReading reading = ReadCodeString(text);
    EXPECT_THAT(reading.assignments, IsEmpty());
    EXPECT_FALSE(reading.badToken);
  }
}

struct TokenCase {
  const char* token;
  std::optional<std::int32_t> value;
};

void PrintTo(const TokenCase& c, std::ostream* os) { *os << '"' << c.token << '"'; }

class ParseCodeTokenTest : public testing::TestWithParam<TokenCase> {};

TEST_P(ParseCodeTokenTest, ConvertsAsASigned32BitInteger) {
  EXPECT_EQ(ParseCodeToken(GetParam().token), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Tokens, ParseCodeTokenTest,
    testing::Values(TokenCase{"0", 0}, TokenCase{"007", 7}, TokenCase{"+12", 12},
                    TokenCase{"-12", -12}, TokenCase{"$FF", 255}, TokenCase{"$ff", 255},
                    TokenCase{"0x1A", 26}, TokenCase{"0X1a", 26}, TokenCase{"x10", 16},
                    TokenCase{"X10", 16}, TokenCase{"2147483647", 2147483647},
                    TokenCase{"-2147483648", -2147483647 - 1}, TokenCase{"$7FFFFFFF", 2147483647},
                    TokenCase{"$FFFFFFFF", -1}, TokenCase{"$000000001", 1},
                    TokenCase{"2147483648", std::nullopt}, TokenCase{"-2147483649", std::nullopt},
                    TokenCase{"99999999999", std::nullopt}, TokenCase{"$100000000", std::nullopt},
                    TokenCase{"", std::nullopt}, TokenCase{"+", std::nullopt},
                    TokenCase{"-", std::nullopt}, TokenCase{"$", std::nullopt},
                    TokenCase{"x", std::nullopt}, TokenCase{"0x", std::nullopt},
                    TokenCase{"-$FF", std::nullopt}, TokenCase{"+0x1", std::nullopt},
                    TokenCase{"$FG", std::nullopt}, TokenCase{"12a", std::nullopt},
                    TokenCase{"1,2", std::nullopt}, TokenCase{"--1", std::nullopt},
                    TokenCase{"0xx1", std::nullopt}));

TEST(WriteCodeString, WritesEveryCodeFollowedByOneBlank) {
  SlotRecords slots{};
  for (int r = 0; r < kSlotCount; ++r) slots[r].code = kSlots[r].set1Code;
  slots[15].index = kNotLocated;
  EXPECT_EQ(WriteCodeString(slots), std::string(kDefaultCodeString) + ' ');

  slots[0].code = -3;
  slots[1].code = 0;
  EXPECT_TRUE(WriteCodeString(slots).starts_with("-3 0 224 "));
}

TEST(WriteCodeString, ReadsBackAsTheSameCodes) {
  SlotRecords slots{};
  for (int r = 0; r < kSlotCount; ++r) slots[r].code = 15 * r + 7;
  const CodeStringReading reading = ReadCodeString(WriteCodeString(slots));
  ASSERT_EQ(reading.assignments.size(), 16u);
  for (int r = 0; r < kSlotCount; ++r) {
    EXPECT_EQ(reading.assignments[r], Slot(r + 1, slots[r].code, std::to_string(slots[r].code)));
  }
}

TEST(RememberLastCodes, KeepsTextWithoutTheDefaultCodeString) {
  std::string last = "old";
  RememberLastCodes(last, "1 2 3 ");
  EXPECT_EQ(last, "1 2 3 ");
}

TEST(RememberLastCodes, IgnoresTextContainingTheDefaultCodeString) {
  const std::string defaults(kDefaultCodeString);
  for (const std::string& text : {defaults, defaults + ' ', "1" + defaults, "x " + defaults}) {
    SCOPED_TRACE(text);
    std::string last = "old";
    RememberLastCodes(last, text);
    EXPECT_EQ(last, "old");
  }
}

TEST(RememberLastCodes, KeepsTextThatOnlyResemblesTheDefaultCodeString) {
  std::string last = "old";
  const std::string nearlyDefaults = "9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 3";
  RememberLastCodes(last, nearlyDefaults);
  EXPECT_EQ(last, nearlyDefaults);
}

TEST(RememberLastCodes, EmptyTextIsRememberedAsEmpty) {
  std::string last = "old";
  RememberLastCodes(last, "");
  EXPECT_EQ(last, "");
}

}  // namespace
}  // namespace tintara
