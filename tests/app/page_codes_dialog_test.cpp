#include "app/page_codes_dialog.h"

#include <gtest/gtest.h>

namespace tintara {
namespace {

TEST(PageCodes, DialogOpensHtmlPagesFirst) {
  const FileDialog dialog = PageCodesDialog();
  EXPECT_EQ(dialog.purpose, FileDialog::Purpose::Open);
  EXPECT_EQ(dialog.defaultExt, "htm");
  ASSERT_EQ(dialog.filters.size(), 2);
  EXPECT_EQ(QtNameFilter(dialog.filters[0]), "HTML pages (*.htm *.html)");
  EXPECT_EQ(dialog.filters[1], "All files (*)");
  EXPECT_FALSE(dialog.confirmOverwrite);
}

}  // namespace
}  // namespace tintara
