#include "shapes.h"

#include <algorithm>
#include <cmath>

namespace tintara::artgen {

namespace {

// Slightly generous so that small round shapes do not lose their single-pixel tips.
constexpr double kEdgeTolerance = 0.15;

bool EllipseCovers(const Ellipse& e, double x, double y) {
  const double dx = (x - e.centre.x) / (e.radiusX + kEdgeTolerance);
  const double dy = (y - e.centre.y) / (e.radiusY + kEdgeTolerance);
  return dx * dx + dy * dy <= 1.0;
}

bool CapsuleCovers(const Capsule& c, double x, double y) {
  const double ax = c.to.x - c.from.x;
  const double ay = c.to.y - c.from.y;
  const double lengthSquared = ax * ax + ay * ay;
  double t = 0;
  if (lengthSquared > 0) {
    t = std::clamp(((x - c.from.x) * ax + (y - c.from.y) * ay) / lengthSquared, 0.0, 1.0);
  }
  const double dx = x - (c.from.x + t * ax);
  const double dy = y - (c.from.y + t * ay);
  const double radius = c.fromRadius + t * (c.toRadius - c.fromRadius) + kEdgeTolerance;
  return dx * dx + dy * dy <= radius * radius;
}

Point Reflect(Point p, double axis) { return {2 * axis - p.x, p.y}; }

}  // namespace

Shape Mirrored(const Shape& shape, double axis) {
  if (const auto* e = std::get_if<Ellipse>(&shape)) {
    return Ellipse{Reflect(e->centre, axis), e->radiusX, e->radiusY};
  }
  if (const auto* c = std::get_if<Capsule>(&shape)) {
    return Capsule{Reflect(c->from, axis), Reflect(c->to, axis), c->fromRadius, c->toRadius};
  }
  Polygon polygon = std::get<Polygon>(shape);
  for (Point& p : polygon.corners) p = Reflect(p, axis);
  return polygon;
}

std::vector<Shape> BothSides(std::vector<Shape> shapes, double axis) {
  const std::size_t count = shapes.size();
  for (std::size_t i = 0; i < count; ++i) shapes.push_back(Mirrored(shapes[i], axis));
  return shapes;
}

Mask::Mask(int width, int height)
    : width_(width), height_(height), covered_(static_cast<std::size_t>(width * height)) {}

bool Mask::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return covered_[static_cast<std::size_t>(y * width_ + x)];
}

void Mask::Set(int x, int y, bool covered) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  covered_[static_cast<std::size_t>(y * width_ + x)] = covered;
}

void Mask::Add(const Shape& shape) {
  if (const auto* polygon = std::get_if<Polygon>(&shape)) {
    // Even-odd scan conversion at pixel centres; both ends of a span count, so that a mirrored
    // polygon covers exactly the mirrored pixels.
    const std::vector<Point>& p = polygon->corners;
    for (int y = 0; y < height_; ++y) {
      std::vector<double> crossings;
      for (std::size_t i = 0; i < p.size(); ++i) {
        const Point a = p[i];
        const Point b = p[(i + 1) % p.size()];
        if ((a.y <= y && b.y > y) || (b.y <= y && a.y > y)) {
          crossings.push_back(a.x + (y - a.y) * (b.x - a.x) / (b.y - a.y));
        }
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        const int first = static_cast<int>(std::ceil(crossings[i] - 1e-9));
        const int last = static_cast<int>(std::floor(crossings[i + 1] + 1e-9));
        for (int x = first; x <= last; ++x) Set(x, y, true);
      }
    }
    return;
  }
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const bool covers = std::visit(
          [&](const auto& s) {
            using S = std::decay_t<decltype(s)>;
            if constexpr (std::is_same_v<S, Ellipse>) return EllipseCovers(s, x, y);
            if constexpr (std::is_same_v<S, Capsule>) return CapsuleCovers(s, x, y);
            return false;
          },
          shape);
      if (covers) Set(x, y, true);
    }
  }
}

void Mask::Remove(const Shape& shape) {
  Mask hole(width_, height_);
  hole.Add(shape);
  for (std::size_t i = 0; i < covered_.size(); ++i) {
    if (hole.covered_[i]) covered_[i] = false;
  }
}

void Mask::KeepRows(int top, int bottom) {
  for (int y = 0; y < height_; ++y) {
    if (y >= top && y <= bottom) continue;
    for (int x = 0; x < width_; ++x) Set(x, y, false);
  }
}

}  // namespace tintara::artgen
