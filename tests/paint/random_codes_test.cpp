#include "paint/random_codes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

namespace tintara {
namespace {

using ::testing::ElementsAre;

TEST(RandomGenerator, FollowsTheBorlandSequence) {
  // seed 0 -> 1 -> 134775814 -> 134775814 * 134775813 + 1 (mod 2^32) = 3698175007
  RandomGenerator generator(0);
  EXPECT_EQ(generator.Next(1 << 30), 0);  // (1 << 30) * 1 >> 32
  EXPECT_EQ(generator.Next(1000), 31);    // 134775814 * 1000 >> 32
  EXPECT_EQ(generator.Next(1000), 861);   // 3698175007 * 1000 >> 32
}

TEST(RandomGenerator, SameSeedGivesTheSameDraws) {
  RandomGenerator a(12345);
  RandomGenerator b(12345);
  RandomGenerator other(12346);
  int differences = 0;
  for (int i = 0; i < 1000; ++i) {
    const std::int32_t draw = a.Next(239);
    ASSERT_EQ(draw, b.Next(239)) << i;
    differences += draw != other.Next(239);
  }
  EXPECT_GT(differences, 900);
}

TEST(RandomGenerator, DrawsStayInRange) {
  RandomGenerator generator(0xFFFFFFFFu);
  for (const std::int32_t range : {1, 2, 239, 256, 2147483647}) {
    for (int i = 0; i < 1000; ++i) {
      const std::int32_t draw = generator.Next(range);
      ASSERT_GE(draw, 0);
      ASSERT_LT(draw, range);
    }
  }
  EXPECT_EQ(generator.Next(0), 0);
  EXPECT_EQ(generator.Next(-5), 0);
}

TEST(DrawCode, CoversEveryCodeFrom1To239AndNoOther) {
  RandomGenerator generator(42);
  std::vector<int> seen(256, 0);
  for (int i = 0; i < 20000; ++i) {
    const std::int32_t code = DrawCode(generator);
    ASSERT_GE(code, 1);
    ASSERT_LE(code, 239);
    ++seen[code];
  }
  for (int code = 1; code <= 239; ++code) EXPECT_GT(seen[code], 0) << code;
}

TEST(SkinPresets, AlternateBetweenTheTwoRamps) {
  EXPECT_THAT(SkinPresetFor(false), ElementsAre(78, 76, 74, 72, 70));
  EXPECT_THAT(SkinPresetFor(true), ElementsAre(51, 53, 55, 57, 59));
  EXPECT_EQ(kSkinPresetFirstSlot + kSkinPresetLength - 1, 10);
}

}  // namespace
}  // namespace tintara
