#include "head_parts.h"

#include <cmath>
#include <utility>

namespace tintara::artgen {

using namespace material;

std::vector<Shape> BothSides(std::vector<Shape> shapes) {
  return BothSides(std::move(shapes), kHeadAxis);
}

void AddDot(Figure& figure, double x, double y, int material, int shade) {
  figure.strokes.push_back({{x, y}, {x, y}, material, shade});
}

void AddLine(Figure& figure, Point from, Point to, int material, int shade) {
  figure.strokes.push_back({from, to, material, shade});
}

void AddSmallEyes(Figure& figure, double row, double spacing, bool lashes, int browMaterial) {
  for (const int side : {-1, 1}) {
    const double centre = kHeadAxis + side * spacing;
    AddLine(figure, {centre - 1.5, row}, {centre + 1.5, row}, kEyeWhite);
    AddLine(figure, {centre - 0.5, row}, {centre + 0.5, row}, kSlot16);
    AddLine(figure, {centre - 1.5, row - 1}, {centre + 1.5, row - 1}, kInk);
    if (lashes) AddDot(figure, centre + side * 2.5, row - 1.6, kInk);
    if (browMaterial >= 0) {
      AddLine(figure, {centre - 1.5, row - 3}, {centre + 1.5, row - 3}, browMaterial, 0);
    }
  }
}

void AddLargeEyes(Figure& figure, double row, double spacing, double size) {
  for (const int side : {-1, 1}) {
    const double centre = kHeadAxis + side * spacing;
    Part white =
        MakePart({Ellipse{{centre, row}, size * 0.45, size * 0.6}}, kEyeWhite, Lighting::Flat);
    figure.parts.push_back(white);
    Part iris = MakePart({Ellipse{{centre - side * 0.3, row + 0.4}, size * 0.32, size * 0.5}},
                         kSlot16, Lighting::Flat);
    figure.parts.push_back(iris);
    Part pupil = MakePart({Ellipse{{centre - side * 0.3, row + 0.6}, size * 0.12, size * 0.22}},
                          kPupil, Lighting::Flat);
    figure.parts.push_back(pupil);
    const double top = row - size * 0.6 - 0.4;
    AddLine(figure, {centre - size * 0.5, top}, {centre + size * 0.5, top}, kInk);
    AddLine(figure, {centre + side * size * 0.5, top}, {centre + side * (size * 0.5 + 1), top + 1},
            kInk);
    AddDot(figure, centre - side * 0.8 - 0.5, row - size * 0.2, kEyeWhite);
  }
}

void AddRoundEyes(Figure& figure, double row, double spacing, double radius, bool slit) {
  for (const int side : {-1, 1}) {
    const double centre = kHeadAxis + side * spacing;
    Part iris = MakePart({Ellipse{{centre, row}, radius, radius}}, kSlot16, Lighting::Flat);
    iris.contour = true;
    figure.parts.push_back(iris);
    Part pupil = MakePart(
        {Ellipse{{centre, row}, slit ? radius * 0.25 : radius * 0.5, radius * (slit ? 0.9 : 0.5)}},
        kPupil, Lighting::Flat);
    figure.parts.push_back(pupil);
    AddDot(figure, centre - radius * 0.4, row - radius * 0.4, kEyeWhite);
  }
}

void AddShoulders(Figure& figure, int clothing, Neckline neckline, double neckHalfWidth) {
  // The neck reaches up behind the jaw of any head.
  const double c = kHeadAxis;
  Part neck = MakePart({Polygon{{{c - neckHalfWidth, 34},
                                 {c + neckHalfWidth, 34},
                                 {c + neckHalfWidth, 60},
                                 {c - neckHalfWidth, 60}}}},
                       kGroup2);
  neck.brightness = -0.25;
  figure.parts.push_back(neck);

  Part clothes = MakePart({Ellipse{{c, 69}, 28, 19}}, clothing);
  switch (neckline) {
    case Neckline::Round:
      clothes.holes.push_back(Ellipse{{c, 50}, neckHalfWidth + 1.5, 3});
      break;
    case Neckline::VNeck:
      clothes.holes.push_back(
          Polygon{{{c - neckHalfWidth - 1.5, 49}, {c + neckHalfWidth + 1.5, 49}, {c, 58}}});
      break;
    case Neckline::High:
      clothes.shapes.push_back(Polygon{{{c - neckHalfWidth - 1, 44},
                                        {c + neckHalfWidth + 1, 44},
                                        {c + neckHalfWidth + 2.5, 56},
                                        {c - neckHalfWidth - 2.5, 56}}});
      break;
    case Neckline::Cape:
      // A high standing collar opening at the front.
      for (const Shape& flap : BothSides({Polygon{
               {{c - neckHalfWidth - 4, 38}, {c - 1.5, 48}, {c - 4, 56}, {c - 20, 52}}}})) {
        clothes.shapes.push_back(flap);
      }
      break;
  }
  clothes.contour = true;
  figure.parts.push_back(clothes);
}

ArtworkDesign HeadPicture(const char* fileName, Figure figure) {
  ArtworkDesign picture;
  picture.fileName = fileName;
  picture.width = kHeadWidth;
  picture.height = kHeadHeight;
  picture.figure = std::move(figure);
  picture.accent = RampAround(Rgb(206, 48, 44));
  picture.accent2 = RampAround(Rgb(232, 216, 186));
  return picture;
}

}  // namespace tintara::artgen
