#include "icon.h"

#include <algorithm>
#include <cmath>

#include "emblem.h"
#include "small_icon.h"

namespace tintara::artgen {

namespace {

struct Rect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};

// The smallest rectangle holding every pixel that is not backdrop.
Rect FigureBounds(const Bitmap& emblem) {
  int left = emblem.width;
  int top = emblem.height;
  int right = -1;
  int bottom = -1;
  for (int y = 0; y < emblem.height; ++y) {
    for (int x = 0; x < emblem.width; ++x) {
      if (emblem.indices[static_cast<std::size_t>(y * emblem.width + x)] == kEmblemBackdrop) {
        continue;
      }
      left = std::min(left, x);
      right = std::max(right, x);
      top = std::min(top, y);
      bottom = std::max(bottom, y);
    }
  }
  return {left, top, right - left + 1, bottom - top + 1};
}

// Red, green, blue and alpha between 0 and 1, the colour multiplied by the alpha so that
// averaging lets transparent pixels fade the edge instead of darkening it.
struct Premultiplied {
  double red = 0;
  double green = 0;
  double blue = 0;
  double alpha = 0;
};

Premultiplied SourcePixel(const Bitmap& emblem, int x, int y) {
  const std::uint8_t index = emblem.indices[static_cast<std::size_t>(y * emblem.width + x)];
  if (index == kEmblemBackdrop) return {};
  const ColourTableEntry& entry = emblem.colourTable[index];
  return {entry.red / 255.0, entry.green / 255.0, entry.blue / 255.0, 1.0};
}

std::uint32_t ToPixel(const Premultiplied& p) {
  if (p.alpha <= 0) return 0;
  auto channel = [&](double premultiplied) {
    return static_cast<std::uint32_t>(
        std::lround(std::clamp(premultiplied / p.alpha, 0.0, 1.0) * 255.0));
  };
  const auto alpha = static_cast<std::uint32_t>(std::lround(std::clamp(p.alpha, 0.0, 1.0) * 255));
  return (alpha << 24) | (channel(p.red) << 16) | (channel(p.green) << 8) | channel(p.blue);
}

}  // namespace

std::vector<std::uint32_t> DrawIcon(int size) {
  if (std::optional<std::vector<std::uint32_t>> drawn = DrawSmallIcon(size)) return *drawn;
  const Bitmap emblem = DrawOutlinedEmblem();
  const Rect figure = FigureBounds(emblem);

  // A small margin, as icon themes leave, that vanishes at the smallest sizes.
  const int margin = size / 32;
  const double room = size - 2 * margin;
  double scale = std::min(room / figure.width, room / figure.height);
  // Enlarged, every pixel of the emblem covers whole icon pixels and stays sharp.
  if (scale >= 2) scale = std::floor(scale);
  double left = (size - figure.width * scale) / 2;
  double top = (size - figure.height * scale) / 2;
  if (scale >= 2) {
    left = std::floor(left);
    top = std::floor(top);
  }

  // Each icon pixel takes the average of the emblem pixels it covers, weighted by the area.
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(size * size), 0);
  for (int y = 0; y < size; ++y) {
    const double y0 = (y - top) / scale;
    const double y1 = (y + 1 - top) / scale;
    for (int x = 0; x < size; ++x) {
      const double x0 = (x - left) / scale;
      const double x1 = (x + 1 - left) / scale;
      Premultiplied sum;
      for (int sy = static_cast<int>(std::floor(y0)); sy < y1; ++sy) {
        const double height = std::min(y1, sy + 1.0) - std::max(y0, double(sy));
        if (sy < 0 || sy >= figure.height || height <= 0) continue;
        for (int sx = static_cast<int>(std::floor(x0)); sx < x1; ++sx) {
          const double width = std::min(x1, sx + 1.0) - std::max(x0, double(sx));
          if (sx < 0 || sx >= figure.width || width <= 0) continue;
          const Premultiplied p = SourcePixel(emblem, figure.left + sx, figure.top + sy);
          const double weight = width * height * scale * scale;
          sum.red += p.red * weight;
          sum.green += p.green * weight;
          sum.blue += p.blue * weight;
          sum.alpha += p.alpha * weight;
        }
      }
      pixels[static_cast<std::size_t>(y * size + x)] = ToPixel(sum);
    }
  }
  return pixels;
}

}  // namespace tintara::artgen
