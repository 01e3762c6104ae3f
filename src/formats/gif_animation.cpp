#include "formats/gif_animation.h"

#include <algorithm>
#include <limits>
#include <string>

#include "formats/tiny_font.h"
#include "paint/oklab.h"
#include "platform/bmp_reader.h"

namespace tintara {
namespace {

// The caption's band under the picture: a blank row above and below the glyphs.
constexpr int kCaptionMargin = 1;
constexpr int kCaptionHeight = kGlyphHeight + 2 * kCaptionMargin;

int CaptionHeight(bool captions) { return captions ? kCaptionHeight : 0; }

// The table's entry nearest the colour in OKLab, the first of equals.
std::uint8_t NearestEntry(const DisplayTable& table, Colour colour) {
  const Oklab target = OklabOf(colour);
  std::size_t best = 0;
  double bestDistance = 0;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const double distance = OklabDistance(target, OklabOf(FromDisplayPixel(table[i])));
    if (i == 0 || distance < bestDistance) {
      best = i;
      bestDistance = distance;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace

GifAnimation::GifAnimation(int width, int height, int scale, int delay, bool captions)
    : width_(width),
      height_(height),
      scale_(scale),
      captions_(captions),
      gif_(width * scale, height * scale + CaptionHeight(captions), delay) {}

std::uint64_t GifAnimation::FramePixels(int width, int height, int scale, bool captions) {
  return std::uint64_t(width) * std::uint64_t(scale) *
         (std::uint64_t(height) * std::uint64_t(scale) + std::uint64_t(CaptionHeight(captions)));
}

std::size_t GifAnimation::MostFrames(int width, int height, int scale, bool captions) {
  const std::uint64_t pixels = FramePixels(width, height, scale, captions);
  return pixels == 0 ? std::numeric_limits<std::size_t>::max()
                     : static_cast<std::size_t>(kMaxBmpPixels / pixels);
}

bool GifAnimation::Add(const Bitmap& work, const DisplayTable& table, std::string_view caption) {
  const int pictureHeight = height_ * scale_;
  std::string text;
  std::uint8_t ink = 0;
  std::uint8_t ground = 0;
  if (captions_) {
    text = FontText(caption).substr(
        0, static_cast<std::size_t>(std::max(1, (width_ * scale_ + 1) / kGlyphAdvance)));
    ink = NearestEntry(table, MakeColour(0, 0, 0));
    ground = NearestEntry(table, MakeColour(255, 255, 255));
  }
  return gif_.AddFrame(table, [&](int y, std::span<std::uint8_t> row) {
    if (y < pictureHeight) {
      const std::uint8_t* source =
          work.indices.data() + std::size_t(y / scale_) * std::size_t(width_);
      if (scale_ == 1) {
        std::copy_n(source, width_, row.begin());
        return;
      }
      auto out = row.begin();
      for (int x = 0; x < width_; ++x) out = std::fill_n(out, scale_, source[x]);
      return;
    }
    std::fill(row.begin(), row.end(), ground);
    const int glyphRow = y - pictureHeight - kCaptionMargin;
    for (std::size_t x = 0; x < row.size(); ++x) {
      const std::size_t character = x / kGlyphAdvance;
      if (character < text.size() &&
          GlyphInks(text[character], static_cast<int>(x % kGlyphAdvance), glyphRow)) {
        row[x] = ink;
      }
    }
  });
}

}  // namespace tintara
