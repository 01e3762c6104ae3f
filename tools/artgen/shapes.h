#pragma once

#include <variant>
#include <vector>

namespace tintara::artgen {

// Pixel (x, y) has its centre at the integer coordinates (x, y).
struct Point {
  double x = 0;
  double y = 0;
};

struct Ellipse {
  Point centre;
  double radiusX = 0;
  double radiusY = 0;
};

// A limb: the points within a radius of a segment, the radius growing linearly from one end to
// the other.
struct Capsule {
  Point from;
  Point to;
  double fromRadius = 0;
  double toRadius = 0;
};

struct Polygon {
  std::vector<Point> corners;
};

using Shape = std::variant<Ellipse, Capsule, Polygon>;

// The same shape reflected about the vertical line x = axis.
Shape Mirrored(const Shape& shape, double axis);

// The shapes followed by their mirror images about x = axis.
std::vector<Shape> BothSides(std::vector<Shape> shapes, double axis);

// Which pixels of a rectangular area some shapes cover.
class Mask {
 public:
  Mask(int width, int height);

  int width() const { return width_; }
  int height() const { return height_; }
  bool At(int x, int y) const;
  void Set(int x, int y, bool covered);
  void Add(const Shape& shape);
  void Remove(const Shape& shape);
  // Keeps only the rows from top to bottom inclusive.
  void KeepRows(int top, int bottom);

 private:
  int width_;
  int height_;
  std::vector<bool> covered_;
};

}  // namespace tintara::artgen
