#include "app/picture_export.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <optional>
#include <vector>

#include "formats/message_of.h"
#include "paint/picture.h"

namespace tintara {
namespace {

constexpr int kWidth = 3;
constexpr int kHeight = 2;

// An exporter whose save dialog answers with `chosen_` (a cancel when empty) and records what it
// was set up with, and whose page opener records paths and answers `opens_`. What the files hold
// is the writers' own tests.
class JpegExport : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    ASSERT_TRUE(picture_.Resize(kWidth, kHeight));
    std::fill(picture_.pixels.begin(), picture_.pixels.end(), 0xFF336699u);
  }

  QString path(const QString& name) const { return dir_.filePath(name); }
  QStringList files() const { return QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden); }
  // Saves through the dialog, which must succeed.
  void SaveAs(std::optional<QString> chosen, const QString& code = {}, bool openPage = true) {
    EXPECT_EQ(ProblemSaving(std::move(chosen), code, openPage), "");
  }
  // What the command met; empty when it met nothing.
  QString ProblemSaving(std::optional<QString> chosen, const QString& code = {},
                        bool openPage = true) {
    return MessageOf(Saving(std::move(chosen), code, openPage));
  }
  Expected<QString> Saving(std::optional<QString> chosen, const QString& code = {},
                           bool openPage = true) {
    chosen_ = std::move(chosen);
    return export_.SaveAsJpeg(picture_, code, openPage, nullptr);
  }

  QTemporaryDir dir_;
  Picture picture_;
  std::optional<QString> chosen_;
  std::vector<FileDialog> asked_;
  QStringList opened_;
  bool opens_ = true;
  PictureExport export_{[this](const FileDialog& dialog, QWidget*) {
                          asked_.push_back(dialog);
                          return chosen_;
                        },
                        [this](const QString& page) {
                          opened_ << page;
                          return opens_;
                        },
                        [] { return QDateTime(QDate(2001, 2, 3), QTime(13, 5, 9)); }};
};

TEST_F(JpegExport, WritesTheChosenJpegAndOpensItsPage) {
  SaveAs(path("Red.jpg"), "1 2 3 ");
  EXPECT_EQ(QImage(path("Red.jpg")).size(), QSize(kWidth, kHeight));
  EXPECT_EQ(opened_, QStringList{path("red.htm")});
}

TEST_F(JpegExport, CancelWritesAndChangesNothing) {
  SaveAs(path("First.jpg"), "1 2 3 ");
  const QStringList before = files();
  opened_.clear();
  SaveAs(std::nullopt, "changed");
  EXPECT_EQ(files(), before);
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(JpegExport, BrowserOptionOffWritesBothFilesAndOpensNothing) {
  SaveAs(path("Quiet.jpg"), "1 2 3 ", false);
  EXPECT_EQ(files(), (QStringList{"quiet.htm", "Quiet.jpg"}));
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(JpegExport, DialogOffersJpgFirstAndRemembersTheLastChoice) {
  SaveAs(path("One.jpg"));
  SaveAs(std::nullopt);
  SaveAs(path("Two.jpg"));
  ASSERT_EQ(asked_.size(), 3u);
  const QStringList filters = {"All (*.jpg;*.jpeg)", "JPEG Image File (*.jpg)",
                               "JPEG Image File (*.jpeg)"};
  for (const FileDialog& asked : asked_) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(asked.defaultExt, "jpg");
    EXPECT_EQ(asked.filters, filters);
  }
  EXPECT_EQ(asked_[0].fileName, "");
  EXPECT_EQ(asked_[1].fileName, path("One.jpg"));
  EXPECT_EQ(asked_[2].fileName, path("One.jpg"));  // the cancel kept it
}

TEST_F(JpegExport, AFileThatCannotBeWrittenOpensNoPage) {
  EXPECT_EQ(ProblemSaving(path("NoSuchDir/Red.jpg")),
            "Cannot create file " + path("NoSuchDir/Red.jpg") + ": the folder does not exist");
  EXPECT_TRUE(opened_.isEmpty());
}

TEST_F(JpegExport, ASaveTellsWhatItWrote) {
  const Expected<QString> saved = Saving(path("Red.jpg"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved,
            QString("Saved Red.jpg, %1 x %2, and its page red.htm").arg(kWidth).arg(kHeight));
  EXPECT_EQ(Saving(std::nullopt)->toStdString(), "");
}

// The files are saved: nothing is lost, so it is told as a success is.
TEST_F(JpegExport, APageNoProgramCanOpenIsToldWithWhereItWasSaved) {
  opens_ = false;
  const Expected<QString> saved = Saving(path("Red.jpg"));
  ASSERT_TRUE(saved);
  EXPECT_EQ(*saved, "The page was saved as " + path("red.htm") +
                        ", but no program could be started to open it.");
  EXPECT_EQ(files(), (QStringList{"red.htm", "Red.jpg"}));
  EXPECT_EQ(opened_, QStringList{path("red.htm")});
}

}  // namespace
}  // namespace tintara
