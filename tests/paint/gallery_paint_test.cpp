#include "paint/gallery_paint.h"

#include <gtest/gtest.h>

#include <stdlib.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "paint/canvas.h"
#include "paint/command_runner.h"
#include "paint/commands.h"
#include "paint/painting.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

TEST(GalleryEntries, HoldEveryFileOnceBodiesFirstThenTheCatalogueUnderItsMenuCaptions) {
  const std::vector<GalleryEntry> entries = GalleryEntries();
  std::set<std::string_view> files;
  std::vector<std::string> headings;
  for (const GalleryEntry& entry : entries) {
    files.insert(entry.file);
    if (headings.empty() || headings.back() != entry.heading) headings.push_back(entry.heading);
  }
  EXPECT_EQ(entries.size(), 70u);
  EXPECT_EQ(files.size(), entries.size());
  EXPECT_EQ(headings, (std::vector<std::string>{"Bodies", "Select Female head", "Select Male head",
                                                "Select Anime head", "Boy heads", "Girl heads",
                                                "Select Animal head", "Select Other head",
                                                "Select accessory"}));
}

// Choosing a picture in the gallery makes the main window show what the gallery showed, as one
// step named as the picture, also when the gallery painted other codes before. The gallery paints
// with all 16 codes, as the main window writes them.
TEST(GalleryPaint, EveryPictureIsTheMainWindowsAfterChoosingItInOneStep) {
  const std::string directory = TINTARA_ART_DIR "/";
  Document start = StartingDocument();
  LoadStartUpBody(start, directory);
  // Last codes for the load to apply first, and codes unlike every picture's own.
  const commands::LoadInputs inputs{directory, "5 6 7 ", true};
  std::vector<GalleryPicture> pictures = ReadGalleryPictures(directory);
  for (const std::string codes : {"3 40 77 120 9 200 18 250 33 64 101 150 6 222 90 171 ",
                                  "171 90 222 6 150 101 64 33 250 18 200 9 120 77 40 3 "}) {
    SCOPED_TRACE(codes);
    ASSERT_FALSE(PaintGalleryPictures(pictures, codes));
    for (const GalleryPicture& picture : pictures) {
      SCOPED_TRACE(std::string(picture.entry.caption));
      ASSERT_TRUE(picture.loaded);
      CommandRunner runner(start);
      const CommandResult result = runner.Run(
          commands::ChooseGalleryPicture(runner.document(), picture.entry, codes, inputs),
          start.groups);
      ASSERT_FALSE(result.problem);
      Canvas canvas(Picture{});
      canvas.Show(runner.document());
      EXPECT_EQ(canvas.picture().width, picture.painted.width);
      EXPECT_EQ(canvas.picture().height, picture.painted.height);
      EXPECT_TRUE(canvas.picture().pixels == picture.painted.pixels);
      ASSERT_NE(runner.undoName(), nullptr);
      EXPECT_EQ(*runner.undoName(), picture.entry.caption);
      runner.Undo();
      EXPECT_TRUE(runner.document() == start);
    }
  }
}

// Codes for a few slots leave the others as each picture's load gave them, as the command line
// paints them, whatever the gallery painted before.
TEST(GalleryPaint, PaintsAsTheCommandLineAfterOtherCodes) {
  std::vector<GalleryPicture> pictures = ReadGalleryPictures(TINTARA_ART_DIR "/");
  ASSERT_FALSE(PaintGalleryPictures(pictures, "3 40 77 120 9 200 18 250 33 64 101 150 6 222 90 "));
  ASSERT_FALSE(PaintGalleryPictures(pictures, "12 250 7 "));
  for (const GalleryPicture& picture : pictures) {
    SCOPED_TRACE(std::string(picture.entry.caption));
    Expected<Document> painted = PaintedWithCodes(*picture.loaded, "12 250 7 ");
    ASSERT_TRUE(painted);
    Canvas canvas(Picture{});
    canvas.Show(*painted);
    EXPECT_TRUE(canvas.picture().pixels == picture.painted.pixels);
  }
}

// A picture over a cell's budget is refused from its file's header, with the reason, and the
// others are read.
TEST(GalleryPaint, APictureLargerThanACellTakesIsRefusedWithTheReason) {
  std::string folder = (std::filesystem::temp_directory_path() / "gallery_test.XXXXXX").string();
  ASSERT_NE(::mkdtemp(folder.data()), nullptr);
  folder += '/';
  ASSERT_TRUE(WriteBmpFile(folder + "FEMALE1.BMP",
                           IndexedBitmap(1025, 1024, TableWithSet1Markers(SlotRange(1, 16)))));
  ASSERT_TRUE(WriteBmpFile(folder + "MALE1.BMP",
                           IndexedBitmap(1024, 1024, TableWithSet1Markers(SlotRange(1, 16)))));
  const std::vector<GalleryPicture> pictures = ReadGalleryPictures(folder);
  std::filesystem::remove_all(folder);
  const auto picture = [&](std::string_view file) {
    return std::find_if(pictures.begin(), pictures.end(),
                        [&](const GalleryPicture& p) { return p.entry.file == file; });
  };
  ASSERT_FALSE(picture("FEMALE1.BMP")->loaded);
  EXPECT_EQ(picture("FEMALE1.BMP")->loaded.problem().message,
            "Cannot open FEMALE1.BMP: the picture is too large (1025 x 1024 pixels)");
  EXPECT_TRUE(picture("MALE1.BMP")->loaded);
}

// A sheet of the gallery holds the true colours, whatever view the gallery shows.
TEST(GalleryPaint, ASheetHoldsTrueColoursUnderAColourVisionView) {
  constexpr char kCodes[] = "3 40 77 120 9 200 18 250 33 64 101 150 6 222 90 171 ";
  std::vector<GalleryPicture> normal = ReadGalleryPictures(TINTARA_ART_DIR "/");
  std::vector<GalleryPicture> seen = normal;
  ASSERT_FALSE(PaintGalleryPictures(normal, kCodes));
  ASSERT_FALSE(PaintGalleryPictures(seen, kCodes, Vision::Deuteranopia));
  const GallerySheet sheet = TrueColourGallery(seen);
  ASSERT_EQ(sheet.pictures.size(), normal.size());
  for (std::size_t i = 0; i < normal.size(); ++i) {
    SCOPED_TRACE(sheet.captions[i]);
    EXPECT_TRUE(sheet.pictures[i].pixels == normal[i].painted.pixels);
  }
}

}  // namespace
}  // namespace tintara
