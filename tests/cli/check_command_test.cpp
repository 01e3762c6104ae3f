#include "cli/check_command.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <sstream>

#include "cli/command_options.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

// Codes 144 and 219, an olive and a green, look alike under protanopia and deuteranopia; code 0
// is white. The last blank keeps 219 in slot 4 rather than slot 16.
constexpr char kOliveAndGreen[] = "0 144 0 219 ";

class CheckCommand : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    previous_ = QDir::currentPath();
    QDir::setCurrent(dir_.path());
  }
  void TearDown() override { QDir::setCurrent(previous_); }

  int Run(std::vector<std::string> arguments) {
    output_.str({});
    errors_.str({});
    arguments.insert(arguments.begin(), {"tintara", "check"});
    return RunCheckCommand(arguments, output_, errors_);
  }

  std::ostringstream output_;
  std::ostringstream errors_;

 private:
  QTemporaryDir dir_;
  QString previous_;
};

TEST_F(CheckCommand, ListsThePairsOfTheCodesAndExitsWithOne) {
  EXPECT_EQ(Run({"--codes", kOliveAndGreen}), kSomeAlike);
  EXPECT_EQ(output_.str(), "Bottom: slots 2 and 4 look alike under protanopia and deuteranopia\n");
  EXPECT_EQ(Run({"--codes", "0 144 0 0 0 219 "}), kNoneAlike);  // slot 6 is of the next group
  EXPECT_TRUE(errors_.str().empty()) << errors_.str();
}

// With an input, only the slots it has are checked.
TEST_F(CheckCommand, ChecksTheSlotsTheInputHas) {
  ASSERT_TRUE(WriteBmpFile("ALL.BMP", IndexedBitmap(8, 4, TableWithSet1Markers(SlotRange(1, 16)))));
  ASSERT_TRUE(WriteBmpFile("FEW.BMP", IndexedBitmap(8, 4, TableWithSet1Markers(SlotRange(1, 3)))));
  EXPECT_EQ(Run({"ALL.BMP", "--codes", kOliveAndGreen}), kSomeAlike);
  EXPECT_EQ(Run({"FEW.BMP", "--codes", kOliveAndGreen}), kNoneAlike);
}

TEST_F(CheckCommand, FixPrintsCodesThatCheckCleanWithOneSlotOfThePairChanged) {
  ASSERT_EQ(Run({"--codes", kOliveAndGreen, "--fix"}), kNoneAlike) << errors_.str();
  std::istringstream fixed(output_.str());
  std::istringstream given(kOliveAndGreen);
  std::string fixedCode;
  std::string givenCode;
  int changed = 0;
  while (given >> givenCode && fixed >> fixedCode) changed += givenCode != fixedCode;
  EXPECT_EQ(changed, 1);
  EXPECT_EQ(Run({"--codes", output_.str().substr(0, output_.str().size() - 1)}), kNoneAlike);
}

TEST_F(CheckCommand, TellsWhatCannotBeCheckedWithTwo) {
  EXPECT_EQ(Run({"--codes", "1 x"}), kUsageError);
  EXPECT_EQ(errors_.str(),
            "tintara check: 'x' is not a valid integer value\nTry 'tintara check --help'.\n");
  EXPECT_EQ(Run({"MISSING.BMP"}), kUsageError);
  EXPECT_EQ(Run({"MISSING.BMP", "--codes", "1"}), kUsageError);
  EXPECT_EQ(errors_.str().rfind("tintara: Cannot open MISSING.BMP: ", 0), 0u) << errors_.str();
}

}  // namespace
}  // namespace tintara
