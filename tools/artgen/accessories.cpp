// Things to paint besides heads and bodies: grass, a pyramid, hats, ears and furniture.

#include <cmath>
#include <utility>

#include "accessories.h"
#include "head_parts.h"
#include "paint/artwork_files.h"

namespace tintara::artgen {

namespace {

using namespace material;

// A one-pixel line in the darkest shade, as a part, so that later parts cover it.
Part Seam(Point from, Point to, int material) {
  Part seam = MakePart({Capsule{from, to, 0.35, 0.35}}, material, Lighting::Flat);
  seam.lightest = 0;
  return seam;
}

ArtworkDesign Accessory(const char* fileName, int width, int height, Figure figure) {
  ArtworkDesign picture = HeadPicture(fileName, std::move(figure));
  picture.width = width;
  picture.height = height;
  return picture;
}

ArtworkDesign Turf() {
  constexpr int kWidth = 80;
  Figure figure;
  Part soil = MakePart({Ellipse{{39.5, 40}, 38, 12}}, kGroup1, Lighting::Dome);
  soil.top = 30;
  figure.parts.push_back(soil);
  // Blades of uneven height and lean, the same on every run.
  Part blades = MakePart({}, kGroup3);
  for (int i = 0; i < 26; ++i) {
    const double x = 4 + i * 2.8;
    const double height = 12 + (i * 7 % 11) * 1.6 - std::abs(x - 39.5) * 0.12;
    const double lean = ((i * 5 % 7) - 3) * 1.2;
    blades.shapes.push_back(Polygon{{{x - 1.8, 34}, {x + 1.8, 34}, {x + lean, 34 - height}}});
  }
  blades.contour = true;
  figure.parts.push_back(blades);
  return Accessory(artwork_files::kTurf, kWidth, 48, std::move(figure));
}

ArtworkDesign Pyramid() {
  Figure figure;
  Part sun = MakePart({Ellipse{{64, 11}, 7, 7}}, kSlot16, Lighting::Flat);
  figure.parts.push_back(sun);
  Part lit = MakePart({Polygon{{{6, 52}, {36, 10}, {42, 52}}}}, kGroup2, Lighting::Flat);
  lit.lightest = 3;
  figure.parts.push_back(lit);
  Part shade = MakePart({Polygon{{{36, 10}, {70, 52}, {42, 52}}}}, kGroup2, Lighting::Flat);
  shade.lightest = 1;
  figure.parts.push_back(shade);
  for (int row = 1; row < 7; ++row) {
    const double y = 10 + row * 6;
    const double half = (y - 10) * 30 / 42.0;
    figure.parts.push_back(Seam({36 - half + 0.5, y}, {36 + half * 34 / 30 - 0.5, y}, kGroup2));
  }
  Part sand =
      MakePart({Ellipse{{20, 62}, 30, 10}, Ellipse{{64, 64}, 30, 11}}, kGroup1, Lighting::Dome);
  sand.contour = true;
  figure.parts.push_back(sand);
  Part trunk = MakePart({Capsule{{70, 58}, {66, 32}, 1.8, 1.3}}, kAccent2);
  figure.parts.push_back(trunk);
  // Fronds drooping from the crown.
  Part fronds =
      MakePart({Capsule{{66, 31}, {60, 29}, 2.2, 1.8}, Capsule{{60, 29}, {54, 36}, 1.8, 0.8},
                Capsule{{66, 31}, {72, 29}, 2.2, 1.8}, Capsule{{72, 29}, {78, 36}, 1.8, 0.8},
                Capsule{{66, 31}, {66, 25}, 2, 1}},
               kGroup3);
  fronds.contour = true;
  figure.parts.push_back(fronds);
  ArtworkDesign picture = Accessory(artwork_files::kPyramid, 80, 64, std::move(figure));
  picture.markers = MarkerSet::Two;
  picture.accent2 = RampAround(Rgb(140, 100, 60));
  return picture;
}

ArtworkDesign Beret() {
  Figure figure;
  Part band = MakePart({Ellipse{{27.5, 24}, 19, 5}}, kGroup1);
  band.darkest = 1;
  band.lightest = 2;
  figure.parts.push_back(band);
  Part crown = MakePart({Ellipse{{24.5, 16}, 24, 9}}, kGroup1, Lighting::Dome);
  crown.contour = true;
  crown.bottom = 23;
  figure.parts.push_back(crown);
  Part stalk = MakePart({Capsule{{25, 7}, {26, 3}, 1.4, 1}}, kGroup1);
  figure.parts.push_back(stalk);
  Part badge = MakePart({Ellipse{{38, 19}, 2.5, 2.5}}, kSlot16, Lighting::Flat);
  badge.contour = true;
  figure.parts.push_back(badge);
  return Accessory(artwork_files::kBeret, 56, 32, std::move(figure));
}

ArtworkDesign BunnyEars() {
  Figure figure;
  Part ears = MakePart(BothSides({Capsule{{20, 40}, {15, 6}, 4.5, 5}}), kGroup2);
  ears.contour = true;
  figure.parts.push_back(ears);
  Part insides = MakePart(BothSides({Capsule{{20, 38}, {15.5, 8}, 2, 2.5}}), kGroup3);
  figure.parts.push_back(insides);
  Part band = MakePart({Ellipse{{27.5, 56}, 22, 17}}, kGroup1);
  band.holes.push_back(Ellipse{{27.5, 57}, 19, 14.5});
  band.contour = true;
  figure.parts.push_back(band);
  return Accessory(artwork_files::kEars, 56, 60, std::move(figure));
}

ArtworkDesign Cabinets() {
  constexpr int kWidth = 80;
  Figure figure;
  auto box = [](double left, double top, double right, double bottom) {
    return Polygon{{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
  };
  // The wall cupboard with glass doors.
  Part upper = MakePart({box(8, 2, 71, 26)}, kGroup2);
  figure.parts.push_back(upper);
  Part glass = MakePart({box(12, 5, 37, 23), box(42, 5, 67, 23)}, kGroup3, Lighting::Flat);
  glass.lightest = 3;
  figure.parts.push_back(glass);
  AddLine(figure, {14, 7}, {18, 11}, kGroup3, 4);
  AddLine(figure, {44, 7}, {48, 11}, kGroup3, 4);
  // The base cupboards: a drawer row and doors under a worktop.
  Part lower = MakePart({box(4, 42, 75, 77)}, kGroup2);
  figure.parts.push_back(lower);
  for (const double left : {7.0, 30.0, 53.0}) {
    Part drawer = MakePart({box(left, 45, left + 19, 51)}, kGroup2, Lighting::Flat);
    drawer.lightest = 3;
    drawer.contour = true;
    figure.parts.push_back(drawer);
    Part door = MakePart({box(left, 54, left + 19, 74)}, kGroup2, Lighting::Flat);
    door.lightest = 3;
    door.contour = true;
    figure.parts.push_back(door);
  }
  Part top = MakePart({box(1, 38, 78, 41)}, kGroup1);
  top.contour = true;
  figure.parts.push_back(top);
  Part knobs = MakePart({}, kSlot16, Lighting::Flat);
  for (const double centre : {16.5, 39.5, 62.5}) {
    knobs.shapes.push_back(Ellipse{{centre, 48}, 1.5, 1});
    knobs.shapes.push_back(Ellipse{{centre + 6, 64}, 1, 1.5});
  }
  knobs.shapes.push_back(Ellipse{{37.5, 14}, 1, 1.5});
  knobs.shapes.push_back(Ellipse{{41.5, 14}, 1, 1.5});
  figure.parts.push_back(knobs);
  return Accessory(artwork_files::kCabinets, kWidth, 80, std::move(figure));
}

ArtworkDesign Fireplace() {
  Figure figure;
  auto box = [](double left, double top, double right, double bottom) {
    return Polygon{{{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
  };
  Part bricks = MakePart({box(6, 22, 65, 70)}, kGroup2, Lighting::Flat);
  bricks.lightest = 2;
  figure.parts.push_back(bricks);
  for (int row = 0; row < 8; ++row) {
    const double y = 27 + row * 6;
    figure.parts.push_back(Seam({6, y}, {65, y}, kGroup2));
    for (double x = 10 + (row % 2) * 5; x < 65; x += 10) {
      figure.parts.push_back(Seam({x, y - 5}, {x, y - 1}, kGroup2));
    }
  }
  Part opening =
      MakePart({box(19, 38, 52, 70), Ellipse{{35.5, 38}, 16.5, 8}}, kPupil, Lighting::Flat);
  opening.contour = true;
  figure.parts.push_back(opening);
  Part logs = MakePart(
      {Capsule{{24, 66}, {46, 63}, 2.2, 2.2}, Capsule{{25, 63}, {47, 67}, 2.2, 2.2}}, kAccent2);
  figure.parts.push_back(logs);
  Part flames =
      MakePart({Polygon{{{24, 64}, {27, 48}, {31, 57}, {35.5, 41}, {40, 56}, {44, 47}, {47, 64}}}},
               kAccent, Lighting::Cylinder);
  flames.darkest = 1;
  figure.parts.push_back(flames);
  Part core = MakePart({Polygon{{{30, 64}, {33, 54}, {35.5, 49}, {38, 55}, {41, 64}}}}, kGold,
                       Lighting::Flat);
  core.lightest = 2;
  figure.parts.push_back(core);
  Part mantel = MakePart({box(1, 16, 70, 21)}, kGroup1);
  mantel.contour = true;
  figure.parts.push_back(mantel);
  Part vase =
      MakePart({Ellipse{{57, 10}, 4, 5}, box(55.5, 2, 58.5, 15)}, kGroup1, Lighting::Cylinder);
  vase.darkest = 3;
  figure.parts.push_back(vase);
  ArtworkDesign picture = Accessory(artwork_files::kFireplace, 72, 72, std::move(figure));
  picture.accent = RampAround(Rgb(236, 110, 30));
  picture.accent2 = RampAround(Rgb(110, 70, 40));
  return picture;
}

ArtworkDesign HeadWrap() {
  Figure figure;
  Part wrap = MakePart({Ellipse{{27.5, 26}, 22, 19}}, kGroup3, Lighting::Dome);
  wrap.bottom = 34;
  wrap.contour = true;
  figure.parts.push_back(wrap);
  Part band = MakePart({Polygon{{{5, 30}, {50, 30}, {49, 38}, {27.5, 34}, {6, 38}}}}, kGroup3);
  band.contour = true;
  band.darkest = 1;
  figure.parts.push_back(band);
  for (int i = 0; i < 4; ++i) {
    AddLine(figure, {10 + i * 6.0, 29 - i * 1.0}, {22 + i * 5.0, 10 + i * 1.0}, kGroup3, 1);
  }
  Part stripes = MakePart({Capsule{{7, 33}, {48, 33}, 0.6, 0.6}}, kGroup1, Lighting::Flat);
  stripes.lightest = 3;
  figure.parts.push_back(stripes);
  Part knot =
      MakePart({Ellipse{{27.5, 12}, 6, 5}, Ellipse{{21, 8}, 4, 3.5}, Ellipse{{34, 8}, 4, 3.5}},
               kGroup3, Lighting::Dome);
  knot.contour = true;
  knot.brightness = 0.2;
  figure.parts.push_back(knot);
  Part jewel = MakePart({Ellipse{{27.5, 13}, 2, 2}}, kSlot16, Lighting::Flat);
  jewel.contour = true;
  figure.parts.push_back(jewel);
  return Accessory(artwork_files::kHeadWrap, 56, 44, std::move(figure));
}

}  // namespace

std::vector<ArtworkDesign> Accessories() {
  return {Turf(), Pyramid(), Beret(), BunnyEars(), Cabinets(), Fireplace(), HeadWrap()};
}

}  // namespace tintara::artgen
