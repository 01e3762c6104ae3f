#include "platform/file_lock.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <optional>

namespace tintara {
namespace {

namespace fs = std::filesystem;
using std::chrono::milliseconds;

// Two windows of one program share the book's lock as two programs do.
TEST(FileLock, ASecondHolderInTheSameProcessWaitsUntilTheFirstLetsGo) {
  std::string pattern = (fs::temp_directory_path() / "file_lock_test.XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const std::string path = (fs::path(pattern) / "book.lock").string();

  std::optional<Expected<FileLock>> first(FileLock::Take(path, milliseconds(0)));
  ASSERT_TRUE(*first);
  const Expected<FileLock> refused = FileLock::Take(path, milliseconds(30));
  ASSERT_FALSE(refused);
  EXPECT_EQ(refused.problem().message, "another program holds it");
  first.reset();
  EXPECT_TRUE(FileLock::Take(path, milliseconds(0)));
  EXPECT_TRUE(fs::exists(path));
  fs::remove_all(pattern);
}

}  // namespace
}  // namespace tintara
