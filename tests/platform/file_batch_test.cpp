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

// Stages a file as an output of its own; why not, when it cannot.
Written Stage(FileBatch& batch, const std::string& path, const std::string& text) {
  Expected<StagedFile> staged = StageFile(path, Bytes(text));
  if (!staged) return {staged.problem().message};
  batch.Add({std::move(*staged)});
  return {};
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
  ASSERT_TRUE(Stage(batch, Path("old.png"), "new"));
  ASSERT_TRUE(Stage(batch, Path("new.png"), "new"));
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
  const auto opened = [this](const char* name) { return ::open(Path(name).c_str(), O_RDONLY); };
  EXPECT_EXIT(
      {
        RemoveTemporaryFilesOnInterrupt();
        RegisterTemporaryFile(Path(".tintara-a"), Path("a"), opened(".tintara-a"));
        ForgetTemporaryFile(
            RegisterTemporaryFile(Path(".tintara-b"), Path("b"), opened(".tintara-b")));
        RegisterTemporaryFile(Path(".tintara-c"), Path("c"), opened(".tintara-a"));
        std::raise(SIGTERM);
      },
      testing::KilledBySignal(SIGTERM), "");
  EXPECT_EQ(Entries(), (std::vector<std::string>{".tintara-b", ".tintara-c"}));
}

TEST_F(FileBatchTest, CommitPutsEveryFileWholeInItsPlace) {
  std::ofstream(Path("b.png")) << std::string(100000, 'x');
  FileBatch batch;
  ASSERT_TRUE(Stage(batch, Path("a.png"), "first"));
  ASSERT_TRUE(Stage(batch, Path("b.png"), "second"));
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
  EXPECT_EQ(Stage(batch, Path("missing/a.png"), "lost").reason, "the folder does not exist");
  EXPECT_EQ(Stage(batch, Path("taken.png"), "lost").reason, "it is a folder");
  ASSERT_TRUE(Stage(batch, Path("c.png"), "kept"));
  EXPECT_EQ(batch.Commit(), std::vector<Written>(1));
  EXPECT_TRUE(fs::is_directory(Path("taken.png")));
  EXPECT_EQ(Entries(), (std::vector<std::string>{"c.png", "taken.png"}));
}

TEST_F(FileBatchTest, ABatchNeverCommittedLeavesTheOldFiles) {
  std::ofstream(Path("a.png")) << "old";
  {
    FileBatch batch;
    ASSERT_TRUE(Stage(batch, Path("a.png"), "new"));
  }
  EXPECT_EQ(Read(Path("a.png")), "old");
  EXPECT_EQ(Entries(), std::vector<std::string>{"a.png"});
}

}  // namespace
}  // namespace tintara
