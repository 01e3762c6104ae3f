// Two stores on one file stand for two windows, in one program or two.
#include "formats/code_book_store.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "formats/allocated_bytes.h"
#include "formats/code_book_line.h"
#include "formats/read_bytes.h"

namespace tintara {
namespace {

class CodeBookStores : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string Book(const QString& name = "codebook.txt") const {
    return dir_.filePath(name).toStdString();
  }
  QByteArray File(const QString& name = "codebook.txt") const {
    return ReadBytes(dir_.filePath(name));
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(CodeBookStores, ABookChangedOnDiskBetweenTwoAddsKeepsBoth) {
  CodeBookStore first(Book());
  CodeBookStore second(Book());
  ASSERT_FALSE(first.Add("1 ", "alpha").problem);
  ASSERT_FALSE(second.Add("2 ", "beta").problem);
  ASSERT_FALSE(first.Add("3 ", "gamma").problem);
  EXPECT_EQ(File(), "1  # alpha\n2  # beta\n3  # gamma\n");
  EXPECT_EQ(first.book(), ParseCodeBook(File().toStdString()).book);
}

TEST_F(CodeBookStores, TheFirstEntryMakesTheBooksFolder) {
  CodeBookStore store(Book("new/codebook.txt"));
  EXPECT_FALSE(store.Add("1 ", "first").problem);
  EXPECT_EQ(File("new/codebook.txt"), "1  # first\n");
}

TEST_F(CodeBookStores, AChangeFindsItsEntryByNameAndCodesAndLeavesOneChangedMeanwhile) {
  CodeBookStore first(Book());
  first.Add("1 ", "one");
  first.Add("2 ", "two");
  CodeBookStore second(Book());
  const EntryKey one = KeyOfLine(first.book(), 0);
  const EntryKey two = KeyOfLine(first.book(), 1);
  ASSERT_FALSE(second.Remove(std::span(&one, 1)).problem);
  ASSERT_FALSE(first.Rename(two, "deux").problem);
  EXPECT_EQ(File(), "2  # deux\n");

  const CodeBookStore::Outcome renamed = second.Rename(two, "zwei");
  ASSERT_TRUE(renamed.problem);
  EXPECT_NE(renamed.problem->message.find("\"two\""), std::string::npos);
  EXPECT_TRUE(first.Move(one, +1).problem);
  EXPECT_EQ(File(), "2  # deux\n");
}

TEST_F(CodeBookStores, UndoTakesBackOwnChangesAndEndsAtAChangeFromOutside) {
  CodeBookStore first(Book());
  CodeBookStore second(Book());
  first.Add("1 ", "one");
  first.Add("2 ", "two");
  EXPECT_FALSE(first.Refresh().changedOutside);  // its own write
  first.Rename(KeyOfLine(first.book(), 0), "uno");
  EXPECT_EQ(first.Undo().line, 0u);
  EXPECT_EQ(File(), "1  # one\n2  # two\n");
  ASSERT_TRUE(first.canUndo());

  second.Add("3 ", "three");
  EXPECT_TRUE(first.Undo().changedOutside);  // before its window heard of the change
  EXPECT_FALSE(first.canUndo());
  EXPECT_EQ(File(), "1  # one\n2  # two\n3  # three\n");
}

TEST_F(CodeBookStores, RedoMakesAgainWhatUndoTookBackUntilTheNextChange) {
  CodeBookStore store(Book());
  store.Add("1 ", "one");
  store.Add("2 ", "two");
  store.Rename(KeyOfLine(store.book(), 1), "zwei");
  store.Undo();
  store.Undo();
  EXPECT_EQ(store.Redo().line, 1u);
  EXPECT_EQ(File(), "1  # one\n2  # two\n");
  EXPECT_EQ(store.Redo().line, 1u);
  EXPECT_EQ(File(), "1  # one\n2  # zwei\n");
  EXPECT_FALSE(store.canRedo());
  store.Undo();
  store.Add("3 ", "three");
  EXPECT_FALSE(store.canRedo());
}

// Undo keeps what each change replaced, not the book before it: renames in a large book cost their
// names, and are taken back all the same.
TEST_F(CodeBookStores, UndoStepsOnALargeBookKeepOnlyWhatTheyChanged) {
  CodeBookStore store(Book());
  std::vector<CodeBookEntry> entries(10000, CodeBookEntry{std::string(60, '1'), "a skin"});
  ASSERT_TRUE(store.Import(entries).done);
  const QByteArray imported = File();
  const std::size_t before = AllocatedBytes();
  for (int rename = 0; rename < 10; ++rename) {
    ASSERT_TRUE(store.Rename(KeyOfLine(store.book(), 0), std::to_string(rename)).done);
  }
  EXPECT_LT(AllocatedSince(before), static_cast<std::size_t>(imported.size()));
  for (int undo = 0; undo < 10; ++undo) ASSERT_TRUE(store.Undo().done);
  EXPECT_EQ(File(), imported);
}

// Its line would be too long to read back as an entry.
TEST_F(CodeBookStores, ANameTooLongForALineIsRefusedAndTheBookKept) {
  CodeBookStore store(Book());
  store.Add("1 ", "one");
  const std::string name(kLongestCodeLine, 'n');
  EXPECT_TRUE(store.Rename(KeyOfLine(store.book(), 0), name).problem);
  EXPECT_TRUE(store.Add("2 ", name).problem);
  EXPECT_EQ(File(), "1  # one\n");
}

}  // namespace
}  // namespace tintara
