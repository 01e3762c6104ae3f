#include "platform/file_io.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/interrupt_cleanup.h"

namespace tintara {
namespace {

namespace fs = std::filesystem;

std::span<const std::uint8_t> Bytes(const std::string& text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

class FileIo : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "tintara_io_XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override {
    fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(dir_);
  }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  void Store(const std::string& name, const std::string& text) const {
    std::ofstream(Path(name), std::ios::binary) << text;
  }
  std::string Stored(const std::string& name) const {
    std::ifstream in(Path(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

// Stages new files at the paths and is ended by SIGTERM after the first is in its place, as by a
// user's Ctrl+C.
void InterruptedAfterTheFirstPlacement(const std::vector<std::string>& paths) {
  RemoveTemporaryFilesOnInterrupt();
  std::vector<StagedFile> files;
  for (const std::string& path : paths) files.push_back(*StageFile(path, Bytes("new")));
  Placement placement(files);
  if (placement.PlaceNext()) std::raise(SIGTERM);
}

// A picture and its page change together: a signal between the two puts back what was there
// before, the old files or none, and leaves no temporary file.
TEST_F(FileIo, ASignalBetweenTwoPlacementsLeavesTheOldFiles) {
  const struct {
    const char* name;
    std::vector<std::string> before;
  } cases[] = {{"over old files", {"a.htm", "a.jpg"}}, {"where there were none", {}}};
  // A file placed here first, as by a batch before: the forked child's handler must still know
  // its own placement for its own.
  StagedFile earlier = *StageFile(Path("earlier"), Bytes("earlier"));
  ASSERT_TRUE(FinishStagedFile(earlier));
  fs::remove(Path("earlier"));
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    for (const std::string& name : c.before) Store(name, "old " + name);
    EXPECT_EXIT(InterruptedAfterTheFirstPlacement({Path("a.jpg"), Path("a.htm")}),
                testing::KilledBySignal(SIGTERM), "");
    EXPECT_EQ(Entries(), c.before);
    for (const std::string& name : c.before) {
      EXPECT_EQ(Stored(name), "old " + name);
      fs::remove(Path(name));
    }
  }
}

TEST_F(FileIo, ReadingRefusesWhatIsNotAWholeRegularFileOfAllowedSize) {
  Store("small", "12345");
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  const struct {
    std::string path;
    std::size_t maxBytes;
    const char* problem;
  } cases[] = {
      {Path("missing"), 100, "the file does not exist"},
      {Path("small/inside"), 100, "a part of the path is not a folder"},
      {Path("fifo"), 100, "not a regular file"},  // returns at once, with no writer
      {dir_.string(), 100, "not a regular file"},
      {"/dev/zero", 100, "not a regular file"},
      {Path("small"), 4, "the file is too large"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    const auto reading = ReadWholeFile(c.path, c.maxBytes);
    ASSERT_FALSE(reading);
    EXPECT_EQ(reading.problem(), (Problem{c.problem, c.path}));
  }
  EXPECT_EQ(ReadWholeFile(Path("small"), 5)->size(), 5u);
}

// More pieces than one system call fills, from an offset, in a file that shrank once open.
TEST_F(FileIo, PiecesAreFilledInTurnUntilTheFileEnds) {
  std::string text;
  for (int i = 0; i < 5000; ++i) text += static_cast<char>('a' + i % 23);
  Store("data", text);
  const auto file = ReadOnlyFile::Open(Path("data"), text.size());
  ASSERT_TRUE(file);
  fs::resize_file(Path("data"), 4000);
  std::vector<std::uint8_t> out(6000, '-');
  std::vector<std::span<std::uint8_t>> pieces;
  for (std::size_t at = 0; at < out.size(); at += 3) pieces.emplace_back(out.data() + at, 3);
  const auto read = file->ReadAt(10, pieces);
  ASSERT_TRUE(read);
  EXPECT_EQ(*read, 3990u);
  EXPECT_EQ(std::string(out.begin(), out.end()), text.substr(10, 3990) + std::string(2010, '-'));
}

// The user marked these read-only: even a user who may write anything keeps them as they are.
TEST_F(FileIo, AReadOnlyFileIsNeverReplaced) {
  Store("locked.jpg", "old");
  fs::permissions(Path("locked.jpg"), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_FALSE(WriteFileAtomically(Path("locked.jpg"), Bytes("new")));
  EXPECT_EQ(Stored("locked.jpg"), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"locked.jpg"});
}

TEST_F(FileIo, AFileThatIsNotRegularIsNeverReplaced) {
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  fs::create_directory(Path("folder"));
  for (const char* name : {"fifo", "folder"}) {
    SCOPED_TRACE(name);
    EXPECT_FALSE(WriteFileAtomically(Path(name), Bytes("new")));
    EXPECT_NE(fs::symlink_status(Path(name)).type(), fs::file_type::regular);
  }
  EXPECT_EQ(Entries(), (std::vector<std::string>{"fifo", "folder"}));
}

// Each reason a write is refused for ends the message the user reads.
TEST_F(FileIo, ARefusedWriteSaysWhy) {
  Store("locked.jpg", "old");
  fs::permissions(Path("locked.jpg"), fs::perms::owner_read);
  Store("file.txt", "text");
  fs::create_directory(Path("folder"));
  ASSERT_EQ(::mkfifo(Path("fifo").c_str(), 0600), 0);
  const struct {
    std::string path;
    const char* reason;
  } cases[] = {
      {Path("nodir/out.png"), "the folder does not exist"},
      {Path("locked.jpg"), "the file is read-only"},
      {Path("file.txt/out.png"), "a part of the path is not a folder"},
      {Path("folder"), "it is a folder"},
      {Path("fifo"), "it is not a regular file"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(WriteFileAtomically(c.path, Bytes("new")).reason, c.reason);
    const Expected<StagedFile> staged = StartStagedFile(c.path);
    ASSERT_FALSE(staged);
    EXPECT_EQ(staged.problem(), (Problem{c.reason, c.path}));
  }
}

// Root may write into any folder, so only another user sees this refusal.
TEST_F(FileIo, AFolderThatMayNotBeWrittenSaysPermissionDenied) {
  if (::geteuid() == 0) GTEST_SKIP() << "root writes into any folder";
  fs::create_directory(Path("shut"));
  fs::permissions(Path("shut"), fs::perms::owner_read | fs::perms::owner_exec);
  EXPECT_EQ(WriteFileAtomically(Path("shut/out.png"), Bytes("new")).reason, "permission denied");
  fs::permissions(Path("shut"), fs::perms::owner_all);
}

TEST_F(FileIo, ALinkIsFollowedAndStaysALink) {
  fs::create_directory(Path("real"));
  Store("real/page.htm", "old");
  fs::create_symlink("real/page.htm", Path("page.htm"));
  fs::create_symlink("real/new.htm", Path("dangling.htm"));
  ASSERT_TRUE(WriteFileAtomically(Path("page.htm"), Bytes("new")));
  ASSERT_TRUE(WriteFileAtomically(Path("dangling.htm"), Bytes("made")));
  EXPECT_TRUE(fs::is_symlink(Path("page.htm")));
  EXPECT_EQ(Stored("real/page.htm"), "new");
  EXPECT_TRUE(fs::is_symlink(Path("dangling.htm")));
  EXPECT_EQ(Stored("real/new.htm"), "made");
}

// The temporary file must not lengthen the target's name: 255 bytes is the usual limit.
TEST_F(FileIo, ANameOfTheLongestLengthIsWritten) {
  const std::string name(255, 'n');
  ASSERT_TRUE(WriteFileAtomically(Path(name), Bytes("x")));
  EXPECT_EQ(Stored(name), "x");
  EXPECT_EQ(Entries(), std::vector<std::string>{name});
}

}  // namespace
}  // namespace tintara
