#include "index_grid.h"

#include <cstdlib>
#include <utility>

namespace tintara::artgen {

IndexGrid::IndexGrid(int width, int height, std::uint8_t fill)
    : width_(width), height_(height), indices_(static_cast<std::size_t>(width * height), fill) {}

std::uint8_t IndexGrid::At(int x, int y) const {
  return Contains(x, y) ? indices_[static_cast<std::size_t>(y * width_ + x)] : 0;
}

void IndexGrid::Set(int x, int y, std::uint8_t index) {
  if (Contains(x, y)) indices_[static_cast<std::size_t>(y * width_ + x)] = index;
}

void IndexGrid::FillRect(int left, int top, int width, int height, std::uint8_t index) {
  for (int y = top; y < top + height; ++y) {
    for (int x = left; x < left + width; ++x) Set(x, y, index);
  }
}

void IndexGrid::FrameRect(int left, int top, int width, int height, std::uint8_t index) {
  const int right = left + width - 1;
  const int bottom = top + height - 1;
  Line(left, top, right, top, index);
  Line(left, bottom, right, bottom, index);
  Line(left, top, left, bottom, index);
  Line(right, top, right, bottom, index);
}

void IndexGrid::Line(int x0, int y0, int x1, int y1, std::uint8_t index) {
  const int dx = std::abs(x1 - x0);
  const int dy = -std::abs(y1 - y0);
  const int stepX = x0 < x1 ? 1 : -1;
  const int stepY = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  while (true) {
    Set(x0, y0, index);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += stepX;
    }
    if (twice <= dx) {
      error += dx;
      y0 += stepY;
    }
  }
}

void IndexGrid::OutlineFigure(std::uint8_t background, std::uint8_t outline) {
  IndexGrid result = *this;
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      if (At(x, y) != background) continue;
      const std::pair<int, int> neighbours[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& [nx, ny] : neighbours) {
        if (Contains(nx, ny) && At(nx, ny) != background && At(nx, ny) != outline) {
          result.Set(x, y, outline);
          break;
        }
      }
    }
  }
  *this = std::move(result);
}

Bitmap IndexGrid::ToBitmap(std::vector<ColourTableEntry> colourTable) const {
  Bitmap bitmap;
  bitmap.width = width_;
  bitmap.height = height_;
  bitmap.bitsPerPixel = 8;
  bitmap.colourTable = std::move(colourTable);
  bitmap.indices = indices_;
  return bitmap;
}

}  // namespace tintara::artgen
