#include "app/gallery_window.h"

#include <QPushButton>
#include <QTest>

#include "app/window_fixture.h"
#include "board/gallery_cell.h"
#include "board/picture_image.h"

namespace tintara {
namespace {

// The gallery's order: the six bodies, then the catalogue, Pell Head first.
constexpr int kFemaleAthletic = 2;
constexpr int kMaleAthletic = 1;
constexpr int kPellHead = 7;

class Gallery : public WindowTest {
 protected:
  GalleryWindow* OpenGallery() {
    action("Gallery1")->trigger();
    return control<GalleryWindow>("GalleryWindow");
  }
  GalleryCell* cell(int number) const { return control<GalleryCell>(GalleryPictureName(number)); }
  QImage MainPicture() const { return ImageOver(window_->picture()); }
};

TEST_F(Gallery, FollowsEveryStepOfTheMainWindow) {
  CopyArtwork({"FEMALE1.BMP"});
  StartWindow();
  ASSERT_NE(OpenGallery(), nullptr);
  const QImage before = cell(kFemaleAthletic)->image().copy();
  control<QPushButton>("Button1")->click();  // Gee!
  EXPECT_NE(cell(kFemaleAthletic)->image(), before);
  EXPECT_EQ(cell(kFemaleAthletic)->image(), MainPicture());
}

TEST_F(Gallery, ChoosingAPictureLoadsItWithTheGalleryCodesAsOneStep) {
  CopyArtwork({"FEMALE1.BMP", "PELLHEAD.BMP"});
  StartWindow();
  control<QPushButton>("Button1")->click();  // codes unlike Pell Head's own
  GalleryWindow* gallery = OpenGallery();
  const Document before = document();
  QTest::keyClick(cell(kPellHead), Qt::Key_Return);
  EXPECT_EQ(document().headFile, "PELLHEAD.BMP");
  EXPECT_EQ(document().codeText, gallery->codes());
  EXPECT_EQ(MainPicture(), cell(kPellHead)->image());
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  action("Undo1")->trigger();
  EXPECT_TRUE(document() == before);
}

// The main window's steps are undone from the gallery as from the main window.
TEST_F(Gallery, CtrlZInTheGalleryUndoesTheLastStep) {
  CopyArtwork({"FEMALE1.BMP"});
  StartWindow();
  const Document before = document();
  control<QPushButton>("Button1")->click();  // Gee!
  GalleryWindow* gallery = OpenGallery();
  ASSERT_TRUE(QTest::qWaitForWindowActive(gallery));
  QTest::keyClick(gallery, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_TRUE(document() == before);
}

TEST_F(Gallery, AFileThatCannotBeReadLeavesAnEmptyCellWithTheReasonAndTheOthersPaint) {
  CopyArtwork({"FEMALE1.BMP"});
  StartWindow();
  OpenGallery();
  EXPECT_FALSE(cell(kMaleAthletic)->hasPicture());
  EXPECT_TRUE(cell(kMaleAthletic)->toolTip().startsWith("Cannot open MALE1.BMP: "));
  EXPECT_TRUE(cell(kFemaleAthletic)->hasPicture());
  const Document before = document();
  QTest::keyClick(cell(kMaleAthletic), Qt::Key_Return);
  EXPECT_TRUE(document() == before);
  EXPECT_TRUE(errors_.isEmpty());
}

TEST_F(Gallery, SavesTheReadablePicturesAsOneSheet) {
  CopyArtwork({"FEMALE1.BMP", "PELLHEAD.BMP"});
  StartWindow();
  GalleryWindow* gallery = OpenGallery();
  dialogs_.chosen = path("gallery.png");
  gallery->findChild<QPushButton*>("SaveGallery1")->click();
  EXPECT_TRUE(errors_.isEmpty()) << errors_.join('\n').toStdString();
  const QImage sheet(path("gallery.png"));
  EXPECT_FALSE(sheet.isNull());
  EXPECT_EQ(notice()->text(), "Saved gallery.png, a sheet of 2 pictures");
}

}  // namespace
}  // namespace tintara
