#include "formats/code_book_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "formats/message_of.h"
#include "formats/read_bytes.h"

namespace tintara {
namespace {

class CodeBookFile : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
  std::string Path(const QString& name) const { return dir_.filePath(name).toStdString(); }
  void Store(const QString& name, const QByteArray& text) const {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(text) == text.size());
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(CodeBookFile, ANewBookIsWrittenAndReadBackWithItsProblemsNamingTheFile) {
  const std::string path = Path("codebook.txt");
  ReadBook read = ReadCodeBook(path);
  EXPECT_TRUE(read.problems.empty());
  AddEntry(read.book, "1 2 ", "Red");
  read.book.lines.emplace_back(KeptLine{"x y # broken"});
  ASSERT_EQ(MessageOf(WriteCodeBook(path, read.book)), "");
  EXPECT_EQ(ReadBytes(QString::fromStdString(path)), "1 2  # Red\nx y # broken\n");
  const ReadBook again = ReadCodeBook(path);
  EXPECT_EQ(again.book, read.book);
  ASSERT_EQ(again.problems.size(), 1u);
  EXPECT_EQ(again.problems[0].message, "codebook.txt:2: 'x' is not a valid integer value");
}

TEST_F(CodeBookFile, AReadOnlyBookIsNotReplaced) {
  Store("codebook.txt", "1 # One\n");
  ASSERT_EQ(::chmod(Path("codebook.txt").c_str(), 0444), 0);
  ReadBook read = ReadCodeBook(Path("codebook.txt"));
  AddEntry(read.book, "2 ", "Two");
  EXPECT_EQ(MessageOf(WriteCodeBook(Path("codebook.txt"), read.book)),
            "Cannot create file " + QString::fromStdString(Path("codebook.txt")) +
                ": the file is read-only");
  EXPECT_EQ(ReadBytes(QString::fromStdString(Path("codebook.txt"))), "1 # One\n");
}

// Whatever stands where the book should be and cannot be read is told once and never written over.
TEST_F(CodeBookFile, ABookThatCannotBeReadIsToldAndNeverWrittenOver) {
  ASSERT_TRUE(QDir(QString::fromStdString(Path(""))).mkdir("codebook.txt"));
  ReadBook read = ReadCodeBook(Path("codebook.txt"));
  ASSERT_EQ(read.problems.size(), 1u);
  EXPECT_EQ(read.problems[0].message, "Cannot read the code book codebook.txt: not a regular file");
  ASSERT_TRUE(read.book.unreadable);
  AddEntry(read.book, "2 ", "Two");
  EXPECT_TRUE(MessageOf(WriteCodeBook(Path("codebook.txt"), read.book))
                  .endsWith("the code book there could not be read (not a regular file), and is "
                            "kept as it is"));
}

TEST_F(CodeBookFile, ImportTakesBooksAndPagesAndTellsWhatItCannotRead) {
  Store("other.txt", "# theirs\n5 6 # Green\n7 \n");
  Store("Red Skin.htm", "<HTML><!--MOXEL--> 9 223 1 <BR></HTML>\n");
  Store("hash.htm", "<!--MOXEL--> 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 # x<BR>\n");
  const std::vector<std::string> paths{Path("other.txt"), Path("Red Skin.htm"), Path("missing.txt"),
                                       Path("hash.htm")};
  const ImportedEntries imported = ImportCodeBookEntries(paths);
  EXPECT_EQ(imported.entries,
            (std::vector<CodeBookEntry>{
                {"5 6", "Green"}, {"7 ", std::nullopt}, {"9 223 1 ", "Red Skin"}}));
  ASSERT_EQ(imported.problems.size(), 2u);
  EXPECT_EQ(imported.problems[0].message,
            "Cannot read the code book missing.txt: the file does not exist");
  EXPECT_EQ(imported.problems[1].message,
            "Cannot import hash.htm: its code string holds ' # ', which a code book line cannot "
            "keep");

  ASSERT_EQ(MessageOf(ExportCodeBook(Path("export.txt"), imported.entries)), "");
  EXPECT_EQ(ReadBytes(QString::fromStdString(Path("export.txt"))),
            "5 6 # Green\n7 \n9 223 1  # Red Skin\n");
}

}  // namespace
}  // namespace tintara
