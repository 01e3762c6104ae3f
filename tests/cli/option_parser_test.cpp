#include "cli/option_parser.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

constexpr KnownOption kKnown[] = {{"codes", 0, true}, {"page"}, {"jobs", 'j', true}};

Expected<GivenOptions> Read(std::vector<std::string> arguments) {
  return ReadOptions(arguments, kKnown);
}

TEST(ReadOptions, ValuesMayBeAttachedOrFollowAndDoubleDashEndsTheOptions) {
  for (const auto& arguments : std::vector<std::vector<std::string>>{
           {"a.bmp", "--codes", "1 2", "-j", "3", "--", "--page"},
           {"--codes=1 2", "a.bmp", "-j3", "--", "--page"},
       }) {
    const Expected<GivenOptions> given = Read(arguments);
    ASSERT_TRUE(given) << given.problem().message;
    EXPECT_EQ(given->value("codes"), "1 2");
    EXPECT_EQ(given->value("jobs"), "3");
    EXPECT_FALSE(given->has("page"));
    EXPECT_EQ(given->arguments, (std::vector<std::string>{"a.bmp", "--page"}));
  }
}

TEST(ReadOptions, TellsTheFirstArgumentItCannotRead) {
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"--colour"}, "Unknown option 'colour'."},
      {{"-x"}, "Unknown option 'x'."},
      {{"--codes"}, "Missing value after '--codes'."},
      {{"a.bmp", "-j"}, "Missing value after '-j'."},
      {{"--page=yes"}, "Unexpected value after '--page'."},
  };
  for (const auto& c : cases) {
    const Expected<GivenOptions> given = Read(c.arguments);
    ASSERT_FALSE(given) << c.message;
    EXPECT_EQ(given.problem().message, c.message);
  }
}

}  // namespace
}  // namespace tintara
