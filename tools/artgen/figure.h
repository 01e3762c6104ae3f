#pragma once

#include <climits>
#include <cstdint>
#include <vector>

#include "index_grid.h"
#include "shapes.h"

namespace tintara::artgen {

// Colour-table entries of one material, dark to light. A picture lists a ramp for each material
// its parts name, by number; a missing or empty ramp leaves the material out.
using Ramp = std::vector<std::uint8_t>;
using Paints = std::vector<Ramp>;

// How light from the upper left falls on a part: across its width only, like a cylinder, or
// also from top to bottom, like a dome.
enum class Lighting { Flat, Cylinder, Dome };

// A solid piece of a figure, drawn over the pieces before it.
struct Part {
  std::vector<Shape> shapes;
  std::vector<Shape> holes;    // cut out of the shapes
  std::vector<Shape> patches;  // added after the holes are cut
  int material = 0;
  Lighting lighting = Lighting::Cylinder;
  int darkest = 0;  // ramp shades the part may use
  int lightest = 4;
  double brightness = 0;  // added to the light falling on it
  bool contour = false;   // darkens the parts beneath along its edge, so it stands out
  int top = INT_MIN;      // rows kept
  int bottom = INT_MAX;
};

// A line or single pixel in one shade, drawn after all parts.
struct Stroke {
  Point from;
  Point to;
  int material = 0;
  int shade = 0;
};

struct Figure {
  std::vector<Part> parts;
  std::vector<Stroke> strokes;
};

Part MakePart(std::vector<Shape> shapes, int material, Lighting lighting = Lighting::Cylinder);

// Draws the figure over the grid, whose untouched pixels are the background.
void PaintFigure(const Figure& figure, const Paints& paints, IndexGrid& canvas);

}  // namespace tintara::artgen
