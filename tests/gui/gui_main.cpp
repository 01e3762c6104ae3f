#include <gtest/gtest.h>

#include <QApplication>

// Window tests share one application on the offscreen platform, so they run without a display,
// on one screen of a common desktop size.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TINTARA_TEST_SCREEN);
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
