#include "platform/file_identity.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>

namespace tintara {
namespace {

namespace fs = std::filesystem;

// A file another program wrote again must read as changed, however little changed about it.
TEST(FileIdentity, AReplacedFileOrANanosecondLaterWriteIsAnotherVersion) {
  std::string pattern = (fs::temp_directory_path() / "file_identity_test.XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::string path = (fs::path(pattern) / "book.txt").string();
  const auto setModified = [](const std::string& file, long nanoseconds) {
    const timespec times[2] = {{0, UTIME_OMIT}, {1'700'000'000, nanoseconds}};
    ASSERT_EQ(::utimensat(AT_FDCWD, file.c_str(), times, 0), 0);
  };
  EXPECT_EQ(IdentityOf(path), std::nullopt);
  std::ofstream(path) << "one";
  setModified(path, 1);
  const std::optional<FileIdentity> first = IdentityOf(path);
  ASSERT_TRUE(first);

  setModified(path, 2);
  EXPECT_NE(IdentityOf(path), first);

  const std::string replacement = path + ".new";
  std::ofstream(replacement) << "one";
  setModified(replacement, 1);
  fs::rename(replacement, path);
  const std::optional<FileIdentity> replaced = IdentityOf(path);
  EXPECT_NE(replaced, first);
  EXPECT_EQ(replaced->size, first->size);
  EXPECT_EQ(replaced->modifiedNanoseconds, first->modifiedNanoseconds);
  fs::remove_all(pattern);
}

}  // namespace
}  // namespace tintara
