#include "app/skin_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <optional>
#include <vector>

#include "formats/message_of.h"
#include "formats/painted_work.h"

namespace tintara {
namespace {

// An exporter whose dialogs answer with `chosen_` (a cancel when empty), choose the scale item
// `scaleItem_` when set, and record what they were set up with. What the files hold is the
// writers' own tests.
class SkinExportTest : public PaintedWork {
 protected:
  std::optional<DisplayTable> paintedTable() const {
    return loaded_ ? std::optional(painted_) : std::nullopt;
  }
  // Each command through its dialog, which must succeed.
  void SaveSkin(std::optional<QString> chosen, std::optional<int> scaleItem = std::nullopt) {
    EXPECT_EQ(ProblemSavingSkin(std::move(chosen), scaleItem), "");
  }
  void ExportPalette(std::optional<QString> chosen) {
    EXPECT_EQ(ProblemExportingPalette(std::move(chosen)), "");
  }
  // What each command met; empty when it met nothing.
  QString ProblemSavingSkin(std::optional<QString> chosen,
                            std::optional<int> scaleItem = std::nullopt) {
    chosen_ = std::move(chosen);
    scaleItem_ = scaleItem;
    return MessageOf(export_.SaveSkin(work_, picture_, paintedTable(), nullptr));
  }
  QString ProblemExportingPalette(std::optional<QString> chosen) {
    chosen_ = std::move(chosen);
    return MessageOf(export_.ExportPalette(work_, slots_, paintedTable(), nullptr));
  }

  bool loaded_ = true;
  std::optional<QString> chosen_;
  std::optional<int> scaleItem_;
  std::vector<FileDialog> asked_;
  SkinExport export_{[this](FileDialog& dialog, QWidget*) {
    if (scaleItem_) dialog.chosen = *scaleItem_;
    asked_.push_back(dialog);
    return chosen_;
  }};
};

TEST_F(SkinExportTest, TheScaleIsTheChosenItem) {
  const int scales[] = {1, 2, 3, 4, 8};
  for (int item = 0; item < 5; ++item) {
    SCOPED_TRACE(item);
    SaveSkin(path("scaled.png"), item);
    SaveSkin(path("scaled.bmp"), item);
    const QSize size(kWidth * scales[item], kHeight * scales[item]);
    EXPECT_EQ(QImage(path("scaled.png")).size(), size);
    EXPECT_EQ(QImage(path("scaled.bmp")).size(), size);
  }
}

TEST_F(SkinExportTest, TheDialogOffersPngThenBmpAndTheScaleAndRemembersBoth) {
  SaveSkin(path("One.png"), 3);
  SaveSkin(std::nullopt);
  SaveSkin(path("Two.png"));
  ASSERT_EQ(asked_.size(), 3u);
  for (const FileDialog& asked : asked_) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(asked.defaultExt, "png");
    EXPECT_EQ(asked.filters, (QStringList{"PNG image (*.png)", "Bitmap (*.bmp)"}));
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_EQ(asked.choiceLabel, "Scale");
    EXPECT_EQ(asked.choices, (QStringList{"1x", "2x", "3x", "4x", "8x"}));
  }
  EXPECT_EQ(asked_[0].fileName, "");
  EXPECT_EQ(asked_[1].fileName, path("One.png"));
  EXPECT_EQ(asked_[2].fileName, path("One.png"));  // the cancel kept it
  EXPECT_EQ(asked_[1].chosen, 3);
  EXPECT_EQ(asked_[2].chosen, 3);
  EXPECT_EQ(QImage(path("Two.png")).size(), QSize(kWidth * 4, kHeight * 4));
}

TEST_F(SkinExportTest, EachSaveTellsWhatItWrote) {
  chosen_ = path("Big.png");
  scaleItem_ = 1;
  const Expected<QString> skin = export_.SaveSkin(work_, picture_, paintedTable(), nullptr);
  ASSERT_TRUE(skin);
  EXPECT_EQ(*skin,
            QString("Saved Big.png, %1 x %2, indexed colour").arg(kWidth * 2).arg(kHeight * 2));
  chosen_ = path("Big.gpl");
  const Expected<QString> palette = export_.ExportPalette(work_, slots_, paintedTable(), nullptr);
  ASSERT_TRUE(palette);
  EXPECT_EQ(*palette,
            QString("Exported the palette to Big.gpl, %1 colours").arg(work_.colourTable.size()));
}

TEST_F(SkinExportTest, CancelWritesNothing) {
  SaveSkin(std::nullopt);
  ExportPalette(std::nullopt);
  EXPECT_EQ(asked_.size(), 2u);
  EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SkinExportTest, NothingLoadedYetIsSaidBeforeAnyDialog) {
  loaded_ = false;
  EXPECT_EQ(ProblemSavingSkin(path("skin.png")),
            "There is no skin to save yet: load a picture first.");
  EXPECT_EQ(ProblemExportingPalette(path("skin.gpl")),
            "There is no palette to export yet: load a picture first.");
  EXPECT_TRUE(asked_.empty());
  EXPECT_TRUE(entries().isEmpty());
}

TEST_F(SkinExportTest, ThePaletteDialogOffersGplThenPalAndRemembersTheName) {
  ExportPalette(path("One.gpl"));
  ExportPalette(std::nullopt);
  ASSERT_EQ(asked_.size(), 2u);
  for (const FileDialog& asked : asked_) {
    EXPECT_EQ(asked.purpose, FileDialog::Purpose::Save);
    EXPECT_EQ(asked.defaultExt, "gpl");
    EXPECT_EQ(asked.filters, (QStringList{"GIMP palette (*.gpl)", "JASC palette (*.pal)"}));
    EXPECT_TRUE(asked.confirmOverwrite);
    EXPECT_TRUE(asked.choices.isEmpty());
  }
  EXPECT_EQ(asked_[0].fileName, "");
  EXPECT_EQ(asked_[1].fileName, path("One.gpl"));
}

TEST_F(SkinExportTest, APictureWithoutAColourTableHasNoPaletteToExport) {
  work_.bitsPerPixel = 24;
  work_.colourTable.clear();
  EXPECT_EQ(ProblemExportingPalette(path("deep.gpl")),
            "The picture has no palette to export: it has more than 8 bits a pixel and no colour "
            "table.");
  EXPECT_TRUE(asked_.empty());
  EXPECT_TRUE(entries().isEmpty());
}

}  // namespace
}  // namespace tintara
