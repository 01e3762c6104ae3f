#include "paint/gallery_paint.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "paint/canvas.h"
#include "paint/command_runner.h"
#include "paint/commands.h"

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
// step named as the picture.
TEST(GalleryPaint, EveryPictureIsTheMainWindowsAfterChoosingItInOneStep) {
  const std::string directory = TINTARA_ART_DIR "/";
  Document start = StartingDocument();
  LoadStartUpBody(start, directory);
  // Codes unlike every picture's own, and last codes for the load to apply first.
  const std::string codes = "3 40 77 120 9 200 18 250 33 64 101 150 6 222 90 171 ";
  commands::LoadInputs inputs{directory, "5 6 7 ", {}, true};
  inputs.groups.fill(true);
  std::vector<GalleryPicture> pictures = ReadGalleryPictures(directory);
  ASSERT_FALSE(PaintGalleryPictures(pictures, codes));
  for (const GalleryPicture& picture : pictures) {
    SCOPED_TRACE(std::string(picture.entry.caption));
    ASSERT_TRUE(picture.loaded);
    CommandRunner runner(start);
    const CommandResult result =
        runner.Run(commands::ChooseGalleryPicture(runner.document(), picture.entry, codes, inputs));
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

}  // namespace
}  // namespace tintara
