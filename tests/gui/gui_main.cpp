#include <gtest/gtest.h>

#include <QApplication>

// Window tests share one application on the offscreen platform, so they run without a display.
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
