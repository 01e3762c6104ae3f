#include "platform/folders.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace tintara {
namespace {

namespace fs = std::filesystem;

// The folders above are made too, and the message names the one that stood in the way, not the
// folder asked for.
TEST(MakeFolderToWriteInto, MakesEachMissingFolderOrNamesTheOneInTheWay) {
  std::string pattern = (fs::temp_directory_path() / "folders_test.XXXXXX").string();
  ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
  const fs::path dir = pattern;
  std::ofstream(dir / "file.txt") << "text";

  EXPECT_EQ(MakeFolderToWriteInto((dir / "a/b/c").string()), std::nullopt);
  EXPECT_TRUE(fs::is_directory(dir / "a/b/c"));
  EXPECT_EQ(MakeFolderToWriteInto((dir / "a/b/c").string()), std::nullopt);  // already there

  const std::optional<Problem> blocked = MakeFolderToWriteInto((dir / "file.txt/d/e").string());
  ASSERT_TRUE(blocked);
  const std::string file = (dir / "file.txt").string();
  EXPECT_EQ(*blocked,
            (Problem{"Cannot create folder " + file + ": a file stands in its place", file}));
  EXPECT_FALSE(fs::exists(dir / "file.txt/d"));
  fs::remove_all(dir);
}

}  // namespace
}  // namespace tintara
