#include "app/window_command_line.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tintara {
namespace {

struct Taken {
  WindowCommandLine given;
  std::vector<std::string> left;  // for Qt
};

Taken Take(std::vector<std::string> arguments) {
  std::vector<char*> argv;
  for (std::string& argument : arguments) argv.push_back(argument.data());
  argv.push_back(nullptr);
  int argc = int(arguments.size());
  Taken taken{TakeWindowCommandLine(argc, argv.data()), {}};
  EXPECT_EQ(argv[std::size_t(argc)], nullptr);
  taken.left.assign(argv.begin(), argv.begin() + argc);
  return taken;
}

TEST(WindowCommandLine, TheFileIsTakenBeforeQtReadsItsOptions) {
  const Taken named = Take({"tintara", "--", "-reverse", "-style", "fusion"});
  EXPECT_EQ(named.given.file, "-reverse");
  EXPECT_EQ(named.left, (std::vector<std::string>{"tintara", "-style", "fusion"}));
  EXPECT_EQ(Take({"tintara-window", "hero.bmp"}).given.file, "hero.bmp");
  const Taken none = Take({"tintara", "-reverse"});
  EXPECT_TRUE(none.given.file.isEmpty());
  EXPECT_EQ(none.left, (std::vector<std::string>{"tintara", "-reverse"}));
}

TEST(WindowCommandLine, BoundsGivenForTheRunAreNoticed) {
  EXPECT_TRUE(Take({"tintara", "-geometry", "640x480+0+0"}).given.boundsGiven);
  EXPECT_TRUE(Take({"tintara", "--", "a.bmp", "--qwindowgeometry", "640x480"}).given.boundsGiven);
  EXPECT_FALSE(Take({"tintara", "--", "-geometry"}).given.boundsGiven);
}

}  // namespace
}  // namespace tintara
