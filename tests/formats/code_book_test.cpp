#include "formats/code_book.h"

#include <gtest/gtest.h>

#include "formats/code_book_line.h"

namespace tintara {
namespace {

constexpr char kWritten[] = "9 223 224 127 128 129 130 131 132 133 221 219 217 215 210 39 ";

TEST(CodeBook, ABookTheProgramWroteComesBackByteForByteWithItsCommentsAndBlankLines) {
  const std::string text =
      std::string("# my skins\n\n") + kWritten + " # Red\n#\n" + kWritten + " # \n" + "1 2 3\n";
  const ReadBook read = ParseCodeBook(text);
  EXPECT_TRUE(read.problems.empty());
  ASSERT_EQ(read.book.lines.size(), 6u);
  EXPECT_EQ(read.book.lines[0], CodeBookLine(KeptLine{"# my skins"}));
  EXPECT_EQ(read.book.lines[1], CodeBookLine(KeptLine{""}));
  EXPECT_EQ(read.book.lines[2], CodeBookLine(CodeBookEntry{kWritten, "Red"}));
  EXPECT_EQ(read.book.lines[4], CodeBookLine(CodeBookEntry{kWritten, ""}));
  EXPECT_EQ(read.book.lines[5], CodeBookLine(CodeBookEntry{"1 2 3", std::nullopt}));
  EXPECT_EQ(EntryLines(read.book), (std::vector<std::size_t>{2, 4, 5}));
  EXPECT_EQ(CodeBookText(read.book), text);
}

// The code string is everything before the line's last " # ": a name given with " # " in it is
// kept so that it reads back whole.
TEST(CodeBook, ANameWithTheSeparatorInItIsStoredSoThatItsLineReadsBack) {
  const ReadBook read = ParseCodeBook(std::string(kWritten) + " # Red # Blue\n");
  EXPECT_TRUE(read.problems.empty());  // the tokens after the 16th are not read
  EXPECT_EQ(read.book.lines.at(0),
            CodeBookLine(CodeBookEntry{std::string(kWritten) + " # Red", "Blue"}));

  CodeBook book;
  AddEntry(book, kWritten, "Red # Blue\nand # green");
  RenameEntry(book, 0, StorableName("unchanged"));
  AddEntry(book, kWritten, "# starts like a comment");
  const ReadBook again = ParseCodeBook(CodeBookText(book));
  EXPECT_EQ(again.book, book);
  EXPECT_EQ(std::get<CodeBookEntry>(book.lines[1]).name, "#starts like a comment");
  EXPECT_EQ(StorableName("Red # Blue\nand # green"), "Red #Blue and #green");
}

TEST(CodeBook, ALineWithABadTokenIsToldWithItsNumberAndKeptAsItStands) {
  const ReadBook read = ParseCodeBook("1 2 \r\n# note\r\n3 x 4 # Broken\r\n5 # Fine");
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].line, 3);
  EXPECT_EQ(read.problems[0].message, "'x' is not a valid integer value");
  EXPECT_EQ(EntryLines(read.book), (std::vector<std::size_t>{0, 3}));
  EXPECT_EQ(CodeBookText(read.book), "1 2 \n# note\n3 x 4 # Broken\n5 # Fine\n");
}

// A line is bounded as a codes file's line is: one longer is told, not read, and written back as
// it stands.
TEST(CodeBook, ALineLongerThanACodeLineIsToldKeptAndNotRead) {
  const std::string longest = "1 2 # " + std::string(kLongestCodeLine - 6, 'n');
  const std::string tooLong = longest + 'n';
  const ReadBook read = ParseCodeBook(longest + "\n" + tooLong + "\r\n3 # c\n");
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].line, 2);
  EXPECT_NE(read.problems[0].message.find("longer than"), std::string::npos);
  EXPECT_EQ(EntryLines(read.book), (std::vector<std::size_t>{0, 2}));
  EXPECT_EQ(CodeBookText(read.book), longest + "\n" + tooLong + "\n3 # c\n");
}

TEST(CodeBook, EntriesMovePastCommentsToTheNextEntryAndStopAtTheEnds) {
  CodeBook book;
  AddEntry(book, "1 ", "a");
  book.lines.emplace_back(KeptLine{"# between"});
  AddEntry(book, "2 ", "b");
  EXPECT_EQ(MoveEntry(book, 2, -1), 0u);
  EXPECT_EQ(CodeBookText(book), "2  # b\n# between\n1  # a\n");
  EXPECT_EQ(MoveEntry(book, 0, -1), 0u);
  EXPECT_EQ(MoveEntry(book, 2, +1), 2u);
  RemoveLines(book, std::vector<std::size_t>{1});
  EXPECT_EQ(CodeBookText(book), "2  # b\n1  # a\n");
}

}  // namespace
}  // namespace tintara
