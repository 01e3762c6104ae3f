#include "figure.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace tintara::artgen {

namespace {

struct Vector3 {
  double x, y, z;
};

// Light from the upper left and somewhat in front.
constexpr Vector3 kLight = {-0.58, -0.52, 0.63};

// Where (x, y) lies across the part's span through it, from -1 at the start to 1 at the end.
double PositionInRun(const Mask& mask, int x, int y, int stepX, int stepY) {
  int before = 0;
  while (mask.At(x - (before + 1) * stepX, y - (before + 1) * stepY)) ++before;
  int after = 0;
  while (mask.At(x + (after + 1) * stepX, y + (after + 1) * stepY)) ++after;
  const double half = (before + after + 1) / 2.0;
  return (before + 0.5 - half) / half;
}

int ShadeAt(const Part& part, const Mask& mask, int x, int y) {
  if (part.lighting == Lighting::Flat || part.lightest <= part.darkest) {
    return std::clamp(part.lightest, part.darkest, part.lightest);
  }
  const double u = PositionInRun(mask, x, y, 1, 0);
  const double v = part.lighting == Lighting::Dome ? PositionInRun(mask, x, y, 0, 1) : 0.0;
  const double z = std::sqrt(std::max(0.0, 1.0 - u * u - v * v));
  const double length = std::sqrt(u * u + v * v + z * z);
  const double light =
      (u * kLight.x + v * kLight.y + z * kLight.z) / (length > 0 ? length : 1) + part.brightness;
  // Most of a part shows its middle shade; the light side gets a narrow highlight and the far
  // side falls off into shadow.
  constexpr double kThresholds[] = {0.0, 0.36, 0.74, 0.845};
  int fifth = 0;
  while (fifth < 4 && light > kThresholds[fifth]) ++fifth;
  const int count = part.lightest - part.darkest + 1;
  return part.darkest + (fifth * count) / 5;
}

const Ramp& RampOf(const Paints& paints, int material) {
  static const Ramp kNone;
  return material >= 0 && material < static_cast<int>(paints.size())
             ? paints[static_cast<std::size_t>(material)]
             : kNone;
}

std::uint8_t Shade(const Ramp& ramp, int shade) {
  return ramp[static_cast<std::size_t>(std::clamp(shade, 0, static_cast<int>(ramp.size()) - 1))];
}

}  // namespace

Part MakePart(std::vector<Shape> shapes, int material, Lighting lighting) {
  Part part;
  part.shapes = std::move(shapes);
  part.material = material;
  part.lighting = lighting;
  return part;
}

void PaintFigure(const Figure& figure, const Paints& paints, IndexGrid& canvas) {
  const int width = canvas.width();
  const int height = canvas.height();
  // Which part owns each pixel, so that a contour knows whose shade to darken.
  std::vector<int> owner(static_cast<std::size_t>(width * height), -1);
  auto ownerAt = [&](int x, int y) -> int& {
    return owner[static_cast<std::size_t>(y * width + x)];
  };

  for (int index = 0; index < static_cast<int>(figure.parts.size()); ++index) {
    const Part& part = figure.parts[static_cast<std::size_t>(index)];
    const Ramp& ramp = RampOf(paints, part.material);
    if (ramp.empty()) continue;
    Mask mask(width, height);
    for (const Shape& shape : part.shapes) mask.Add(shape);
    for (const Shape& hole : part.holes) mask.Remove(hole);
    for (const Shape& patch : part.patches) mask.Add(patch);
    mask.KeepRows(part.top, part.bottom);

    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        if (!mask.At(x, y)) continue;
        canvas.Set(x, y, Shade(ramp, ShadeAt(part, mask, x, y)));
        ownerAt(x, y) = index;
      }
    }
    if (!part.contour) continue;
    for (int y = 0; y < height; ++y) {
      for (int x = 0; x < width; ++x) {
        const int beneath = ownerAt(x, y);
        if (beneath < 0 || beneath == index) continue;
        const bool touches =
            mask.At(x - 1, y) || mask.At(x + 1, y) || mask.At(x, y - 1) || mask.At(x, y + 1);
        if (!touches) continue;
        const Part& under = figure.parts[static_cast<std::size_t>(beneath)];
        canvas.Set(x, y, Shade(RampOf(paints, under.material), under.darkest));
      }
    }
  }

  for (const Stroke& stroke : figure.strokes) {
    const Ramp& ramp = RampOf(paints, stroke.material);
    if (ramp.empty()) continue;
    canvas.Line(static_cast<int>(std::lround(stroke.from.x)),
                static_cast<int>(std::lround(stroke.from.y)),
                static_cast<int>(std::lround(stroke.to.x)),
                static_cast<int>(std::lround(stroke.to.y)), Shade(ramp, stroke.shade));
  }
}

}  // namespace tintara::artgen
