#pragma once

#include <cstdint>
#include <vector>

#include "platform/bitmap.h"

namespace tintara::artgen {

// An 8-bit picture of colour-table indices, top row first. Drawing outside it is clipped.
class IndexGrid {
 public:
  IndexGrid(int width, int height, std::uint8_t fill);

  int width() const { return width_; }
  int height() const { return height_; }
  bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the grid: 0.
  std::uint8_t At(int x, int y) const;
  void Set(int x, int y, std::uint8_t index);

  void FillRect(int left, int top, int width, int height, std::uint8_t index);
  void FrameRect(int left, int top, int width, int height, std::uint8_t index);
  void Line(int x0, int y0, int x1, int y1, std::uint8_t index);
  // Paints every background pixel that touches a figure pixel edge-on (not only diagonally).
  void OutlineFigure(std::uint8_t background, std::uint8_t outline);

  Bitmap ToBitmap(std::vector<ColourTableEntry> colourTable) const;

 private:
  int width_;
  int height_;
  std::vector<std::uint8_t> indices_;
};

}  // namespace tintara::artgen
