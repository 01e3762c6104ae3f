#include "contact_sheet.h"

#include <algorithm>
#include <string>

#include "paint/image_loading.h"
#include "paint/recolour.h"
#include "paint/reference_palette.h"
#include "tiny_font.h"

namespace tintara::artgen {

namespace {

constexpr int kScale = 2;
constexpr int kSheetWidth = 1400;
constexpr int kGap = 12;
constexpr int kLabelHeight = 2 * kGlyphHeight + 6;
constexpr std::uint32_t kPaper = 0xFFF2F1EC;
constexpr std::uint32_t kLabelInk = 0xFF2A2630;

// The picture as display pixels after a load and "Apply Color Codes" with the default codes.
std::vector<std::uint32_t> PaintWithDefaultCodes(const Bitmap& bitmap) {
  PaintModel model;
  AdoptLoadedBitmap(model, bitmap);
  for (SlotRecord& slot : model.slots) slot.colour = ReferenceColour(slot.code);
  WriteSlotColours(model);
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(bitmap.width * bitmap.height));
  DrawThroughTable(*model.work, MapColourTable(*model.work, model.loaded, model.mapped),
                   pixels.data());
  return pixels;
}

struct Placement {
  int left;
  int top;
  int cellWidth;
};

class SheetCanvas {
 public:
  explicit SheetCanvas(int height)
      : height_(height), pixels_(static_cast<std::size_t>(kSheetWidth * height), kPaper) {}

  void Block(int left, int top, int size, std::uint32_t pixel) {
    for (int y = top; y < top + size; ++y) {
      for (int x = left; x < left + size; ++x) {
        if (x >= 0 && y >= 0 && x < kSheetWidth && y < height_) {
          pixels_[static_cast<std::size_t>(y * kSheetWidth + x)] = pixel;
        }
      }
    }
  }

  void Picture(int left, int top, int width, int height, const std::vector<std::uint32_t>& pixels) {
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        Block(left + x * kScale, top + y * kScale, kScale,
              pixels[static_cast<std::size_t>(y * width + x)]);
      }
    }
  }

  void Label(int centre, int top, const std::string& text) {
    Canvas label(TextWidth(text), kGlyphHeight, 0);
    DrawText(label, 0, 0, text, 1);
    const int left = centre - label.width() * kScale / 2;
    for (int y = 0; y < label.height(); ++y) {
      for (int x = 0; x < label.width(); ++x) {
        if (label.At(x, y)) Block(left + x * kScale, top + y * kScale, kScale, kLabelInk);
      }
    }
  }

  Sheet Finish() { return {kSheetWidth, height_, std::move(pixels_)}; }

 private:
  int height_;
  std::vector<std::uint32_t> pixels_;
};

}  // namespace

Sheet DrawContactSheet(const std::vector<Artwork>& artworks,
                       const std::vector<std::string>& rowStarts) {
  std::vector<Placement> placements;
  int left = kGap;
  int top = kGap;
  int rowHeight = 0;
  for (const Artwork& artwork : artworks) {
    const int cellWidth =
        std::max(artwork.bitmap.width * kScale, TextWidth(artwork.fileName) * kScale);
    const bool wanted =
        std::find(rowStarts.begin(), rowStarts.end(), artwork.fileName) != rowStarts.end();
    if (left > kGap && (wanted || left + cellWidth + kGap > kSheetWidth)) {
      left = kGap;
      top += rowHeight + kGap;
      rowHeight = 0;
    }
    placements.push_back({left, top, cellWidth});
    left += cellWidth + kGap;
    rowHeight = std::max(rowHeight, artwork.bitmap.height * kScale + kLabelHeight);
  }

  SheetCanvas sheet(top + rowHeight + kGap);
  for (std::size_t i = 0; i < artworks.size(); ++i) {
    const Artwork& artwork = artworks[i];
    const Placement& p = placements[i];
    const int width = artwork.bitmap.width;
    const int height = artwork.bitmap.height;
    const int pictureLeft = p.left + (p.cellWidth - width * kScale) / 2;
    sheet.Picture(pictureLeft, p.top, width, height, PaintWithDefaultCodes(artwork.bitmap));
    sheet.Label(p.left + p.cellWidth / 2, p.top + height * kScale + 4, artwork.fileName);
  }
  return sheet.Finish();
}

}  // namespace tintara::artgen
