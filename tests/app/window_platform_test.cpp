#include "app/window_platform.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

const QStringList kPlugins{"minimal", "offscreen", "wayland", "xcb"};

std::optional<QString> Why(const QStringList& variables, const QStringList& arguments = {}) {
  QProcessEnvironment environment;
  for (const QString& variable : variables) {
    environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
  }
  return WhyNoWindowOpens(QStringList{"tintara"} + arguments, environment, kPlugins);
}

TEST(WindowPlatform, WithoutADisplayTheVariableToSetIsNamed) {
  EXPECT_EQ(Why({}), "cannot open a window: no display; set DISPLAY or WAYLAND_DISPLAY");
  EXPECT_EQ(Why({"QT_QPA_PLATFORM=xcb"}), "cannot open a window: no display; set DISPLAY");
  EXPECT_EQ(Why({"DISPLAY=:0"}), std::nullopt);
  EXPECT_EQ(Why({"WAYLAND_DISPLAY=wayland-0", "QT_QPA_PLATFORM=wayland;xcb"}), std::nullopt);
  EXPECT_EQ(Why({}, {"-platform", "offscreen"}), std::nullopt);
  EXPECT_EQ(Why({"QT_QPA_PLATFORM=xcb"}, {"-display", ":1"}), std::nullopt);
}

TEST(WindowPlatform, APlatformWithoutAPluginIsToldWithThoseThereAre) {
  EXPECT_EQ(Why({"QT_QPA_PLATFORM=nosuch", "DISPLAY=:0"}),
            "cannot open a window: Qt has no platform plugin 'nosuch'; set QT_QPA_PLATFORM to one "
            "of minimal, offscreen, wayland, xcb");
  EXPECT_EQ(Why({"QT_QPA_PLATFORM=nosuch;offscreen"}), std::nullopt);
}

// The search finds the plugin these tests run on.
TEST(WindowPlatform, ThePluginsQtLoadsAreFound) {
  EXPECT_TRUE(PlatformPluginNames({"tintara"}, QProcessEnvironment::systemEnvironment())
                  .contains("offscreen"));
}

}  // namespace
}  // namespace tintara
