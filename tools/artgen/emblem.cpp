#include "emblem.h"

#include <array>

#include "figure.h"
#include "index_grid.h"
#include "palette.h"

namespace tintara::artgen {

namespace {

constexpr std::uint8_t kOutline = 1;
constexpr int kWoodEntry = 2;      // five shades
constexpr int kHandleEntry = 7;    // five shades
constexpr int kFerruleEntry = 12;  // five shades
constexpr int kPaintEntry = 17;    // three shades of each paint
constexpr int kPaintShades = 3;

enum EmblemMaterial : int { kBackdrop, kWood, kHandle, kFerrule, kFirstPaint };

// Red, orange, yellow, green, blue and violet, each dark, middle and light.
constexpr std::array<std::array<Colour, kPaintShades>, 6> kPaints = {{
    {Rgb(150, 16, 24), Rgb(220, 40, 44), Rgb(255, 120, 110)},
    {Rgb(170, 80, 10), Rgb(240, 140, 30), Rgb(255, 196, 110)},
    {Rgb(180, 150, 10), Rgb(244, 220, 40), Rgb(255, 248, 160)},
    {Rgb(20, 110, 40), Rgb(50, 180, 70), Rgb(150, 235, 140)},
    {Rgb(20, 60, 160), Rgb(50, 110, 230), Rgb(140, 180, 255)},
    {Rgb(90, 30, 130), Rgb(150, 60, 200), Rgb(210, 150, 250)},
}};
constexpr int kPaintCount = static_cast<int>(kPaints.size());

Figure EmblemFigure() {
  Figure figure;
  // The rainbow: discs from the outside in, the innermost one black, cut off at the horizon.
  constexpr Point kArcCentre{30.5, 36};
  for (int band = 0; band <= kPaintCount; ++band) {
    const double radius = 29.5 - 2.5 * band;
    Part disc = MakePart({Ellipse{kArcCentre, radius, radius}},
                         band < kPaintCount ? kFirstPaint + band : kBackdrop, Lighting::Flat);
    disc.lightest = 1;
    disc.bottom = 36;
    figure.parts.push_back(disc);
  }

  Part board = MakePart({Ellipse{{31, 53}, 28, 19}}, kWood, Lighting::Dome);
  board.holes = {Ellipse{{17, 61}, 3.6, 3}, Ellipse{{3, 46}, 5, 4.5}};
  figure.parts.push_back(board);

  constexpr std::array<Point, 6> kBlobs = {
      {{15, 46}, {24, 40}, {35, 39}, {46, 42}, {53, 51}, {45, 62}}};
  for (int i = 0; i < kPaintCount; ++i) {
    Part blob = MakePart({Ellipse{kBlobs[static_cast<std::size_t>(i)], 3.6, 2.8}}, kFirstPaint + i,
                         Lighting::Dome);
    blob.lightest = kPaintShades - 1;
    blob.contour = true;
    figure.parts.push_back(blob);
  }

  Part handle = MakePart({Capsule{{57, 4}, {36, 41}, 1.6, 2.2}}, kHandle, Lighting::Cylinder);
  handle.contour = true;
  figure.parts.push_back(handle);
  Part ferrule = MakePart({Capsule{{36, 41}, {32.5, 47}, 2.4, 2.3}}, kFerrule, Lighting::Cylinder);
  ferrule.contour = true;
  figure.parts.push_back(ferrule);
  Part bristles =
      MakePart({Capsule{{32.5, 47}, {28, 55}, 2.3, 0.4}}, kFirstPaint + 4, Lighting::Dome);
  bristles.lightest = kPaintShades - 1;
  bristles.contour = true;
  figure.parts.push_back(bristles);
  return figure;
}

Paints EmblemPaints() {
  auto ramp = [](int first, int count) {
    Ramp shades;
    for (int i = 0; i < count; ++i) shades.push_back(static_cast<std::uint8_t>(first + i));
    return shades;
  };
  Paints paints = {
      {kEmblemBackdrop}, ramp(kWoodEntry, 5), ramp(kHandleEntry, 5), ramp(kFerruleEntry, 5)};
  for (int i = 0; i < kPaintCount; ++i) {
    paints.push_back(ramp(kPaintEntry + kPaintShades * i, kPaintShades));
  }
  return paints;
}

ArtworkPalette EmblemTable() {
  ArtworkPalette table;
  table.Set(kOutline, Rgb(44, 40, 52));
  const Colour wood[] = {Rgb(110, 62, 24), Rgb(160, 98, 44), Rgb(200, 138, 72), Rgb(228, 176, 110),
                         Rgb(246, 214, 160)};
  const Colour handle[] = {Rgb(90, 14, 20), Rgb(140, 24, 30), Rgb(190, 40, 40), Rgb(226, 80, 70),
                           Rgb(250, 150, 130)};
  const Colour ferrule[] = {Rgb(80, 84, 96), Rgb(120, 126, 140), Rgb(166, 172, 186),
                            Rgb(206, 212, 224), Rgb(244, 246, 252)};
  for (int i = 0; i < 5; ++i) {
    table.Set(kWoodEntry + i, wood[i]);
    table.Set(kHandleEntry + i, handle[i]);
    table.Set(kFerruleEntry + i, ferrule[i]);
  }
  for (int paint = 0; paint < kPaintCount; ++paint) {
    for (int shade = 0; shade < kPaintShades; ++shade) {
      table.Set(kPaintEntry + kPaintShades * paint + shade,
                kPaints[static_cast<std::size_t>(paint)][static_cast<std::size_t>(shade)]);
    }
  }
  return table;
}

IndexGrid PaintEmblem() {
  IndexGrid canvas(kEmblemWidth, kEmblemHeight, kEmblemBackdrop);
  PaintFigure(EmblemFigure(), EmblemPaints(), canvas);
  return canvas;
}

}  // namespace

Bitmap DrawEmblem() { return PaintEmblem().ToBitmap(EmblemTable().entries()); }

Bitmap DrawOutlinedEmblem() {
  IndexGrid canvas = PaintEmblem();
  canvas.OutlineFigure(kEmblemBackdrop, kOutline);
  return canvas.ToBitmap(EmblemTable().entries());
}

}  // namespace tintara::artgen
