#include "formats/animation_limit.h"

#include <gtest/gtest.h>

#include "formats/gif_animation.h"
#include "paint/painting.h"
#include "paint/test_pictures.h"
#include "platform/bmp_reader.h"

namespace tintara {
namespace {

TEST(AnimationRefusal, RefusesFramesBeyondThePixelsOfOnePicture) {
  const Document document =
      LoadedDocument(IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16))));
  const std::size_t fitting = kMaxBmpPixels / GifAnimation::FramePixels(16, 4, 8, true);
  EXPECT_FALSE(AnimationRefusal(document, fitting, 8, true));
  const std::optional<Problem> refused = AnimationRefusal(document, fitting + 1, 8, true);
  ASSERT_TRUE(refused);
  EXPECT_NE(refused->message.find(std::to_string(fitting + 1)), std::string::npos)
      << refused->message;
}

}  // namespace
}  // namespace tintara
