#include "formats/code_book_animation.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include "paint/painting.h"
#include "paint/test_pictures.h"

namespace tintara {
namespace {

Document Loaded() {
  return LoadedDocument(IndexedBitmap(16, 4, TableWithSet1Markers(SlotRange(1, 16))));
}

// Each frame is the picture painted with its entry, as the window would show it once applied, at
// the rate's delay.
TEST(AnimateCodes, PaintsAFrameAnEntryAtTheRatesDelay) {
  const Document document = Loaded();
  const std::vector<AnimatedCodes> entries = {{"17 18 19", "a"}, {"200 201", "b"}, {"5", "c"}};
  const Expected<std::vector<std::uint8_t>> gif = AnimateCodes(document, entries, 4, 1, false);
  ASSERT_TRUE(gif);
  QByteArray bytes(reinterpret_cast<const char*>(gif->data()), qsizetype(gif->size()));
  QBuffer buffer(&bytes);
  QImageReader reader(&buffer, "gif");
  for (const AnimatedCodes& entry : entries) {
    SCOPED_TRACE(entry.name);
    const QImage frame = reader.read().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(reader.nextImageDelay(), 250);
    Picture expected;
    ASSERT_TRUE(DrawPaintedPicture(*PaintedWithCodes(document, entry.codes), expected));
    ASSERT_EQ(frame.width(), expected.width);
    for (int i = 0; i < expected.width * expected.height; ++i) {
      EXPECT_EQ(frame.pixel(i % expected.width, i / expected.width) | 0xFF000000u,
                expected.pixels[std::size_t(i)])
          << i;
    }
  }
  EXPECT_FALSE(reader.canRead());
}

TEST(AnimateCodes, NamesTheEntryWhoseCodesStop) {
  const std::vector<AnimatedCodes> entries = {{"17", "good"}, {"17 x", "bad"}};
  const Expected<std::vector<std::uint8_t>> gif = AnimateCodes(Loaded(), entries, 2, 1, false);
  ASSERT_FALSE(gif);
  EXPECT_NE(gif.problem().message.find("\"bad\""), std::string::npos) << gif.problem().message;
}

}  // namespace
}  // namespace tintara
