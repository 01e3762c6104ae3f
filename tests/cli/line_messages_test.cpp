#include "cli/line_messages.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tintara {
namespace {

LineMessage Bad(int line, const std::string& token) {
  const CodeString codes{token, {}, line, "codes.txt", {}};
  return MessageAboutLine("BODY.BMP: ", codes, "'" + token + "' is not a valid integer value");
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The same problem on many lines is told twenty times, in order, and then once more at the end
// with how many lines it was not told for; another problem is told on its own.
TEST(LineMessages, EachKindIsToldTwentyTimesAndCountedAtTheEnd) {
  LineMessages messages;
  std::ostringstream told;
  for (int line = 1; line <= 25; ++line) messages.Tell(Bad(line, "x"), told);
  messages.Tell(Bad(26, "y"), told);
  const std::vector<std::string> lines = Lines(told.str());
  ASSERT_EQ(lines.size(), 21u) << told.str();
  EXPECT_EQ(lines[0], "tintara: BODY.BMP: codes.txt:1: 'x' is not a valid integer value");
  EXPECT_EQ(lines[19], "tintara: BODY.BMP: codes.txt:20: 'x' is not a valid integer value");
  EXPECT_EQ(lines[20], "tintara: BODY.BMP: codes.txt:26: 'y' is not a valid integer value");
  std::ostringstream rest;
  messages.TellRest(rest);
  EXPECT_EQ(rest.str(),
            "tintara: BODY.BMP: codes.txt: 'x' is not a valid integer value … and 5 more lines "
            "like this\n");
}

// Messages that all quote a different token cannot each be kept as a kind of their own.
TEST(LineMessages, KindsPastTheBoundAreCountedTogether) {
  LineMessages messages;
  std::ostringstream told;
  const int lines = int(LineMessages::kMostKinds + LineMessages::kShownOfAKind) + 7;
  for (int line = 1; line <= lines; ++line)
    messages.Tell(Bad(line, std::to_string(line) + "x"), told);
  EXPECT_EQ(Lines(told.str()).size(), LineMessages::kMostKinds + LineMessages::kShownOfAKind);
  std::ostringstream rest;
  messages.TellRest(rest);
  EXPECT_EQ(rest.str(), "tintara: … and 7 more lines with other problems\n");
}

}  // namespace
}  // namespace tintara
