#include "paint/painted_skin.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <span>

#include "platform/bmp_reader.h"

namespace tintara {
namespace {

// Each of the width x height values (rows top first) as a scale x scale block. Values missing
// from a short source come out as T{}.
template <typename T>
std::vector<T> ScaledBlocks(std::span<const T> source, int width, int height, int scale) {
  const auto columns = static_cast<std::size_t>(std::max(width, 0));
  const auto rows = static_cast<std::size_t>(std::max(height, 0));
  const auto factor = static_cast<std::size_t>(scale);
  if (factor == 1 && source.size() >= columns * rows) {
    return std::vector<T>(source.begin(), source.begin() + std::ptrdiff_t(columns * rows));
  }
  const std::size_t scaledColumns = columns * factor;
  std::vector<T> scaled(scaledColumns * rows * factor);
  T* out = scaled.data();
  for (std::size_t y = 0; y < rows; ++y) {
    const T* rowStart = out;
    for (std::size_t x = 0; x < columns; ++x) {
      const std::size_t at = y * columns + x;
      out = std::fill_n(out, factor, at < source.size() ? source[at] : T{});
    }
    // The other rows of the block repeat the one just made.
    for (std::size_t copy = 1; copy < factor; ++copy) {
      out = std::copy(rowStart, rowStart + scaledColumns, out);
    }
  }
  return scaled;
}

}  // namespace

bool ScaledSkinFits(int width, int height, int scale) {
  if (width < 0 || height < 0 || scale < 1) return false;
  const auto scaledWidth = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(scale);
  const auto scaledHeight = static_cast<std::uint64_t>(height) * static_cast<std::uint64_t>(scale);
  constexpr auto kMaxSide = static_cast<std::uint64_t>(std::numeric_limits<int>::max());
  return scaledWidth <= kMaxSide && scaledHeight <= kMaxSide &&
         scaledWidth * scaledHeight <= kMaxBmpPixels;
}

std::vector<Colour> PaintedColours(const Bitmap& work, const DisplayTable& paintedTable) {
  if (!work.hasColourTable()) return {};
  const std::size_t count = std::min(work.colourTable.size(), paintedTable.size());
  std::vector<Colour> colours(count);
  for (std::size_t i = 0; i < count; ++i) colours[i] = FromDisplayPixel(paintedTable[i]);
  return colours;
}

Bitmap PaintedSkin(const Bitmap& work, const Picture& picture, const DisplayTable& paintedTable,
                   int scale) {
  scale = std::max(scale, 1);
  Bitmap skin;
  if (work.hasColourTable()) {
    skin.width = std::max(work.width, 0) * scale;
    skin.height = std::max(work.height, 0) * scale;
    skin.bitsPerPixel = 8;
    const std::vector<Colour> colours = PaintedColours(work, paintedTable);
    skin.colourTable.reserve(colours.size());
    for (std::size_t i = 0; i < colours.size(); ++i) {
      const Colour c = colours[i];
      skin.colourTable.push_back({BlueOf(c), GreenOf(c), RedOf(c), work.colourTable[i].reserved});
    }
    skin.indices = ScaledBlocks<std::uint8_t>(work.indices, work.width, work.height, scale);
  } else {
    skin.width = std::max(picture.width, 0) * scale;
    skin.height = std::max(picture.height, 0) * scale;
    skin.bitsPerPixel = 24;
    skin.pixels = ScaledBlocks<std::uint32_t>(picture.pixels, picture.width, picture.height, scale);
  }
  return skin;
}

}  // namespace tintara
