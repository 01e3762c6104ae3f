#include "paint/colour_names.h"

#include <gtest/gtest.h>

#include <string>

namespace tintara {
namespace {

TEST(ColourName, NamesHueShadeAndGreyOfUnambiguousColours) {
  const struct {
    Colour colour;
    const char* name;
  } cases[] = {
      {MakeColour(255, 0, 0), "red"},
      {MakeColour(0, 255, 0), "green"},
      {MakeColour(0, 0, 255), "blue"},
      {MakeColour(255, 255, 255), "white"},
      {MakeColour(0, 0, 0), "black"},
      {MakeColour(64, 64, 64), "dark grey"},
      {MakeColour(0, 0, 128), "navy"},
      {MakeColour(255, 192, 203), "pink"},
      {MakeColour(200, 200, 200), "light grey"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(std::string(ColourName(c.colour)), c.name);
  }
}

}  // namespace
}  // namespace tintara
