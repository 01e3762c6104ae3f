#include "paint/catalogue.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "paint/image_loading.h"
#include "platform/bmp_reader.h"

namespace tintara {
namespace {

TEST(CatalogueArtwork, EveryFileTheBuildDrawsLoadsAndLocatesASlot) {
  std::set<std::string> files = {"MALE1.BMP",   "MALE2.BMP",   "MALE3.BMP",
                                 "FEMALE1.BMP", "FEMALE2.BMP", "FEMALE3.BMP"};
  for (const CatalogueEntry& entry : kCatalogue) files.insert(std::string(entry.file));
  EXPECT_EQ(files.size(), 6u + 56u + 8u);
  for (const std::string& file : files) {
    SCOPED_TRACE(file);
    auto bitmap = ReadBmpFile(std::string(TINTARA_ART_DIR "/") + file);
    ASSERT_TRUE(bitmap.has_value());
    PaintModel model;
    ASSERT_EQ(AdoptLoadedBitmap(model, std::move(*bitmap)), LoadOutcome::SlotsLocated);
    int located = 0;
    for (const SlotRecord& slot : model.slots) located += slot.located() ? 1 : 0;
    EXPECT_GT(located, 0);
  }
}

}  // namespace
}  // namespace tintara
