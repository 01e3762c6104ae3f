#include "platform/ini_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "allocation_peak.h"

namespace tintara {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;

class IniFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tintara_ini_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
    path_ = (dir_ / "Tintara.INI").string();
  }
  void TearDown() override { fs::remove_all(dir_); }

  void Store(const std::string& bytes) const { std::ofstream(path_, std::ios::binary) << bytes; }
  std::string Stored() const {
    std::ifstream in(path_, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> DirectoryEntries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

  fs::path dir_;
  std::string path_;
};

using IniFileReadTest = IniFileTest;
using IniFileWriteTest = IniFileTest;
using IniFileDamageTest = IniFileTest;

TEST_F(IniFileReadTest, MissingFileSectionOrKeyGivesTheFallback) {
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Setup", "HideHints", "none"), "none");
  Store("[Setup]\nHideHints=1\n");
  EXPECT_EQ(ini.ReadString("TForm1", "HideHints", "none"), "none");
  EXPECT_EQ(ini.ReadString("Setup", "Left", "none"), "none");
}

TEST_F(IniFileReadTest, NamesMatchIgnoringCaseAndSurroundingBlanks) {
  Store("  [ sETUP ]  \n\t hidehints =  1 \t\n");
  EXPECT_EQ(IniFile(path_).ReadString("Setup", "HideHints", "none"), "1");
}

TEST_F(IniFileReadTest, FirstMatchingSectionAndKeyWin) {
  Store("[Setup]\nA=first\na=second\n[SETUP]\nA=third\nB=later\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Setup", "A", "none"), "first");
  EXPECT_EQ(ini.ReadString("Setup", "B", "none"), "none");
}

TEST_F(IniFileReadTest, KeysOutsideTheSectionCommentsAndBareWordsDoNotMatch) {
  Store("Left=1\n[Setup]\n;Left=2\nLeft\n[TForm1]\nLeft=3\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Setup", "Left", "none"), "none");
  EXPECT_EQ(ini.ReadString("TForm1", "Left", "none"), "3");
}

TEST_F(IniFileReadTest, ValueIsEverythingAfterTheFirstEqualsSign) {
  Store("[S]\nCode = a=b \nEmpty=\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("S", "Code", "none"), "a=b");
  EXPECT_EQ(ini.ReadString("S", "Empty", "none"), "");
}

TEST_F(IniFileReadTest, MatchingQuotesAroundAValueAreRemoved) {
  const struct {
    std::string stored;
    std::string read;
  } cases[] = {{"\" a b \"", " a b "}, {"'x'", "x"}, {"\"\"", ""},
               {"\"x'", "\"x'"},       {"\"", "\""}, {"a\"b\"", "a\"b\""}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.stored);
    Store("[S]\nK=" + c.stored + "\n");
    EXPECT_EQ(IniFile(path_).ReadString("S", "K", "none"), c.read);
  }
}

TEST_F(IniFileReadTest, CrlfLinesReadWithoutTheCarriageReturn) {
  Store("[TForm1]\r\nLeft=193\r\nTop=115");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("TForm1", "Left", "none"), "193");
  EXPECT_EQ(ini.ReadInteger("TForm1", "Top", 0), 115);
}

TEST_F(IniFileReadTest, IntegersFallBackWhenAbsentOrNotNumbers) {
  Store("[TForm1]\nLeft=-4\nTop=0x20\nWidth=abc\n[Setup]\nHideHints=$20\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("TForm1", "Left", 193), -4);
  EXPECT_EQ(ini.ReadInteger("TForm1", "Top", 115), 32);
  EXPECT_EQ(ini.ReadInteger("TForm1", "Width", 485), 485);
  EXPECT_EQ(ini.ReadInteger("TForm1", "Height", 397), 397);
  EXPECT_EQ(ini.ReadInteger("Setup", "HideHints", 0), 32);
}

TEST(ParseProfileInteger, AcceptsDecimalAndHexadecimalWithin32Bits) {
  const struct {
    std::string text;
    std::optional<std::int32_t> value;
  } cases[] = {
      {"-4", -4},
      {"+7", 7},
      {"0", 0},
      {"007", 7},
      {"0x20", 32},
      {"$20", 32},
      {"0X1f", 31},
      {"$7FFFFFFF", 2147483647},
      {"$FFFFFFFF", -1},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483648LL},
      {"abc", std::nullopt},
      {"", std::nullopt},
      {"12abc", std::nullopt},
      {"2147483648", std::nullopt},
      {"-2147483649", std::nullopt},
      {"$100000000", std::nullopt},
      {"0x", std::nullopt},
      {"$", std::nullopt},
      {"-", std::nullopt},
      {"0x1g", std::nullopt},
      {"-$20", std::nullopt},
      {" 5", std::nullopt},
      {"5 ", std::nullopt},
      {"1.5", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE("\"" + c.text + "\"");
    EXPECT_EQ(ParseProfileInteger(c.text), c.value);
  }
}

TEST_F(IniFileWriteTest, NewFileHoldsANewSectionWithKeysInWrittenOrder) {
  const IniFile ini(path_);
  ASSERT_FALSE(ini.WriteInteger("TForm1", "Left", -4));
  ASSERT_FALSE(ini.WriteInteger("TForm1", "Top", 115));
  ASSERT_FALSE(ini.WriteInteger("TForm1", "Width", 485));
  ASSERT_FALSE(ini.WriteInteger("TForm1", "Height", 397));
  EXPECT_EQ(Stored(), "[TForm1]\nLeft=-4\nTop=115\nWidth=485\nHeight=397\n");
  EXPECT_EQ(ini.ReadInteger("tform1", "left", 0), -4);
}

TEST_F(IniFileWriteTest, NewSectionGoesAtTheEndAndOtherLinesStayByteForByte) {
  const std::string before = "; settings\n\n[Setup]\n  HideHints = 1 ; on\n\n";
  Store(before);
  ASSERT_FALSE(IniFile(path_).WriteString("TForm1", "Left", "5"));
  EXPECT_EQ(Stored(), before + "[TForm1]\nLeft=5\n");
}

TEST_F(IniFileWriteTest, ExistingKeyIsReplacedInPlaceUnderItsOwnSpelling) {
  Store("[Setup]\n; comment\n  hidehints = 0\nOther=x\n\n[TForm1]\nHideHints=7\n");
  ASSERT_FALSE(IniFile(path_).WriteString("SETUP", "HideHints", "1"));
  EXPECT_EQ(Stored(), "[Setup]\n; comment\nhidehints=1\nOther=x\n\n[TForm1]\nHideHints=7\n");
}

TEST_F(IniFileWriteTest, NewKeyFollowsTheLastKeyOfItsSection) {
  Store("[Setup]\nA=1\n; note\nB=2\n\n; about other\n[Other]\nC=3\n");
  ASSERT_FALSE(IniFile(path_).WriteString("setup", "New", "v"));
  EXPECT_EQ(Stored(), "[Setup]\nA=1\n; note\nB=2\nNew=v\n\n; about other\n[Other]\nC=3\n");
}

TEST_F(IniFileWriteTest, NewKeyInASectionWithoutKeysFollowsItsHeader) {
  Store("[Setup]\n\n[Other]\nC=3\n");
  ASSERT_FALSE(IniFile(path_).WriteString("Setup", "HideHints", "0"));
  EXPECT_EQ(Stored(), "[Setup]\nHideHints=0\n\n[Other]\nC=3\n");
}

TEST_F(IniFileWriteTest, CrlfFileStaysCrlf) {
  Store("[Setup]\r\nHideHints=0\r\n");
  const IniFile ini(path_);
  ASSERT_FALSE(ini.WriteString("Setup", "HideHints", "1"));
  ASSERT_FALSE(ini.WriteString("Setup", "Extra", "2"));
  ASSERT_FALSE(ini.WriteString("TForm1", "Left", "3"));
  EXPECT_EQ(Stored(), "[Setup]\r\nHideHints=1\r\nExtra=2\r\n[TForm1]\r\nLeft=3\r\n");
}

TEST_F(IniFileWriteTest, LastLineWithoutNewlineIsEndedOnlyWhenSomethingFollows) {
  Store("[Setup]\nHideHints=0");
  const IniFile ini(path_);
  ASSERT_FALSE(ini.WriteString("Setup", "HideHints", "1"));
  EXPECT_EQ(Stored(), "[Setup]\nHideHints=1");
  ASSERT_FALSE(ini.WriteString("Setup", "Extra", "2"));
  EXPECT_EQ(Stored(), "[Setup]\nHideHints=1\nExtra=2\n");
}

// A settings file is read and rewritten a block at a time: neither keeps a list of its lines nor
// the whole file, however many lines it has.
TEST_F(IniFileWriteTest, AFileOfBlankLinesIsWrittenAndReadInBoundedMemory) {
  const std::string blankLines(std::size_t{1} << 20, '\n');
  Store(blankLines);
  const IniFile ini(path_);
  {
    const AllocationPeak peak;
    ASSERT_FALSE(ini.WriteString("Setup", "HideHints", "1"));
    EXPECT_LT(peak.bytes(), blankLines.size() / 4);
  }
  EXPECT_EQ(Stored(), blankLines + "[Setup]\nHideHints=1\n");
  const AllocationPeak peak;
  EXPECT_EQ(ini.ReadString("Setup", "HideHints", "none"), "1");
  EXPECT_LT(peak.bytes(), blankLines.size() / 4);
}

TEST_F(IniFileWriteTest, WritesLeaveNoTemporaryFilesBehind) {
  const IniFile ini(path_);
  for (int i = 0; i < 5; ++i) ASSERT_FALSE(ini.WriteInteger("TForm1", "Left", i));
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"Tintara.INI"});
}

TEST_F(IniFileWriteTest, FailedWriteReportsThePathAndLeavesNothingBehind) {
  const std::string missingDir = (dir_ / "missing" / "Tintara.INI").string();
  const std::string directory = (dir_ / "IsADirectory.INI").string();
  fs::create_directory(directory);
  const struct {
    std::string path;
    const char* reason;
  } cases[] = {{missingDir, "the folder does not exist"}, {directory, "it is a folder"}};
  for (const auto& [path, reason] : cases) {
    SCOPED_TRACE(path);
    const std::optional<Problem> problem = IniFile(path).WriteString("Setup", "HideHints", "1");
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->message, "Unable to write to " + path + ": " + reason);
    EXPECT_EQ(problem->file, path);
  }
  EXPECT_TRUE(fs::is_directory(directory));
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"IsADirectory.INI"});
}

TEST_F(IniFileDamageTest, BinaryFileReadsWhatItCanAndKeepsEveryByteOnWrite) {
  const std::string head = "\xff\xfe\0\x80garbage=\x01\n"s + std::string(1 << 20, 'x') +
                           "\n[Setup]\r\nHideHints\0=1\nbad\xc3=\xe9\n"s;
  const std::string tail = "[Setup]\nTop=9";
  Store(head + tail);
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadString("Setup", "bad\xc3", "none"), "\xe9");
  EXPECT_EQ(ini.ReadString("Setup", "HideHints", "none"), "none");
  EXPECT_EQ(ini.ReadInteger("Setup", "Top", -1), -1);
  ASSERT_FALSE(ini.WriteString("Setup", "Top", "5"));
  EXPECT_EQ(Stored(), head + "Top=5\n" + tail);
  EXPECT_EQ(ini.ReadInteger("Setup", "Top", -1), 5);
}

TEST_F(IniFileDamageTest, DirectoryOrFifoInPlaceOfTheFileGivesFallbacksAndIsNotReplaced) {
  const struct {
    const char* name;
    std::function<void(const std::string&)> make;
  } cases[] = {
      {"directory", [](const std::string& path) { fs::create_directory(path); }},
      // Reading a FIFO would wait for a writer that never comes.
      {"FIFO", [](const std::string& path) { ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    fs::remove_all(path_);
    c.make(path_);
    const IniFile ini(path_);
    EXPECT_EQ(ini.ReadString("Setup", "HideHints", "none"), "none");
    EXPECT_EQ(ini.ReadInteger("TForm1", "Left", 193), 193);
    EXPECT_TRUE(ini.WriteString("Setup", "HideHints", "1"));
    EXPECT_NE(fs::status(path_).type(), fs::file_type::regular);
  }
}

TEST_F(IniFileWriteTest, AReadOnlyFileIsLeftAsItIsAndTheWriteReported) {
  Store("[Setup]\nHideHints=1\n");
  fs::permissions(path_, fs::perms::owner_read);
  EXPECT_TRUE(IniFile(path_).WriteString("Setup", "HideHints", "0"));
  EXPECT_EQ(Stored(), "[Setup]\nHideHints=1\n");
  EXPECT_EQ(DirectoryEntries(), std::vector<std::string>{"Tintara.INI"});
}

// Editors that save UTF-8 may put a byte order mark before the first section.
TEST_F(IniFileDamageTest, AByteOrderMarkHidesNoSectionAndIsKept) {
  Store("\xEF\xBB\xBF[Setup]\nHideHints=1\n");
  const IniFile ini(path_);
  EXPECT_EQ(ini.ReadInteger("Setup", "HideHints", 0), 1);
  ASSERT_FALSE(ini.WriteString("Setup", "HideHints", "0"));
  EXPECT_EQ(Stored(), "\xEF\xBB\xBF[Setup]\nHideHints=0\n");
}

}  // namespace
}  // namespace tintara
