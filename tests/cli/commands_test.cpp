#include "cli/commands.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tintara {
namespace {

// Every command of the table, mistyped, is the one suggested.
TEST(Commands, AWordWithinTwoEditsOfACommandIsTakenForIt) {
  for (const Command& command : Commands()) {
    const std::string name(command.name);
    SCOPED_TRACE(name);
    EXPECT_EQ(MistypedCommand(name.substr(1)), command.name);
    EXPECT_EQ(MistypedCommand(name + "xy"), command.name);
    EXPECT_EQ(MistypedCommand(name + "xyz"), std::nullopt);
  }
  EXPECT_EQ(MistypedCommand("pant"), "paint");
}

TEST(Commands, AWordThatMayNameAFileIsNoMistypedCommand) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString previous = QDir::currentPath();
  QDir::setCurrent(dir.path());
  QFile file("pant");
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  for (const char* word : {"pant", "pant.bmp", "x/pant", "-pant"}) {
    EXPECT_EQ(MistypedCommand(word), std::nullopt) << word;
  }
  QDir::setCurrent(previous);
}

}  // namespace
}  // namespace tintara
