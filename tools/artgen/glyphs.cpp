#include "glyphs.h"

#include "figure.h"
#include "index_grid.h"
#include "palette.h"

namespace tintara::artgen {

namespace {

constexpr std::uint8_t kBackground = 0;
constexpr std::uint8_t kOutline = 1;
constexpr std::uint8_t kArrow = 2;  // five shades, dark to light
constexpr std::uint8_t kDisabledFace = 1;
constexpr std::uint8_t kDisabledHighlight = 2;
constexpr Colour kBackgroundColour = Rgb(192, 192, 192);

// A hook turning back: a half ring on the right, a tail at its lower end and an arrow head at its
// upper end pointing left.
Figure ArrowFigure() {
  constexpr Point kCentre{8.5, 8.5};
  Part ring;
  ring.shapes = {Ellipse{kCentre, 6, 6}};
  ring.holes = {Ellipse{kCentre, 2.6, 2.6}, Polygon{{{0, 0}, {8.4, 0}, {8.4, 16}, {0, 16}}}};
  Part tail;
  tail.shapes = {Polygon{{{4, 11.6}, {8.6, 11.6}, {8.6, 14.5}, {4, 14.5}}}};
  tail.lighting = Lighting::Dome;
  Part head;
  head.shapes = {Polygon{{{7.4, 2.6}, {8.6, 2.6}, {8.6, 5.4}, {7.4, 5.4}}},
                 Polygon{{{7.5, 0}, {7.5, 8}, {2, 4}}}};
  head.lighting = Lighting::Dome;
  return {{ring, tail, head}, {}};
}

IndexGrid ArrowShape() {
  IndexGrid canvas(kGlyphSize, kGlyphSize, kBackground);
  PaintFigure(ArrowFigure(), {{kArrow, kArrow + 1, kArrow + 2, kArrow + 3, kArrow + 4}}, canvas);
  return canvas;
}

}  // namespace

Bitmap DrawRestoreGlyph() {
  IndexGrid canvas = ArrowShape();
  canvas.OutlineFigure(kBackground, kOutline);
  ArtworkPalette table;
  table.Set(kBackground, kBackgroundColour);
  table.Set(kOutline, Rgb(18, 44, 104));
  const Colour shades[] = {Rgb(36, 86, 170), Rgb(52, 116, 208), Rgb(84, 150, 232),
                           Rgb(132, 186, 246), Rgb(198, 224, 255)};
  for (int i = 0; i < 5; ++i) table.Set(kArrow + i, shades[i]);
  return canvas.ToBitmap(table.entries());
}

// The usual look of a disabled picture: a flat grey face over a white copy shifted down right.
Bitmap DrawRestoreGlyphDisabled() {
  const IndexGrid shape = ArrowShape();
  IndexGrid canvas(kGlyphSize, kGlyphSize, kBackground);
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      if (shape.At(x, y) != kBackground) canvas.Set(x + 1, y + 1, kDisabledHighlight);
    }
  }
  for (int y = 0; y < kGlyphSize; ++y) {
    for (int x = 0; x < kGlyphSize; ++x) {
      if (shape.At(x, y) != kBackground) canvas.Set(x, y, kDisabledFace);
    }
  }
  ArtworkPalette table;
  table.Set(kBackground, kBackgroundColour);
  table.Set(kDisabledFace, Rgb(128, 128, 128));
  table.Set(kDisabledHighlight, Rgb(255, 255, 255));
  return canvas.ToBitmap(table.entries());
}

}  // namespace tintara::artgen
