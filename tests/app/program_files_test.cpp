#include "app/program_files.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintara {
namespace {

// A folder holding a program laid out as the test asks, and the user's own folders.
class ProgramFilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    qputenv("XDG_CONFIG_HOME", path("config").toUtf8());
    qputenv("XDG_DATA_HOME", path("data").toUtf8());
  }
  void TearDown() override {
    qunsetenv("XDG_CONFIG_HOME");
    qunsetenv("XDG_DATA_HOME");
  }

  QString path(const QString& name) const { return dir_.filePath(name); }
  void Touch(const QString& name) const {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile file(path(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }

 private:
  QTemporaryDir dir_;
};

TEST_F(ProgramFilesTest, APortableFolderKeepsEverythingBesideTheExecutable) {
  Touch("portable/tintara");
  Touch("portable/DESIGNGRID.BMP");
  Touch("portable/guide.html");
  const ProgramFiles files = ProgramFiles::ForExecutable(path("portable/tintara"));
  EXPECT_EQ(files.directory, path("portable") + '/');
  EXPECT_EQ(files.iniPath, path("portable/tintara.INI"));
  EXPECT_EQ(files.outputDirectory, path("portable") + '/');
  EXPECT_EQ(files.codeBookPath, path("portable/codebook.txt"));
  EXPECT_EQ(files.guidePath, path("portable/guide.html"));
}

TEST_F(ProgramFilesTest, AnInstalledProgramReadsItsShareFolderAndWritesTheUsersOwn) {
  Touch("usr/bin/tintara");
  Touch("usr/share/tintara/DESIGNGRID.BMP");
  Touch("usr/share/doc/tintara/guide.html");
  const ProgramFiles files = ProgramFiles::ForExecutable(path("usr/bin/tintara"));
  EXPECT_EQ(files.directory, path("usr/share/tintara") + '/');
  EXPECT_EQ(files.iniPath, path("config/tintara/tintara.INI"));
  EXPECT_EQ(files.outputDirectory, path("data/tintara") + '/');
  EXPECT_EQ(files.codeBookPath, path("data/tintara/codebook.txt"));
  EXPECT_TRUE(QFileInfo(path("config/tintara")).isDir());
  EXPECT_EQ(files.guidePath, path("usr/share/doc/tintara/guide.html"));
}

}  // namespace
}  // namespace tintara
