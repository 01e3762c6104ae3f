#include "paint/commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "paint/test_pictures.h"
#include "platform/allocation_peak.h"

namespace tintara {
namespace {

// Picking a grid bitmap selects its button, which reloads, and the pick reloads once more: the
// bitmap is held once all the while, and the picture shows its pixels.
TEST(LoadCommands, APickThatReloadsTwiceHoldsTheBitmapOnce) {
  std::string folder = (std::filesystem::temp_directory_path() / "load_test.XXXXXX").string();
  ASSERT_NE(::mkdtemp(folder.data()), nullptr);
  folder += '/';
  constexpr int kSide = 1000;
  ASSERT_TRUE(WriteBmpFile(folder + "BIG.BMP",
                           IndexedBitmap(kSide, kSide, TableWithSet1Markers(SlotRange(1, 16)))));
  Document document = StartingDocument();
  ASSERT_NE(document.body, kGridBody);
  commands::LoadInputs inputs;
  inputs.programDirectory = folder;
  const Command pick =
      commands::PickBitmap(commands::PickedBitmap::Grid, "BIG.BMP", "Big", std::move(inputs));
  const AllocationPeak peak;
  const CommandResult result = pick.apply(document);
  const std::size_t held = peak.bytes();
  std::filesystem::remove_all(folder);
  ASSERT_FALSE(result.problem);
  EXPECT_EQ(document.body, kGridBody);
  EXPECT_EQ(document.model.work->indices.size(), std::size_t{kSide} * kSide);
  EXPECT_LT(held, std::size_t{kSide} * kSide * 3 / 2);
}

}  // namespace
}  // namespace tintara
