#include "app/error_report.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace tintara {
namespace {

// A file named like markup is told by its name, not drawn as markup.
TEST(MessageBoxReporter, ShowsTheMessageAsPlainText) {
  std::optional<Qt::TextFormat> format;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    ASSERT_NE(box, nullptr);
    format = box->textFormat();
    box->accept();
  });
  MessageBoxReporter()("Cannot read <b>book</b>.txt");
  EXPECT_EQ(format, Qt::PlainText);
}

}  // namespace
}  // namespace tintara
