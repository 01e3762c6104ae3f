#include "platform/file_batch.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
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

class FileBatchTest : public testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (fs::temp_directory_path() / "file_batch_test.XXXXXX").string();
    ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
    dir_ = pattern;
  }
  void TearDown() override { fs::remove_all(dir_); }

  std::string Path(const std::string& name) const { return (dir_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  // Everything in the folder, so that stray temporary files show up.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir_)) names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  fs::path dir_;
};

// Until it is whole and committed, a staged file has no name a crash could leave behind (on a file
// system with unnamed files, as the temporary folder's are).
TEST_F(FileBatchTest, AStagedFileLeavesNoEntryUntilItIsCommitted) {
  std::ofstream(Path("old.png")) << "old";
  FileBatch batch;
  ASSERT_TRUE(batch.Stage(Path("old.png"), Bytes("new")));
  ASSERT_TRUE(batch.Stage(Path("new.png"), Bytes("new")));
  EXPECT_EQ(Entries(), std::vector<std::string>{"old.png"});
  EXPECT_EQ(batch.Commit(), std::vector<Written>(2));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"new.png", "old.png"}));
  EXPECT_EQ(Read(Path("old.png")), "new");
}

// What the interrupt handler does: a registered file goes; one forgotten stays, and so does one
// whose name now stands for another file.
TEST_F(FileBatchTest, RegisteredTemporaryFilesAreRemovedOnInterrupt) {
  for (const char* name : {".tintara-a", ".tintara-b", ".tintara-c"})
    std::ofstream(Path(name)) << name;
  const auto identity = [this](const char* name) {
    const int fd = ::open(Path(name).c_str(), O_RDONLY);
    const FileIdentity file = IdentityOf(fd);
    ::close(fd);
    return file;
  };
  EXPECT_EXIT(
      {
        RemoveTemporaryFilesOnInterrupt();
        RegisterTemporaryFile(Path(".tintara-a"), Path("a"), identity(".tintara-a"));
        ForgetTemporaryFile(
            RegisterTemporaryFile(Path(".tintara-b"), Path("b"), identity(".tintara-b")));
        RegisterTemporaryFile(Path(".tintara-c"), Path("c"), identity(".tintara-a"));
        std::raise(SIGTERM);
      },
      testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ(Entries(), (std::vector<std::string>{".tintara-b", ".tintara-c"}));
}

TEST_F(FileBatchTest, CommitPutsEveryFileWholeInItsPlace) {
  std::ofstream(Path("b.png")) << std::string(100000, 'x');
  FileBatch batch;
  ASSERT_TRUE(batch.Stage(Path("a.png"), Bytes("first")));
  ASSERT_TRUE(batch.Stage(Path("b.png"), Bytes("second")));
  EXPECT_EQ(Read(Path("b.png")).size(), 100000u);  // nothing replaced before the commit
  EXPECT_EQ(batch.Commit(), std::vector<Written>(2));
  EXPECT_EQ(Read(Path("a.png")), "first");
  EXPECT_EQ(Read(Path("b.png")), "second");
  EXPECT_EQ(Entries(), (std::vector<std::string>{"a.png", "b.png"}));
}

// A file that cannot be written is refused, with why, when staged, and the others go on.
TEST_F(FileBatchTest, AFileThatCannotBeWrittenLeavesTheOthersAndNothingBehind) {
  fs::create_directory(Path("taken.png"));
  FileBatch batch;
  EXPECT_EQ(batch.Stage(Path("missing/a.png"), Bytes("lost")).reason, "the folder does not exist");
  EXPECT_EQ(batch.Stage(Path("taken.png"), Bytes("lost")).reason, "it is a folder");
  ASSERT_TRUE(batch.Stage(Path("c.png"), Bytes("kept")));
  EXPECT_EQ(batch.Commit(), std::vector<Written>(1));
  EXPECT_TRUE(fs::is_directory(Path("taken.png")));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"c.png", "taken.png"}));
}

TEST_F(FileBatchTest, ABatchNeverCommittedLeavesTheOldFiles) {
  std::ofstream(Path("a.png")) << "old";
  {
    FileBatch batch;
    ASSERT_TRUE(batch.Stage(Path("a.png"), Bytes("new")));
  }
  EXPECT_EQ(Read(Path("a.png")), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.png"});
}

}  // namespace
}  // namespace tintara
