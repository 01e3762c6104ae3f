#include "app/error_report.h"

#include <gtest/gtest.h>

#include <QMessageBox>

namespace tintara {
namespace {

// A token typed as markup is shown as typed.
TEST(ErrorBox, ShowsTheMessageAsPlainText) {
  const QString message = "'<i>x</i>' is not a valid integer value";
  const std::unique_ptr<QMessageBox> box = ErrorBox(message, nullptr);
  EXPECT_EQ(box->text(), message);
  EXPECT_EQ(box->textFormat(), Qt::PlainText);
}

}  // namespace
}  // namespace tintara
