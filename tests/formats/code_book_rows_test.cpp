#include "formats/code_book_rows.h"

#include <gtest/gtest.h>

#include "formats/allocated_bytes.h"

namespace tintara {
namespace {

// A book of any size is listed at the cost of one position an entry: a row's name, codes and
// colours are read from the book as the row is shown, and kept nowhere.
TEST(CodeBookRows, TheRowsOfABookKeepOnlyWhereEachEntryIs) {
  CodeBook book;
  for (int entry = 0; entry < 10000; ++entry) {
    AddEntry(book, "9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39 ",
             "a skin with a name too long to be kept inside its string " + std::to_string(entry));
  }
  const std::size_t before = AllocatedBytes();
  const CodeBookRows rows(book);
  for (std::size_t row = 0; row < rows.size(); ++row) {
    ASSERT_TRUE(SlotColoursOf(rows.entry(row).codes)[15]);
  }
  ASSERT_EQ(rows.size(), 10000u);
  EXPECT_LE(AllocatedSince(before), rows.size() * sizeof(std::size_t) + 64);
}

}  // namespace
}  // namespace tintara
